// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Dialogs.h"

namespace kf {

// The real dialogs: QMessageBox over the active window, QColorDialog for colours.
class MessageBoxDialogs final : public Dialogs {
public:
    Answer message(Kind kind, const QString& text, Buttons buttons) override;
    Answer titledMessage(Kind kind, const QString& title, const QString& text,
                         Buttons buttons) override;
    std::optional<QRgb> chooseColour(QRgb initial) override;
    std::optional<QString> chooseSaveFile(const QString& caption, const QString& suggested,
                                          const QString& filter) override;
};

} // namespace kf
