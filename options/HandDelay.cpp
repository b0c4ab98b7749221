// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/HandDelay.h"

namespace kf {

int handDelayIndexOfText(const QString& text) {
    for (std::size_t i = 0; i < kHandDelays.size(); ++i) {
        if (text == QLatin1String(kHandDelays[i].text))
            return static_cast<int>(i);
    }
    return kDefaultHandDelayIndex;
}

int handDelayIndexOfMilliseconds(int milliseconds) {
    for (std::size_t i = 0; i < kHandDelays.size(); ++i) {
        if (kHandDelays[i].milliseconds == milliseconds)
            return static_cast<int>(i);
    }
    return kDefaultHandDelayIndex;
}

} // namespace kf
