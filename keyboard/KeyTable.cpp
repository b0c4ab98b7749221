// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyTable.h"

#include "keyboard/KeySlots.h"
#include "keyboard/KeyTableData.h"

#include <array>
#include <cstddef>

namespace kf {

namespace {

using namespace keytable_data;

constexpr std::size_t kCodeSlots = kLastCode + 1;
constexpr std::size_t kCharacterCount = 256;

constexpr std::size_t indexOf(Nationality nationality) {
    return static_cast<std::size_t>(nationality);
}

constexpr bool isKnownNationality(Nationality nationality) {
    return indexOf(nationality) < kNationalityCount;
}

constexpr bool isCapitalCode(KeyCode code) {
    return code >= kFirstCapitalCode && code <= kLastCapitalCode;
}

// Capitals are numbered like their letters, less the ";" that has no capital.
constexpr KeyCode lowerCaseCode(KeyCode capital) {
    return static_cast<KeyCode>(capital <= 109 ? capital - 100 : capital - 99);
}

consteval std::array<AnsiChar, kCodeSlots> buildCharacterOfCode() {
    std::array<AnsiChar, kCodeSlots> characters{};
    for (std::size_t i = 0; i < kBasicCharacters.size(); ++i) {
        characters[1 + i] = kBasicCharacters[i];
    }
    for (std::size_t i = 0; i < kCapitalCharacters.size(); ++i) {
        characters[kFirstCapitalCode + i] = kCapitalCharacters[i];
    }
    for (std::size_t i = 0; i < kNationalCharacters.size(); ++i) {
        characters[kFirstNationalCode + i] = kNationalCharacters[i];
    }
    return characters;
}

constexpr std::array<AnsiChar, kCodeSlots> kCharacterOfCode = buildCharacterOfCode();

consteval std::array<KeyCode, kCharacterCount> buildCodeOfCharacter() {
    std::array<KeyCode, kCharacterCount> codes{};
    for (KeyCode code = 1; code < kCodeSlots; ++code) {
        const AnsiChar character = kCharacterOfCode[code];
        if (character == 0) {
            continue;
        }
        if (codes[character] != 0) {
            throw "two key codes name the same character";
        }
        codes[character] = code;
    }
    return codes;
}

constexpr std::array<KeyCode, kCharacterCount> kCodeOfCharacter = buildCodeOfCharacter();

constexpr LabelPoint labelPointOf(Slot slot, AnsiChar character) {
    for (const LabelPointException& exception : kLabelPointExceptions) {
        if (exception.slot == slot && exception.character == character) {
            return exception.labelPoint;
        }
    }
    return kSlotGeometry[static_cast<std::size_t>(slot)].labelPoint;
}

constexpr KeyRect rectOf(Slot slot, AnsiChar character, Nationality nationality) {
    KeyRect rect = kSlotGeometry[static_cast<std::size_t>(slot)].rect;
    for (const LeftEdgeException& exception : kLeftEdgeExceptions) {
        if (exception.nationality == nationality && exception.slot == slot &&
            exception.character == character) {
            rect.left = exception.left;
        }
    }
    return rect;
}

struct ResolvedEntry {
    bool present = false;
    KeyEntry entry;
};

using EntryTable = std::array<std::array<ResolvedEntry, kNationalityCount>, kCodeSlots>;
using CellTable = std::array<std::array<Cell, kNationalityCount>, kCodeSlots>;

consteval CellTable buildCells() {
    CellTable cells{};
    for (const Row& row : kRows) {
        if (row.code == 0 || row.code >= kCodeSlots || isCapitalCode(row.code)) {
            throw "row for a code that has no row of its own";
        }
        if (kCharacterOfCode[row.code] != row.character) {
            throw "row character differs from the character of its code";
        }
        if (cells[row.code] != std::array<Cell, kNationalityCount>{}) {
            throw "two rows for one code";
        }
        cells[row.code] = row.cells;
    }
    // A capital is its letter's key with the Shift of the other hand held.
    for (KeyCode capital = kFirstCapitalCode; capital <= kLastCapitalCode; ++capital) {
        for (std::size_t n = 0; n < kNationalityCount; ++n) {
            Cell cell = cells[lowerCaseCode(capital)][n];
            if (cell.slot == Slot::None) {
                throw "a letter without a key";
            }
            cell.modifiers |= cell.hand == Hand::Left ? kRightShift : kLeftShift;
            cells[capital][n] = cell;
        }
    }
    return cells;
}

consteval EntryTable buildEntries() {
    const CellTable cells = buildCells();
    EntryTable entries{};
    for (KeyCode code = 1; code < kCodeSlots; ++code) {
        for (std::size_t n = 0; n < kNationalityCount; ++n) {
            const Cell& cell = cells[code][n];
            if (cell.slot == Slot::None) {
                continue;
            }
            const AnsiChar character = kCharacterOfCode[code];
            const auto nationality = static_cast<Nationality>(n);
            entries[code][n] = {true,
                                {character, rectOf(cell.slot, character, nationality),
                                 labelPointOf(cell.slot, character), cell.modifiers, cell.hand}};
        }
    }
    return entries;
}

constexpr EntryTable kEntries = buildEntries();

// Statistics are kept per character in this order, from index 1; a letter's capital shares the
// index of the small letter.
constexpr auto kStatisticsOrder =
    ansiBytes<108>(u8"asdfghjkl;qwertyuiopzxcvbnm,.-?\"'()!:1234567890`~@#$%^&*_=+[{]}\\|<>/"
                   u8"áàéèíìóòúùÁÉÍÓÚßüÜöÖäÄÑñºª·¬¡¿çÇ¦£°²§³µ¤");

consteval std::array<std::uint8_t, kCharacterCount> buildStatisticsIndex() {
    std::array<std::uint8_t, kCharacterCount> indices{};
    for (std::size_t i = 0; i < kStatisticsOrder.size(); ++i) {
        const AnsiChar character = kStatisticsOrder[i];
        if (indices[character] != 0) {
            throw "a character counted twice";
        }
        indices[character] = static_cast<std::uint8_t>(i + 1);
    }
    for (AnsiChar capital = 'A'; capital <= 'Z'; ++capital) {
        indices[capital] = indices[capital - 'A' + 'a'];
    }
    return indices;
}

constexpr std::array<std::uint8_t, kCharacterCount> kStatisticsIndex = buildStatisticsIndex();

} // namespace

std::optional<KeyEntry> keyEntry(KeyCode code, Nationality nationality) {
    if (code >= kCodeSlots || !isKnownNationality(nationality)) {
        return std::nullopt;
    }
    const ResolvedEntry& resolved = kEntries[code][indexOf(nationality)];
    if (!resolved.present) {
        return std::nullopt;
    }
    return resolved.entry;
}

AnsiChar characterOfKeyCode(KeyCode code) {
    return code < kCodeSlots ? kCharacterOfCode[code] : AnsiChar{0};
}

std::optional<KeyCode> keyCodeOfCharacter(AnsiChar character) {
    const KeyCode code = kCodeOfCharacter[character];
    if (code == 0) {
        return std::nullopt;
    }
    return code;
}

int statisticsIndex(AnsiChar character) {
    return kStatisticsIndex[character];
}

std::optional<Hand> typingHand(AnsiChar character, Nationality nationality) {
    const std::optional<KeyCode> code = keyCodeOfCharacter(character);
    if (!code) {
        return std::nullopt;
    }
    const std::optional<KeyEntry> entry = keyEntry(*code, nationality);
    if (!entry) {
        return std::nullopt;
    }
    return entry->hand;
}

} // namespace kf
