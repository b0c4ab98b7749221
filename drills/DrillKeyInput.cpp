// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillKeyInput.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace kf {

namespace {

// Space, Enter and Escape come by key; every other control character (Backspace, Delete, the
// C1 controls) is nothing the student could be asked to type, so it is no press at all.
bool isControl(char32_t codePoint) {
    return QChar::category(codePoint) == QChar::Other_Control;
}

QList<DrillKey> keysOfText(const QString& text) {
    QList<DrillKey> keys;
    // One key per character, not per UTF-16 unit: an emoji is one press.
    for (char32_t codePoint : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (!isControl(codePoint))
            keys.append(DrillKey::fromTyped(codePoint));
    }
    return keys;
}

// Alt with a letter opens the menu; AltGr (which some systems report as Ctrl+Alt) types.
bool isMenuShortcut(Qt::KeyboardModifiers mods) {
    return mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::GroupSwitchModifier) &&
           !mods.testFlag(Qt::ControlModifier);
}

} // namespace

QList<DrillKey> drillKeysOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Escape:
        return {DrillKey::fromCharacter(DrillKey::kEscape)};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {DrillKey::fromCharacter(DrillKey::kEnter)};
    case Qt::Key_Space:
        return {DrillKey::fromCharacter(DrillKey::kSpace)};
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {}; // moves the focus, types nothing
    default:
        break;
    }
    if (isMenuShortcut(event.modifiers()))
        return {};
    return keysOfText(event.text());
}

QList<DrillKey> drillKeysOf(const QInputMethodEvent& event) {
    return keysOfText(event.commitString());
}

} // namespace kf
