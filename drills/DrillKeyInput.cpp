// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillKeyInput.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace kf {

namespace {

QList<DrillKey> keysOfText(const QString& text) {
    QList<DrillKey> keys;
    const QString composed = text.normalized(QString::NormalizationForm_C);
    for (QChar c : composed)
        keys.append(DrillKey::fromTyped(c));
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
