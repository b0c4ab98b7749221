// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"
#include "progress/StudentFigures.h"
#include "students/SectionUsage.h"

#include <QList>
#include <QString>
#include <array>
#include <cstdint>

namespace kf {

class StudentRecord;

// The sections that count words, in section order, as the overview's columns name them.
inline constexpr std::array<Section, 6> kWordSections = {
    Section::Lessons,    Section::IntermediateDrills, Section::AdvancedDrills,
    Section::LetterGame, Section::TenLineTests,       Section::TimedTests,
};

// One student file as the class overview shows it: the figures of the summary report and the
// charts, taken from the same functions.
struct StudentOverview {
    struct WordSection {
        bool holdsFigures = false;
        bool latestDamaged = false; // figures no real typing reaches, as the charts tell them
        bool allDaysDamaged = false;
        std::int32_t adjustedWpmLatest = 0;
        std::int32_t adjustedWpmAllDays = 0;
    };

    QString name;
    bool readable = false; // false: the file could not be read whole, and only the name is known
    bool nameUnreadable = false; // the file's name is not in the system's encoding
    std::int64_t drillKeysAllDays = 0;
    bool drillsLatestDamaged = false;
    bool drillsAllDaysDamaged = false;
    std::int32_t accuracyLatest = 0;
    std::int32_t accuracyAllDays = 0;
    std::int32_t bestTime = 0;
    AnsiChar slowestLetter = 0;
    int sessions = 0;
    SessionHistory accuracyHistory{}; // element 0 the latest session
    std::array<WordSection, kWordSections.size()> wordSections{};
    // Against the class goals, from the student's press journal.
    enum class Goal : std::uint8_t { NoPresses, Met, NotMet };
    Goal goal = Goal::NoPresses;
    QString troubleKeys; // the weakest keys holding the student back, weakest first

    // The percent correct of the sessions recorded, the oldest first: the trend line's points.
    QList<int> accuracyTrend() const;
};

StudentOverview studentOverview(const QString& name, const StudentRecord& record);
StudentOverview unreadableStudent(const QString& name);
StudentOverview unreadableName(const QString& shownName);

} // namespace kf
