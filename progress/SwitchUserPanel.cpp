// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/SwitchUserPanel.h"

#include "core/ColourScheme.h"
#include "progress/NamesList.h"
#include "widgets/TextColour.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace kf {

namespace {

constexpr QSize kPanelSize(300, 330);
// 0x009E985C as the record keeps colours: blue 0x9E, green 0x98, red 0x5C.
constexpr QRgb kPanelColour = qRgb(0x5C, 0x98, 0x9E);
constexpr int kMessagePixelSize = 16;

constexpr const char* kPrompt =
    QT_TRANSLATE_NOOP("SwitchUserPanel", "Select a name from the list below.");
constexpr const char* kNote = QT_TRANSLATE_NOOP(
    "SwitchUserPanel",
    "If you want to continue typing after viewing other names, return to original name.");

constexpr const char* kContext = "SwitchUserPanel";

QLabel* wrappedLabel(const QString& name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    return l;
}

} // namespace

SwitchUserPanel::SwitchUserPanel(QWidget* parent)
    : PanelFrame(parent) {
    setObjectName(QStringLiteral("PanelSwitchUser"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(kPanelColour));
    setPalette(colours);
    setAutoFillBackground(true);
    QRect place(QPoint(0, 0), kPanelSize);
    place.moveCenter(parent->rect().center());
    setGeometry(place);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("ImageSwitchUser"));
    m_picture->setGeometry(rect());

    m_message = wrappedLabel(QStringLiteral("LabelSwitchUser"), this);
    QFont messageFont = m_message->font();
    messageFont.setPixelSize(kMessagePixelSize);
    m_message->setFont(messageFont);
    setTextColour(m_message, Qt::white);
    m_message->setGeometry(18, 12, 264, 44);

    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("ListBoxSwitchUser"));
    m_names->setAccessibleName(QCoreApplication::translate("SwitchUserPanel", "User names"));
    m_names->setGeometry(18, 60, 264, 150);

    auto* view = uiButton(QStringLiteral("ButtonViewSelectedName"), kContext,
                          QT_TRANSLATE_NOOP("SwitchUserPanel", "View Selected Name"), this);
    view->setGeometry(18, 218, 150, 28);
    auto* cancel = uiButton(QStringLiteral("ButtonCancelSwitch"), kContext,
                            QT_TRANSLATE_NOOP("SwitchUserPanel", "Cancel"), this);
    cancel->setGeometry(182, 218, 100, 28);

    auto* note = wrappedLabel(QStringLiteral("LabelSwitchNote"), this);
    setUiText(note, kContext, kNote);
    note->setGeometry(18, 254, 264, 64);

    // The picture lies under everything else on the panel.
    m_picture->lower();
    hide();

    connect(view, &QPushButton::clicked, this, &SwitchUserPanel::viewSelectedNameClicked);
    connect(cancel, &QPushButton::clicked, this, &SwitchUserPanel::cancelClicked);
}

void SwitchUserPanel::open(QRgb schemeColour, const QStringList& names, const QString& current) {
    show();
    raise();
    QImage picture(m_picture->size(), QImage::Format_RGB32);
    paintBackground(picture, schemeColour);
    m_picture->setPixmap(QPixmap::fromImage(picture));
    setUiText(m_message, kContext, kPrompt);
    m_names->setFocus();
    fillNames(*m_names, names, current);
}

void SwitchUserPanel::moveFocusWithin(bool next) {
    QList<QWidget*> stops;
    for (QWidget* child : findChildren<QWidget*>())
        if (child->isVisibleTo(this) && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus))
            stops.append(child);
    if (stops.isEmpty())
        return;
    // Children are found in the order they were made, which is the order they are read in.
    const qsizetype at = stops.indexOf(QApplication::focusWidget());
    const qsizetype count = stops.size();
    const qsizetype to = at < 0 ? 0 : (at + (next ? 1 : count - 1)) % count;
    stops.at(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

QString SwitchUserPanel::selectedName() const {
    return kf::selectedName(*m_names);
}

} // namespace kf
