// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillKey.h"

#include "drills/DrillCaption.h"
#include "keyboard/Windows1252.h"

namespace kf {

DrillKey DrillKey::fromTyped(QChar c) {
    return DrillKey{toWindows1252(c), c};
}

QString DrillKey::caption() const {
    if (character)
        return characterCaption(*character);
    return typed == u'&' ? QStringLiteral("&&") : QString(typed);
}

} // namespace kf
