// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TranslatedText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QVariant>

namespace kf {

namespace {

// Property names: the context and source of each kind of text a control can remember.
constexpr const char* kTextSource = "kfTextSource";
constexpr const char* kTextContext = "kfTextContext";
constexpr const char* kTipSource = "kfTipSource";
constexpr const char* kTipContext = "kfTipContext";
constexpr const char* kTitleSource = "kfTitleSource";
constexpr const char* kTitleContext = "kfTitleContext";
constexpr const char* kTabSource = "kfTabSource";
constexpr const char* kTabContext = "kfTabContext";
constexpr const char* kNameSource = "kfAccessibleNameSource";
constexpr const char* kNameContext = "kfAccessibleNameContext";
constexpr const char* kDescriptionSource = "kfAccessibleDescriptionSource";
constexpr const char* kDescriptionContext = "kfAccessibleDescriptionContext";

QString translated(const QObject* control, const char* contextProperty,
                   const char* sourceProperty) {
    const QByteArray context = control->property(contextProperty).toByteArray();
    const QByteArray source = control->property(sourceProperty).toByteArray();
    return QCoreApplication::translate(context.constData(), source.constData());
}

void remember(QObject* control, const char* contextProperty, const char* sourceProperty,
              const char* context, const char* source) {
    control->setProperty(contextProperty, QByteArray(context));
    control->setProperty(sourceProperty, QByteArray(source));
}

void applyText(QObject* control) {
    if (!control->property(kTextSource).isValid())
        return;
    const QString text = translated(control, kTextContext, kTextSource);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(text);
    else if (auto* menu = qobject_cast<QMenu*>(control))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(control))
        action->setText(text);
}

void applyToolTip(QObject* control) {
    if (auto* widget = qobject_cast<QWidget*>(control);
        widget != nullptr && control->property(kTipSource).isValid())
        widget->setToolTip(translated(control, kTipContext, kTipSource));
}

void applyWindowTitle(QObject* control) {
    if (auto* widget = qobject_cast<QWidget*>(control);
        widget != nullptr && control->property(kTitleSource).isValid())
        widget->setWindowTitle(translated(control, kTitleContext, kTitleSource));
}

void applyAccessibleTexts(QObject* control) {
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget == nullptr)
        return;
    if (control->property(kNameSource).isValid())
        widget->setAccessibleName(translated(control, kNameContext, kNameSource));
    if (control->property(kDescriptionSource).isValid())
        widget->setAccessibleDescription(
            translated(control, kDescriptionContext, kDescriptionSource));
}

void applyTabTexts(QObject* control) {
    auto* tabs = qobject_cast<QTabWidget*>(control);
    if (tabs == nullptr)
        return;
    for (int i = 0; i < tabs->count(); ++i) {
        const QWidget* page = tabs->widget(i);
        if (page->property(kTabSource).isValid())
            tabs->setTabText(i, translated(page, kTabContext, kTabSource));
    }
}

void applyAll(QObject* control) {
    applyText(control);
    applyToolTip(control);
    applyWindowTitle(control);
    applyTabTexts(control);
    applyAccessibleTexts(control);
}

} // namespace

void setUiText(QObject* control, const char* context, const char* source) {
    remember(control, kTextContext, kTextSource, context, source);
    applyText(control);
}

void setUiToolTip(QWidget* control, const char* context, const char* source) {
    remember(control, kTipContext, kTipSource, context, source);
    applyToolTip(control);
}

void setUiWindowTitle(QWidget* window, const char* context, const char* source) {
    remember(window, kTitleContext, kTitleSource, context, source);
    applyWindowTitle(window);
}

void setUiAccessibleName(QWidget* control, const char* context, const char* source) {
    remember(control, kNameContext, kNameSource, context, source);
    applyAccessibleTexts(control);
}

void setUiAccessibleDescription(QWidget* control, const char* context, const char* source) {
    remember(control, kDescriptionContext, kDescriptionSource, context, source);
    applyAccessibleTexts(control);
}

void nameByToolTip(QWidget* control) {
    control->setProperty(kNameContext, control->property(kTipContext));
    control->setProperty(kNameSource, control->property(kTipSource));
    applyAccessibleTexts(control);
}

void nameAfter(QWidget* control, const QObject* caption) {
    control->setProperty(kNameContext, caption->property(kTextContext));
    control->setProperty(kNameSource, caption->property(kTextSource));
    applyAccessibleTexts(control);
}

void setUiTabText(QTabWidget* tabs, int index, const char* context, const char* source) {
    remember(tabs->widget(index), kTabContext, kTabSource, context, source);
    applyTabTexts(tabs);
}

bool hasUiToolTip(const QWidget* control, const char* source) {
    return control->property(kTipSource).toByteArray() == source;
}

void retranslate(QWidget* root) {
    applyAll(root);
    // Actions and menus are children of their menus and menu bar, so one search finds them.
    for (QObject* child : root->findChildren<QObject*>())
        applyAll(child);
}

} // namespace kf
