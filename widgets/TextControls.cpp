// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TextControls.h"

#include "widgets/TranslatedText.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kf {

namespace {

// Enter presses the focused button, as Space does: outside a dialog Qt's buttons let it pass.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            key->modifiers() & ~Qt::KeypadModifier)
            return false;
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
};

} // namespace

QPushButton* uiButton(const QString& name, const char* context, const char* source,
                      QWidget* parent) {
    auto* button = new QPushButton(parent);
    setUiText(button, context, source);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->installEventFilter(new EnterPressesButton(button));
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
