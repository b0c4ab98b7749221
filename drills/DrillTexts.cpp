// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillTexts.h"

#include <QCoreApplication>
#include <array>

namespace kf {

namespace {

// The window's own captions share the context, so each text is translated once.
QString translated(const char* source) {
    return QCoreApplication::translate(kDrillWindowContext, source);
}

// In the order of DrillText.
constexpr std::array<const char*, 10> kSources = {
    QT_TRANSLATE_NOOP("DrillWindow", "Press the Spacebar to Begin."),
    QT_TRANSLATE_NOOP("DrillWindow", "Press the Spacebar to continue."),
    QT_TRANSLATE_NOOP("DrillWindow", "Pause!"),
    QT_TRANSLATE_NOOP("DrillWindow", "Type the"),
    QT_TRANSLATE_NOOP("DrillWindow", "Character"),
    QT_TRANSLATE_NOOP("DrillWindow", "Last correct:"),
    QT_TRANSLATE_NOOP("DrillWindow", "You missed:"),
    QT_TRANSLATE_NOOP("DrillWindow", "by typing:"),
    QT_TRANSLATE_NOOP("DrillWindow", "Press Enter!"),
    QT_TRANSLATE_NOOP("DrillWindow", "Done!"),
};
static_assert(kSources.size() == static_cast<std::size_t>(DrillText::Done) + 1,
              "one text for each DrillText");

} // namespace

QString drillText(DrillText text) {
    return translated(kSources[static_cast<std::size_t>(text)]);
}

QString missExplanation(const QString& targetCaption) {
    return translated(QT_TRANSLATE_NOOP("DrillWindow",
                                        "You missed the \"%1\" key. Check your error to the left, "
                                        "locate the \" %1 \" key below, and type the correct key."))
        .arg(targetCaption);
}

} // namespace kf
