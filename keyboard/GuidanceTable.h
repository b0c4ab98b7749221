// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/GuidanceTexts.h"
#include "keyboard/Nationality.h"

#include <array>
#include <cstdint>

namespace kf {

// A guidance cell: the number n of text Gn, or one of these two.
inline constexpr int kNoGuidance = 0;  // the key exists but no sentence is shown for it
inline constexpr int kNoKeyEntry = -1; // the keyboard has no key for this code

// The guidance cells of one key code, one per nationality in the order of `Nationality`
// (English US, English UK, Spanish, German, Italian, French).
struct GuidanceRow {
    KeyCode code = 0;
    std::array<std::int16_t, kNationalityCount> cells{};
};

namespace guidance_cells {
inline constexpr std::int16_t none = kNoGuidance;
inline constexpr std::int16_t noKey = kNoKeyEntry;
} // namespace guidance_cells

// Every key code that has a key on at least one keyboard, in ascending order; codes not
// listed have no key anywhere. Capitals sit on the key of their small letter, so they exist on
// every keyboard. The German keyboard has no key that produces the broken bar, so code 150 has
// no German entry (the German symbols drill offers "|" instead).
inline constexpr auto kGuidanceRows = [] {
    using namespace guidance_cells;
    return std::array<GuidanceRow, 134>{{
        // clang-format off
        {1, {1, 1, 1, 1, 1, 2}}, // a
        {2, {3, 3, 3, 3, 3, 3}}, // s
        {3, {4, 4, 4, 4, 4, 4}}, // d
        {4, {5, 5, 5, 5, 5, 5}}, // f
        {5, {6, 6, 6, 6, 6, 6}}, // g
        {6, {7, 7, 7, 7, 7, 7}}, // h
        {7, {8, 8, 8, 8, 8, 8}}, // j
        {8, {9, 9, 9, 9, 9, 9}}, // k
        {9, {10, 10, 10, 10, 10, 10}}, // l
        {10, {11, 11, 12, 12, 12, 12}}, // ;
        {11, {13, 13, 13, 13, 13, 14}}, // q
        {12, {15, 15, 15, 15, 15, 16}}, // w
        {13, {17, 17, 17, 17, 17, 17}}, // e
        {14, {18, 18, 18, 18, 18, 18}}, // r
        {15, {19, 19, 19, 19, 19, 19}}, // t
        {16, {20, 20, 20, 21, 20, 20}}, // y
        {17, {22, 22, 22, 22, 22, 22}}, // u
        {18, {23, 23, 23, 23, 23, 23}}, // i
        {19, {24, 24, 24, 24, 24, 24}}, // o
        {20, {25, 25, 25, 25, 25, 25}}, // p
        {21, {26, 26, 26, 27, 26, 28}}, // z
        {22, {29, 29, 29, 29, 29, 29}}, // x
        {23, {30, 30, 30, 30, 30, 30}}, // c
        {24, {31, 31, 31, 31, 31, 31}}, // v
        {25, {32, 32, 32, 32, 32, 32}}, // b
        {26, {33, 33, 33, 33, 33, 33}}, // n
        {27, {34, 34, 34, 34, 34, 35}}, // m
        {28, {36, 36, 36, 36, 36, 37}}, // ,
        {29, {38, 38, 38, 38, 38, 39}}, // .
        {30, {40, 40, 40, 40, 40, 41}}, // !
        {31, {42, 42, 43, 43, 43, 44}}, // (
        {32, {45, 45, 46, 46, 46, 47}}, // )
        {33, {48, 48, 49, 49, 49, 50}}, // -
        {34, {51, 51, 52, 52, 52, 52}}, // :
        {35, {53, 53, 54, 55, 54, 56}}, // '
        {36, {57, 57, 58, 58, 58, 59}}, // ?
        {37, {60, 61, 61, 61, 61, 62}}, // "
        {38, {63, 63, 63, 63, 63, 63}}, // 1
        {39, {64, 64, 64, 64, 64, 64}}, // 2
        {40, {65, 65, 65, 65, 65, 65}}, // 3
        {41, {66, 66, 66, 66, 66, 66}}, // 4
        {42, {67, 67, 67, 67, 67, 67}}, // 5
        {43, {68, 68, 68, 68, 68, 68}}, // 6
        {44, {69, 69, 69, 69, 69, 69}}, // 7
        {45, {70, 70, 70, 70, 70, 70}}, // 8
        {46, {71, 71, 71, 71, 71, 71}}, // 9
        {47, {72, 72, 72, 72, 72, 72}}, // 0
        {48, {73, 73, noKey, noKey, noKey, noKey}}, // `
        {49, {74, 75, noKey, 76, noKey, noKey}}, // ~
        {50, {77, 78, 79, 80, 81, 82}}, // @
        {51, {83, 84, 85, 84, 86, 85}}, // #
        {52, {87, 87, 87, 87, 87, 88}}, // $
        {53, {89, 89, 89, 89, 89, 90}}, // %
        {54, {91, 91, noKey, noKey, 92, 93}}, // ^
        {55, {94, 94, 95, 95, 95, 96}}, // &
        {56, {97, 97, 98, 98, 98, 99}}, // *
        {57, {100, 100, 101, 101, 101, 102}}, // _
        {58, {103, 103, 104, 104, 104, 103}}, // =
        {59, {105, 105, 106, 106, 106, 105}}, // +
        {60, {107, 107, 108, 109, 108, 110}}, // [
        {61, {111, 111, 112, 113, 114, 115}}, // {
        {62, {107, 107, 76, 116, 76, 117}}, // ]
        {63, {118, 118, 119, 120, 121, 122}}, // }
        {64, {123, 123, 124, 124, 124, 124}}, // <
        {65, {125, 125, 124, 124, 124, 124}}, // >
        {66, {126, 126, 127, 127, 127, 128}}, // /
        {67, {129, 130, 131, 132, 131, 133}}, // backslash
        {68, {134, 135, 136, 135, 137, 138}}, // vertical bar: German B0 with Alt Gr, like the UK B0
        {101, {139, 139, 139, 139, 139, 140}}, // A
        {102, {141, 141, 141, 141, 141, 141}}, // S
        {103, {142, 142, 142, 142, 142, 142}}, // D
        {104, {143, 143, 143, 143, 143, 143}}, // F
        {105, {144, 144, 144, 144, 144, 144}}, // G
        {106, {145, 145, 145, 145, 145, 145}}, // H
        {107, {146, 146, 146, 146, 146, 146}}, // J
        {108, {147, 147, 147, 147, 147, 147}}, // K
        {109, {148, 148, 148, 148, 148, 148}}, // L
        {110, {149, 149, 149, 149, 149, 150}}, // Q
        {111, {151, 151, 151, 151, 151, 152}}, // W
        {112, {153, 153, 153, 153, 153, 153}}, // E
        {113, {154, 154, 154, 154, 154, 154}}, // R
        {114, {155, 155, 155, 155, 155, 155}}, // T
        {115, {20, 20, 20, 156, 20, 20}}, // Y
        {116, {157, 157, 157, 157, 157, 157}}, // U
        {117, {158, 158, 158, 158, 158, 158}}, // I
        {118, {159, 159, 159, 159, 159, 159}}, // O
        {119, {160, 160, 160, 160, 160, 160}}, // P
        {120, {161, 161, 161, 162, 161, 163}}, // Z
        {121, {164, 164, 164, 164, 164, 164}}, // X
        {122, {165, 165, 165, 165, 165, 165}}, // C
        {123, {166, 166, 166, 166, 166, 166}}, // V
        {124, {167, 167, 167, 167, 167, 167}}, // B
        {125, {168, 168, 168, 168, 168, 168}}, // N
        {126, {169, 169, 169, 169, 169, 170}}, // M
        {127, {noKey, noKey, 171, noKey, noKey, noKey}}, // á
        {128, {noKey, noKey, noKey, noKey, none, none}}, // à
        {129, {noKey, noKey, none, noKey, none, none}}, // é
        {130, {noKey, noKey, noKey, noKey, none, none}}, // è
        {131, {noKey, noKey, none, noKey, noKey, noKey}}, // í
        {132, {noKey, noKey, noKey, noKey, none, noKey}}, // ì
        {133, {noKey, noKey, none, noKey, noKey, noKey}}, // ó
        {134, {noKey, noKey, none, noKey, none, noKey}}, // ò
        {135, {noKey, noKey, none, noKey, noKey, noKey}}, // ú
        {136, {noKey, noKey, noKey, noKey, none, none}}, // ù
        {137, {noKey, noKey, none, noKey, noKey, noKey}}, // Á
        {138, {noKey, noKey, none, noKey, noKey, noKey}}, // É
        {139, {noKey, noKey, none, noKey, noKey, noKey}}, // Í
        {140, {noKey, noKey, none, noKey, noKey, noKey}}, // Ó
        {141, {noKey, noKey, none, noKey, noKey, noKey}}, // Ú
        {142, {noKey, noKey, none, noKey, noKey, noKey}}, // º
        {143, {noKey, noKey, none, noKey, noKey, noKey}}, // ª
        {144, {noKey, noKey, none, noKey, noKey, noKey}}, // ·
        {145, {noKey, none, none, noKey, noKey, noKey}}, // ¬
        {146, {noKey, noKey, none, noKey, noKey, noKey}}, // ¡
        {147, {noKey, noKey, none, noKey, noKey, noKey}}, // ¿
        {148, {noKey, noKey, none, noKey, none, none}}, // ç
        {149, {noKey, noKey, none, noKey, noKey, noKey}}, // Ç
        {150, {noKey, none, noKey, noKey, noKey, noKey}}, // ¦
        {151, {noKey, none, noKey, noKey, none, none}}, // £
        {152, {noKey, noKey, noKey, none, none, none}}, // °
        {153, {noKey, noKey, noKey, none, noKey, none}}, // ²
        {154, {noKey, noKey, noKey, none, none, none}}, // §
        {155, {noKey, noKey, noKey, none, noKey, noKey}}, // ³
        {156, {noKey, noKey, noKey, none, noKey, noKey}}, // ß
        {157, {noKey, noKey, noKey, none, noKey, noKey}}, // ü
        {158, {noKey, noKey, noKey, none, noKey, noKey}}, // Ü
        {159, {noKey, noKey, noKey, none, noKey, noKey}}, // ö
        {160, {noKey, noKey, noKey, none, noKey, noKey}}, // Ö
        {161, {noKey, noKey, noKey, none, noKey, noKey}}, // ä
        {162, {noKey, noKey, noKey, none, noKey, noKey}}, // Ä
        {163, {noKey, noKey, noKey, none, noKey, none}}, // µ
        {164, {noKey, noKey, noKey, noKey, noKey, none}}, // ¤
        {165, {noKey, noKey, none, noKey, noKey, noKey}}, // Ñ
        {166, {noKey, noKey, none, noKey, noKey, noKey}}, // ñ
        // clang-format on
    }};
}();

inline constexpr KeyCode kHighestGuidanceCode = 166;

static_assert(
    [] {
        KeyCode previous = 0;
        for (const GuidanceRow& row : kGuidanceRows) {
            if (row.code <= previous || row.code > kHighestGuidanceCode)
                return false;
            previous = row.code;
            for (const std::int16_t cell : row.cells) {
                if (cell < kNoKeyEntry || cell > kGuidanceTextCount)
                    return false;
            }
        }
        return true;
    }(),
    "guidance rows must be in ascending code order and name existing texts");

} // namespace kf
