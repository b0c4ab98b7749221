// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QObject;
class QTabWidget;
class QWidget;

namespace kf {

// Fixed texts of controls in the interface language. A control remembers the English source of
// each text it is given here (with the context lupdate filed it under), so that a change of
// language can put every text of a window into the new language again with retranslate().
// Sources are marked with QT_TRANSLATE_NOOP at the place that names them.

// A label's, button's, group box's, action's or menu's text (a menu's title).
void setUiText(QObject* control, const char* context, const char* source);
void setUiToolTip(QWidget* control, const char* context, const char* source);
void setUiWindowTitle(QWidget* window, const char* context, const char* source);
void setUiAccessibleName(QWidget* control, const char* context, const char* source);
void setUiAccessibleDescription(QWidget* control, const char* context, const char* source);
// The control's accessible name follows its tool tip (given with setUiToolTip) in every language:
// a picture button is named by its hint.
void nameByToolTip(QWidget* control);
// The control's accessible name follows the text of the caption beside it (given with setUiText),
// for those who cannot see where the control stands.
void nameAfter(QWidget* control, const QObject* caption);
// The tab of a page; the page remembers it.
void setUiTabText(QTabWidget* tabs, int index, const char* context, const char* source);

// True when the control's tool tip was given as this English source.
bool hasUiToolTip(const QWidget* control, const char* source);

// Every remembered text of the widget and of all its children, in the current language.
void retranslate(QWidget* root);

} // namespace kf
