// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillCaption.h"

#include "keyboard/NextKeyChooser.h"

namespace kf {

QString characterCaption(AnsiChar character) {
    // The target panel's own rule, so every panel shows a character the same way.
    return targetPanelText(character);
}

QString plainTextCaption(const QString& text) {
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

QString displayedCaption(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            // "&&" is one ampersand; a lone "&" only marks the next letter and is not shown.
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&') {
                shown.append(u'&');
                ++i;
            }
            continue;
        }
        shown.append(caption.at(i));
    }
    return shown;
}

} // namespace kf
