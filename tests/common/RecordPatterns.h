// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Student records the tests fill in ways that show where they went: every byte set to a pattern,
// or a fresh record with a mark of its own.

#include "students/RecordLayout.h"
#include "students/StudentRecord.h"

#include <QByteArray>
#include <cstdint>

namespace kf::test {

// Byte i holds start + i × step (mod 256): every byte is set, histories and unused gaps included,
// so a field moved, lost or written by mistake shows. Different starts and steps give records
// that differ in nearly every byte.
inline StudentRecord patternedRecord(std::uint8_t start, std::uint8_t step) {
    StudentRecord::Bytes bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(start + i * step);
    StudentRecord record;
    record.assign(bytes);
    return record;
}

// A record as a new student gets it, marked so that a load of it can be told from any other:
// colour scheme mark mod 5, last lesson and Beginners best time mark, and a percent history of
// 10 × mark, 10 × mark + 1, … 10 × mark + 7.
inline StudentRecord markedRecord(std::int32_t mark) {
    StudentRecord record;
    record.applyCreateDefaults();
    record.setByte(layout::kColourScheme, static_cast<std::uint8_t>(mark % 5));
    record.setI32(layout::kLessonsLastLesson, mark);
    record.setI32(layout::kBegBestTime, mark);
    for (int i = 0; i < 8; ++i)
        record.setHistory(layout::kBegPercentHistory, i, 10 * mark + i);
    return record;
}

// The record's bytes as a student file holds them.
inline QByteArray recordBytes(const StudentRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()),
                      static_cast<qsizetype>(record.bytes().size()));
}

} // namespace kf::test
