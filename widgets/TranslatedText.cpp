// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TranslatedText.h"

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

void applyText(QObject* control);
void applyToolTip(QObject* control);
void applyWindowTitle(QObject* control);
void applyTabTexts(QObject* control);
void applyAccessibleTexts(QObject* control);

// One kind of text a control can remember: the properties that hold its context and English
// source, and what puts it on the control (for a tab's text, on the tab widget holding it).
struct TextKind {
    const char* contextProperty;
    const char* sourceProperty;
    void (*apply)(QObject*);
};

constexpr TextKind kText{"kfTextContext", "kfTextSource", applyText};
constexpr TextKind kTip{"kfTipContext", "kfTipSource", applyToolTip};
constexpr TextKind kTitle{"kfTitleContext", "kfTitleSource", applyWindowTitle};
constexpr TextKind kTab{"kfTabContext", "kfTabSource", applyTabTexts};
constexpr TextKind kName{"kfAccessibleNameContext", "kfAccessibleNameSource", applyAccessibleTexts};
constexpr TextKind kDescription{"kfAccessibleDescriptionContext", "kfAccessibleDescriptionSource",
                                applyAccessibleTexts};

bool remembers(const QObject* control, const TextKind& kind) {
    return control->property(kind.sourceProperty).isValid();
}

QString translated(const QObject* control, const TextKind& kind) {
    const QByteArray context = control->property(kind.contextProperty).toByteArray();
    const QByteArray source = control->property(kind.sourceProperty).toByteArray();
    return QCoreApplication::translate(context.constData(), source.constData());
}

void remember(QObject* control, const TextKind& kind, const char* context, const char* source) {
    control->setProperty(kind.contextProperty, QByteArray(context));
    control->setProperty(kind.sourceProperty, QByteArray(source));
}

void give(QObject* control, const TextKind& kind, const char* context, const char* source) {
    remember(control, kind, context, source);
    kind.apply(control);
}

// The control takes as its own kind of text what another remembers as its kind.
void giveAlike(QObject* control, const TextKind& kind, const QObject* from,
               const TextKind& fromKind) {
    control->setProperty(kind.contextProperty, from->property(fromKind.contextProperty));
    control->setProperty(kind.sourceProperty, from->property(fromKind.sourceProperty));
    kind.apply(control);
}

void applyText(QObject* control) {
    if (!remembers(control, kText))
        return;
    const QString text = translated(control, kText);
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
        widget != nullptr && remembers(control, kTip))
        widget->setToolTip(translated(control, kTip));
}

void applyWindowTitle(QObject* control) {
    if (auto* widget = qobject_cast<QWidget*>(control);
        widget != nullptr && remembers(control, kTitle))
        widget->setWindowTitle(translated(control, kTitle));
}

void applyAccessibleTexts(QObject* control) {
    auto* widget = qobject_cast<QWidget*>(control);
    if (widget == nullptr)
        return;
    if (remembers(control, kName))
        widget->setAccessibleName(translated(control, kName));
    if (remembers(control, kDescription))
        widget->setAccessibleDescription(translated(control, kDescription));
}

void applyTabTexts(QObject* control) {
    auto* tabs = qobject_cast<QTabWidget*>(control);
    if (tabs == nullptr)
        return;
    for (int i = 0; i < tabs->count(); ++i) {
        const QWidget* page = tabs->widget(i);
        if (remembers(page, kTab))
            tabs->setTabText(i, translated(page, kTab));
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
    give(control, kText, context, source);
}

void setUiToolTip(QWidget* control, const char* context, const char* source) {
    give(control, kTip, context, source);
}

void setUiWindowTitle(QWidget* window, const char* context, const char* source) {
    give(window, kTitle, context, source);
}

void setUiAccessibleName(QWidget* control, const char* context, const char* source) {
    give(control, kName, context, source);
}

void setUiAccessibleDescription(QWidget* control, const char* context, const char* source) {
    give(control, kDescription, context, source);
}

void nameByToolTip(QWidget* control) {
    giveAlike(control, kName, control, kTip);
}

void nameAfter(QWidget* control, const QObject* caption) {
    giveAlike(control, kName, caption, kText);
}

void setUiTabText(QTabWidget* tabs, int index, const char* context, const char* source) {
    remember(tabs->widget(index), kTab, context, source);
    kTab.apply(tabs);
}

bool hasUiToolTip(const QWidget* control, const char* source) {
    return control->property(kTip.sourceProperty).toByteArray() == source;
}

void retranslate(QWidget* root) {
    applyAll(root);
    // Actions and menus are children of their menus and menu bar, so one search finds them.
    for (QObject* child : root->findChildren<QObject*>())
        applyAll(child);
}

} // namespace kf
