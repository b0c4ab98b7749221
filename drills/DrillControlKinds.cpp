// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillControlKinds.h"

#include "drills/DrillTexts.h"
#include "widgets/TranslatedText.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace kf::drillcontrols {

using namespace drillstyle;

QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    if (caption != nullptr)
        setUiText(label, kDrillWindowContext, caption);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* makeCaptionPanel(QWidget* parent, const char* name, const QRect& geometry,
                         quint32 background) {
    QLabel* panel = makeLabel(parent, name, nullptr, geometry, Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackground(panel, background);
    return panel;
}

QLabel* makeImage(QWidget* parent, const char* name, const QRect& geometry) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(geometry);
    return image;
}

SchemePicture* makeSchemePicture(QWidget* parent, const char* name, SchemePicture::Kind kind,
                                 const QRect& geometry) {
    auto* picture = new SchemePicture(kind, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    return picture;
}

QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QRect& geometry,
                             const char* caption, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    setUiText(button, kDrillWindowContext, caption);
    if (*hint != '\0')
        setUiToolTip(button, kDrillWindowContext, hint);
    // A caption names the button; a picture button is named by its hint.
    if (*caption == '\0') {
        nameByToolTip(button);
    } else {
        setUiAccessibleName(button, kDrillWindowContext, caption);
        if (*hint != '\0')
            setUiAccessibleDescription(button, kDrillWindowContext, hint);
    }
    // Speed buttons take the focus from Tab only, so they work without a mouse (Enter presses
    // them while no set runs); a click leaves the focus on the drill.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(parent);
    setUiText(button, kDrillWindowContext, caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter presses the focused button, so the own-keys panel works from the keyboard.
    button->setAutoDefault(true);
    return button;
}

} // namespace kf::drillcontrols
