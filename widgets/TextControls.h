// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace kf {

// Controls with an object name (tests and accessibility find them by it) and a fixed text in the
// interface language, given as its English source and context (see TranslatedText.h).

// A push button that never takes Enter as the window's default: Enter belongs to the student's
// typing or the focused control, and presses the button when it has the focus.
QPushButton* uiButton(const QString& name, const char* context, const char* source,
                      QWidget* parent = nullptr);
QLabel* uiLabel(const QString& name, const char* context, const char* source,
                QWidget* parent = nullptr);

} // namespace kf
