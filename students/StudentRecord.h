// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/Nationality.h"
#include "students/RecordLayout.h"

#include <QByteArray>
#include <array>
#include <cstdint>

namespace kf {

// One student's whole state: the 110,824 bytes of a student file, held as bytes and read and
// written through typed accessors at fixed offsets. Bytes that no accessor names are kept as
// they are, so a record passes through load and save unchanged.
class StudentRecord {
public:
    using Bytes = std::array<std::uint8_t, layout::kRecordSize>;

    StudentRecord() { m_bytes.fill(0); }

    // Every default of a new record; statistics and histories cleared. Gaps, the reserved tail,
    // the fields a new record leaves unset and the text bytes of the first string keep their
    // current bytes.
    void applyCreateDefaults();

    const Bytes& bytes() const { return m_bytes; }
    void assign(const Bytes& bytes) { m_bytes = bytes; }

    std::uint8_t byte(std::size_t offset) const { return m_bytes.at(offset); }
    void setByte(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }
    bool flag(std::size_t offset) const { return byte(offset) != 0; }
    void setFlag(std::size_t offset, bool on) { setByte(offset, on ? 1 : 0); }

    std::int32_t i32(std::size_t offset) const;
    void setI32(std::size_t offset, std::int32_t value);
    std::int64_t i64(std::size_t offset) const;
    void setI64(std::size_t offset, std::int64_t value);

    // A fixed-point figure (stored x 10,000) as its real value, and back with the one rounding.
    long double figure(std::size_t offset) const;
    void setFigure(std::size_t offset, long double value);

    // Element of a per-key array by statistics index 1..108.
    long double perKey(std::size_t arrayOffset, int statisticsIndex) const;
    void setPerKey(std::size_t arrayOffset, int statisticsIndex, long double value);
    std::int64_t perKeyStored(std::size_t arrayOffset, int statisticsIndex) const;
    void clearPerKey(std::size_t arrayOffset);

    // Element i (0 = latest) of an eight-session history.
    std::int32_t history(std::size_t arrayOffset, int i) const;
    void setHistory(std::size_t arrayOffset, int i, std::int32_t value);
    // Moves every element one place older, drops the oldest and puts value in front.
    void pushHistory(std::size_t arrayOffset, std::int32_t value);

    // A short string: a length byte and up to capacity Windows-1252 bytes.
    QByteArray shortString(std::size_t offset, std::size_t capacity) const;
    void setShortString(std::size_t offset, std::size_t capacity, const QByteArray& text);

    Nationality nationality() const { return static_cast<Nationality>(byte(layout::kNationality)); }
    std::uint8_t nationalityCode() const { return byte(layout::kNationality); }
    void setNationality(Nationality n) {
        setByte(layout::kNationality, static_cast<std::uint8_t>(n));
    }
    std::uint8_t colourScheme() const { return byte(layout::kColourScheme); }

private:
    std::size_t perKeyOffset(std::size_t arrayOffset, int statisticsIndex) const;
    Bytes m_bytes;
};

} // namespace kf
