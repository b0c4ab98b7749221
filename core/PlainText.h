// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace kf {

// Text that came from a file, a file name or a lock, made safe to show or print: every control
// character (an escape sequence would drive a terminal, a line break would start a new CSV row)
// becomes U+FFFD, and at most mostCharacters are kept.
inline QString plainText(QStringView text, qsizetype mostCharacters = -1) {
    QString out;
    out.reserve(mostCharacters < 0 ? text.size() : qMin(text.size(), mostCharacters));
    for (const QChar c : text) {
        if (mostCharacters >= 0 && out.size() >= mostCharacters)
            break;
        out.append(c.category() == QChar::Other_Control ? QChar(QChar::ReplacementCharacter) : c);
    }
    return out;
}

} // namespace kf
