// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillAnnouncement.h"

#include "drills/DrillCaption.h"
#include "drills/DrillEngine.h"
#include "drills/DrillTexts.h"
#include "keyboard/SpokenKeyNames.h"
#include "keyboard/Windows1252.h"

#include <QCoreApplication>
#include <QStringList>

namespace kf {

namespace {

using C = DrillControl;

// The announcements' texts, translated in the "DrillAnnouncement" context.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(DrillAnnouncement)
};

// A caption as the student reads it, without the blank the drill leaves in an emptied label.
QString shownText(const DrillView& view, C control) {
    return displayedCaption(view[control].caption).trimmed();
}

// The instruction as it reads while it blinks, not the blank of every other tick: what is
// announced never blinks with it.
QString steadyGuidance(const DrillEngine& engine) {
    const DrillView& view = engine.view();
    if (view.timer(DrillTimer::BlinkTimer).running && !engine.drillPaused())
        return displayedCaption(drillText(DrillText::PressSpaceToBegin));
    return shownText(view, C::Guidance);
}

QString spokenCharacter(QChar c) {
    const auto byte = toWindows1252(c);
    return byte ? spokenKeyName(*byte) : QString(c);
}

// The set's missed or typed keys by their spoken names. On the screen each key is followed by
// a blank that parts it from the next, so a missed Space is a blank before its blank.
QString spokenKeyList(const DrillView& view, C control) {
    const QString shown = displayedCaption(view[control].caption);
    QStringList names;
    for (qsizetype i = 0; i < shown.size(); i += 2)
        names.append(spokenCharacter(shown[i]));
    return names.join(QStringLiteral(", "));
}

// What the last press missed, while the screen still shows it: "You missed f by typing x."
QString missSentence(const DrillView& view) {
    const QString missed = displayedCaption(view[C::MissedTarget].caption);
    const QString typed = displayedCaption(view[C::TypedInstead].caption);
    if (missed.isEmpty() || typed.isEmpty())
        return QString();
    return Texts::tr("You missed %1 by typing %2.")
        .arg(spokenCharacter(missed.front()), spokenCharacter(typed.front()));
}

QString targetSentence(const CurrentKey& key) {
    const QString sentence = Texts::tr("Type %1.").arg(spokenKeyName(key.character));
    const QString modifiers = modifierSentences(key);
    return modifiers.isEmpty() ? sentence : sentence + u' ' + modifiers;
}

QString joinSentences(const QString& first, const QString& second) {
    if (first.isEmpty())
        return second;
    if (second.isEmpty())
        return first;
    return first + u' ' + second;
}

DrillAnnouncement setDone(const DrillEngine& engine) {
    const DrillView& view = engine.view();
    DrillAnnouncement a;
    a.phase = DrillAnnouncement::Phase::SetDone;
    a.name =
        Texts::tr("Set done. Correct this set: %1. Time this set: %2 seconds.")
            .arg(shownText(view, C::StatsCorrectThisSet), shownText(view, C::StatsTimeThisSet));
    QStringList figures;
    figures
        << Texts::tr("Number missed: %1.").arg(shownText(view, C::StatsNumberMissed))
        << Texts::tr("Best time: %1 seconds.").arg(shownText(view, C::StatsBestTime))
        << Texts::tr("Correct this session: %1.").arg(shownText(view, C::StatsCorrectThisSession));
    if (engine.setSlowestChar() != 0)
        figures << Texts::tr("Slowest this set: %1.").arg(spokenKeyName(engine.setSlowestChar()));
    if (const QString missed = spokenKeyList(view, C::StatsMissedTargets); !missed.isEmpty()) {
        figures << Texts::tr("You missed: %1.").arg(missed)
                << Texts::tr("By typing: %1.").arg(spokenKeyList(view, C::StatsTypedInstead));
    }
    figures << steadyGuidance(engine);
    a.description = figures.join(u' ').trimmed();
    return a;
}

} // namespace

QString modifierSentences(const CurrentKey& key) {
    QStringList sentences;
    if (key.deadAcute)
        sentences << Texts::tr("First press the acute accent key.");
    if (key.deadGrave)
        sentences << Texts::tr("First press the grave accent key.");
    if (key.altGr)
        sentences << Texts::tr("Hold Alt Gr.");
    if (key.leftShift)
        sentences << Texts::tr("Hold the left Shift.");
    if (key.rightShift)
        sentences << Texts::tr("Hold the right Shift.");
    return sentences.join(u' ');
}

QString keyboardPictureDescription(const DrillEngine& engine, const CurrentKey& key) {
    if (!engine.setRunning())
        return QString();
    if (engine.awaitingEnter())
        return Texts::tr("Marked: the Enter key.");
    const QString modifiers = modifierSentences(key);
    const QString marked = Texts::tr("Marked: %1.").arg(spokenKeyName(key.character));
    return modifiers.isEmpty() ? marked : marked + u' ' + modifiers;
}

DrillAnnouncement announceDrill(const DrillEngine& engine, const CurrentKey& key) {
    const DrillView& view = engine.view();
    DrillAnnouncement a;
    if (!engine.setRunning()) {
        if (view[C::StatisticsPanel].visible)
            return setDone(engine);
        a.name = steadyGuidance(engine);
        return a;
    }
    if (engine.awaitingEnter()) {
        a.phase = DrillAnnouncement::Phase::PressEnter;
        a.name = Texts::tr("Press Enter to finish the set.");
        return a;
    }
    if (engine.drillPaused()) {
        a.phase = DrillAnnouncement::Phase::Paused;
        // The explanation on screen quotes the keys as signs, which a speech engine may skip:
        // the headline says them by name. "Pause!" blinks on the screen, not here.
        const QString miss = missSentence(view);
        a.name = joinSentences(
            displayedCaption(drillText(DrillText::Pause)),
            miss.isEmpty() ? Texts::tr("You missed %1.").arg(spokenKeyName(key.character)) : miss);
        a.description = joinSentences(targetSentence(key), shownText(view, C::PauseExplanation));
        return a;
    }
    // The count makes every target a new announcement, also of a key that repeats. A miss that
    // does not pause the drill is said before the next target.
    a.phase = DrillAnnouncement::Phase::Target;
    a.name = joinSentences(
        missSentence(view),
        Texts::tr("Key %1 of %2.").arg(engine.setPresses() + 1).arg(engine.setLength()) + u' ' +
            targetSentence(key));
    a.description = shownText(view, C::Guidance);
    a.speech = joinSentences(targetSentence(key), a.description);
    return a;
}

} // namespace kf
