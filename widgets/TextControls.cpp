// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TextControls.h"

#include "widgets/TranslatedText.h"

#include <QLabel>
#include <QPushButton>

namespace kf {

QPushButton* uiButton(const QString& name, const char* context, const char* source,
                      QWidget* parent) {
    auto* button = new QPushButton(parent);
    setUiText(button, context, source);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* uiLabel(const QString& name, const char* context, const char* source, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText); // no label of the program is markup
    setUiText(label, context, source);
    label->setObjectName(name);
    return label;
}

} // namespace kf
