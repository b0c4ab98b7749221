// SPDX-License-Identifier: GPL-3.0-or-later
#include "students/StudentRecord.h"

#include "students/FixedPoint.h"

#include <stdexcept>

namespace kf {

using namespace layout;

namespace {

// The defaults of a new record that are not zero. Bare offsets are fields no window reads.
struct I32Default {
    std::size_t offset;
    std::int32_t value;
};
constexpr I32Default kI32Defaults[] = {
    {kLessonsHandDelay, 900},
    {kLessonsHandPen, 2},
    {kLessonsFontSize, 14},
    {kLessonsTurns, 3},
    {kLessonsWpmGoal, 15},
    {32440, 0x00FFFFFF},
    {kBegHandPen, 2},
    {32460, 0x00382E94},
    {kBegHandDelay, 900},
    {32480, 0x00382E94},
    {kIntHandPen, 2},
    {kIntHandDelay, 900},
    {kIntFontSize, 14},
    {71604, 1500000},
    {84644, 0x00804000},
    {kTimedMinutes, 1},
    {kHandColour, kDefaultHandColour},
};

struct ByteDefault {
    std::size_t offset;
    std::uint8_t value;
};
constexpr ByteDefault kByteDefaults[] = {
    {kLessonsBold, 1},
    {kBegAddEnter, 1},
    {kBegPauseOnMiss, 1},
    {kIntAddEnter, 1},
    {kIntBold, 1},
    {kAdvAddEnter, 1},
    {71631, 1},
    {kGameShowLinesAhead, 1},
    {kGameShowPointer, 1},
    {71634, 1},
    {71635, 0},
    {71636, 1},
    {71637, 0},
    {kTimedLargeFont, 1},
    {kTimedBackspace, 1},
    {97604, 1},
    {97605, 1},
    {kSoundOn, 1},
    {kBeepOnError, 1},
    {kKeyTap, 1},
    {kCharactersShown, 1},
};

// Fields that a new record sets to zero, as [offset, offset + size) ranges; everything between
// them (gaps, unset fields, the reserved tail) is left alone.
struct ZeroRange {
    std::size_t offset;
    std::size_t size;
};
constexpr ZeroRange kZeroRanges[] = {
    {kNationality, 2}, // nationality, colour scheme
    {kLessonsLastLesson, 4},
    {kLessonsRightShiftErrors, 8},
    {kLessonsChosen, 4},
    {13068, 1},
    {13072, 1},
    {13078, 1},
    {kBegSeconds, kBegBlockEnd - kBegSeconds}, // the whole Beginners block
    {32448, 4},
    {kBegSlowestKey, 2},
    {kBegBestTime, 8},
    {45488, 20},
    {45508, 1},
    {45512, 1},
    {45518, 1},
    {58536, 8},
    {71584, 8},
    {84592, 8},
    {kTimedForceSmall, 1},
    {97592, 8},
};

void writeLe(std::uint8_t* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t readLe(const std::uint8_t* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint64_t>(at[i]) << (8 * i);
    return value;
}

} // namespace

void StudentRecord::applyCreateDefaults() {
    for (const ZeroRange& r : kZeroRanges)
        std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(r.offset), r.size, 0);
    for (std::size_t block : kSectionBlocks)
        std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(block), kSectionBlockSize, 0);
    for (const I32Default& d : kI32Defaults)
        setI32(d.offset, d.value);
    for (const ByteDefault& d : kByteDefaults)
        setByte(d.offset, d.value);
    setByte(kTextField, 0); // only the length: the text bytes are not part of a new record
    setShortString(kLessonsFontName, 40, QByteArrayLiteral("Times New Roman"));
    setShortString(kIntFontName, 40, QByteArrayLiteral("Courier New"));
    setShortString(kTimedFontName, 40, QByteArrayLiteral("Arial"));
}

std::int32_t StudentRecord::i32(std::size_t offset) const {
    if (offset + 4 > m_bytes.size())
        throw std::out_of_range("student record offset");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(readLe(&m_bytes[offset], 4)));
}

void StudentRecord::setI32(std::size_t offset, std::int32_t value) {
    if (offset + 4 > m_bytes.size())
        throw std::out_of_range("student record offset");
    writeLe(&m_bytes[offset], static_cast<std::uint32_t>(value), 4);
}

std::int64_t StudentRecord::i64(std::size_t offset) const {
    if (offset + 8 > m_bytes.size())
        throw std::out_of_range("student record offset");
    return static_cast<std::int64_t>(readLe(&m_bytes[offset], 8));
}

void StudentRecord::setI64(std::size_t offset, std::int64_t value) {
    if (offset + 8 > m_bytes.size())
        throw std::out_of_range("student record offset");
    writeLe(&m_bytes[offset], static_cast<std::uint64_t>(value), 8);
}

long double StudentRecord::figure(std::size_t offset) const {
    return fromFixedPoint(i64(offset));
}

void StudentRecord::setFigure(std::size_t offset, long double value) {
    setI64(offset, toFixedPoint(value));
}

std::size_t StudentRecord::perKeyOffset(std::size_t arrayOffset, int statisticsIndex) const {
    if (statisticsIndex < 1 || statisticsIndex > static_cast<int>(kPerKeyCount))
        throw std::out_of_range("statistics index");
    return arrayOffset + static_cast<std::size_t>(statisticsIndex - 1) * 8;
}

long double StudentRecord::perKey(std::size_t arrayOffset, int statisticsIndex) const {
    return figure(perKeyOffset(arrayOffset, statisticsIndex));
}

void StudentRecord::setPerKey(std::size_t arrayOffset, int statisticsIndex, long double value) {
    setFigure(perKeyOffset(arrayOffset, statisticsIndex), value);
}

std::int64_t StudentRecord::perKeyStored(std::size_t arrayOffset, int statisticsIndex) const {
    return i64(perKeyOffset(arrayOffset, statisticsIndex));
}

void StudentRecord::clearPerKey(std::size_t arrayOffset) {
    if (arrayOffset + kPerKeyBytes > m_bytes.size())
        throw std::out_of_range("student record offset");
    std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(arrayOffset), kPerKeyBytes, 0);
}

std::int32_t StudentRecord::history(std::size_t arrayOffset, int i) const {
    if (i < 0 || i >= static_cast<int>(kHistoryLength))
        throw std::out_of_range("history element");
    return i32(arrayOffset + static_cast<std::size_t>(i) * 4);
}

void StudentRecord::setHistory(std::size_t arrayOffset, int i, std::int32_t value) {
    if (i < 0 || i >= static_cast<int>(kHistoryLength))
        throw std::out_of_range("history element");
    setI32(arrayOffset + static_cast<std::size_t>(i) * 4, value);
}

void StudentRecord::pushHistory(std::size_t arrayOffset, std::int32_t value) {
    for (int i = static_cast<int>(kHistoryLength) - 1; i > 0; --i)
        setHistory(arrayOffset, i, history(arrayOffset, i - 1));
    setHistory(arrayOffset, 0, value);
}

QByteArray StudentRecord::shortString(std::size_t offset, std::size_t capacity) const {
    const std::size_t length = std::min<std::size_t>(byte(offset), capacity);
    if (offset + 1 + length > m_bytes.size())
        throw std::out_of_range("student record offset");
    QByteArray text(static_cast<qsizetype>(length), '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[static_cast<qsizetype>(i)] = static_cast<char>(m_bytes[offset + 1 + i]);
    return text;
}

void StudentRecord::setShortString(std::size_t offset, std::size_t capacity,
                                   const QByteArray& text) {
    const std::size_t length =
        std::min<std::size_t>(static_cast<std::size_t>(text.size()), capacity);
    if (offset + 1 + capacity > m_bytes.size())
        throw std::out_of_range("student record offset");
    setByte(offset, static_cast<std::uint8_t>(length));
    for (std::size_t i = 0; i < length; ++i)
        m_bytes[offset + 1 + i] = static_cast<std::uint8_t>(text[static_cast<qsizetype>(i)]);
}

} // namespace kf
