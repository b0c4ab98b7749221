// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillKey.h"

#include "drills/DrillCaption.h"
#include "keyboard/Windows1252.h"

namespace kf {

DrillKey DrillKey::fromTyped(char32_t codePoint) {
    const QString typed = QString::fromUcs4(&codePoint, 1);
    if (QChar::requiresSurrogates(codePoint))
        return DrillKey{std::nullopt, typed};
    return DrillKey{toWindows1252(typed.front()), typed};
}

QString DrillKey::caption() const {
    if (character)
        return characterCaption(*character);
    return plainTextCaption(typed);
}

} // namespace kf
