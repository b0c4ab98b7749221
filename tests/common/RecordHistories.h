// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The eight-entry histories of a student record as lists, newest first, and how a session's
// entry moves them.

#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QList>
#include <cstdint>

namespace kf::test {

inline QList<std::int32_t> historyOf(const StudentRecord& record, std::size_t offset) {
    QList<std::int32_t> out;
    for (int i = 0; i < 8; ++i)
        out.append(record.history(offset, i));
    return out;
}

// The Beginners Drills percent-correct history.
inline QList<std::int32_t> percentHistory(const StudentRecord& record) {
    return historyOf(record, layout::kBegPercentHistory);
}

// The history after a session's entry: the value in front, the oldest entry gone.
inline QList<std::int32_t> pushed(QList<std::int32_t> history, std::int32_t value) {
    history.prepend(value);
    history.removeLast();
    return history;
}

} // namespace kf::test
