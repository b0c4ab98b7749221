// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/AnsiLiteral.h"
#include "keyboard/KeySlots.h"

#include <array>

// The key table as data: which key types each key code on each layout. Included only by
// KeyTable.cpp, which turns it into the entries the rest of the program reads.
namespace kf::keytable_data {

inline constexpr KeyCode kFirstCapitalCode = 101;
inline constexpr KeyCode kLastCapitalCode = 126;
inline constexpr KeyCode kFirstNationalCode = 127;
inline constexpr KeyCode kLastCode = 166;

// The character of every key code, the same on every layout. Codes 69..100 name none.
inline constexpr auto kBasicCharacters = ansiBytes<68>(
    u8"asdfghjkl;qwertyuiopzxcvbnm,.!()-:'?\"1234567890`~@#$%^&*_=+[{]}<>/\\|"); // codes 1..68
inline constexpr auto kCapitalCharacters =
    ansiBytes<26>(u8"ASDFGHJKLQWERTYUIOPZXCVBNM"); // 101..126
inline constexpr auto kNationalCharacters =
    ansiBytes<40>(u8"áàéèíìóòúùÁÉÍÓÚºª·¬¡¿çÇ¦£°²§³ßüÜöÖäÄµ¤Ññ"); // 127..166

// How one layout types a key code: the key, what must be held or pressed first, and the hand.
struct Cell {
    Slot slot = Slot::None;
    std::uint8_t modifiers = kNoModifier;
    Hand hand = Hand::Left;

    constexpr Cell() = default;
    constexpr Cell(Slot key, Hand typingHand)
        : slot(key)
        , hand(typingHand) {}
    constexpr Cell(Slot key, int held, Hand typingHand)
        : slot(key)
        , modifiers(static_cast<std::uint8_t>(held))
        , hand(typingHand) {}

    friend constexpr bool operator==(const Cell&, const Cell&) = default;
};

// One key code on the six layouts, in the order of the Nationality codes.
struct Row {
    KeyCode code;
    AnsiChar character; // repeated from the code list so a shifted row cannot go unnoticed
    std::array<Cell, kNationalityCount> cells;

    constexpr Row(KeyCode keyCode, AnsiChar typed, Cell us, Cell uk, Cell es, Cell de, Cell it,
                  Cell fr)
        : code(keyCode)
        , character(typed)
        , cells{us, uk, es, de, it, fr} {}
};

using enum Slot;
inline constexpr Hand L = Hand::Left;
inline constexpr Hand R = Hand::Right;
inline constexpr int LS = kLeftShift;
inline constexpr int RS = kRightShift;
inline constexpr int AG = kAltGr;
inline constexpr int Acute = kDeadAcute;
inline constexpr int Grave = kDeadGrave;
inline constexpr Cell no{}; // the layout has no key for the character

// Every key code but the capitals, which follow one rule (see KeyTable.cpp).
// Columns: English US, English UK, Spanish, German, Italian, French.
inline constexpr auto kRows = std::to_array<Row>({
    // clang-format off
    {1, 'a', {H0, L}, {H0, L}, {H0, L}, {H0, L}, {H0, L}, {T0, L}},
    {2, 's', {H1, L}, {H1, L}, {H1, L}, {H1, L}, {H1, L}, {H1, L}},
    {3, 'd', {H2, L}, {H2, L}, {H2, L}, {H2, L}, {H2, L}, {H2, L}},
    {4, 'f', {H3, L}, {H3, L}, {H3, L}, {H3, L}, {H3, L}, {H3, L}},
    {5, 'g', {H4, L}, {H4, L}, {H4, L}, {H4, L}, {H4, L}, {H4, L}},
    {6, 'h', {H5, R}, {H5, R}, {H5, R}, {H5, R}, {H5, R}, {H5, R}},
    {7, 'j', {H6, R}, {H6, R}, {H6, R}, {H6, R}, {H6, R}, {H6, R}},
    {8, 'k', {H7, R}, {H7, R}, {H7, R}, {H7, R}, {H7, R}, {H7, R}},
    {9, 'l', {H8, R}, {H8, R}, {H8, R}, {H8, R}, {H8, R}, {H8, R}},
    {10, ';', {H9, R}, {H9, R}, {B8, LS, R}, {B8, LS, R}, {B8, LS, R}, {B8, R}},
    {11, 'q', {T0, L}, {T0, L}, {T0, L}, {T0, L}, {T0, L}, {H0, L}},
    {12, 'w', {T1, L}, {T1, L}, {T1, L}, {T1, L}, {T1, L}, {B1, L}},
    {13, 'e', {T2, L}, {T2, L}, {T2, L}, {T2, L}, {T2, L}, {T2, L}},
    {14, 'r', {T3, L}, {T3, L}, {T3, L}, {T3, L}, {T3, L}, {T3, L}},
    {15, 't', {T4, L}, {T4, L}, {T4, L}, {T4, L}, {T4, L}, {T4, L}},
    {16, 'y', {T5, R}, {T5, R}, {T5, R}, {B1, L}, {T5, R}, {T5, R}},
    {17, 'u', {T6, R}, {T6, R}, {T6, R}, {T6, R}, {T6, R}, {T6, R}},
    {18, 'i', {T7, R}, {T7, R}, {T7, R}, {T7, R}, {T7, R}, {T7, R}},
    {19, 'o', {T8, R}, {T8, R}, {T8, R}, {T8, R}, {T8, R}, {T8, R}},
    {20, 'p', {T9, R}, {T9, R}, {T9, R}, {T9, R}, {T9, R}, {T9, R}},
    {21, 'z', {B1, L}, {B1, L}, {B1, L}, {T5, R}, {B1, L}, {T1, L}},
    {22, 'x', {B2, L}, {B2, L}, {B2, L}, {B2, L}, {B2, L}, {B2, L}},
    {23, 'c', {B3, L}, {B3, L}, {B3, L}, {B3, L}, {B3, L}, {B3, L}},
    {24, 'v', {B4, L}, {B4, L}, {B4, L}, {B4, L}, {B4, L}, {B4, L}},
    {25, 'b', {B5, L}, {B5, L}, {B5, L}, {B5, L}, {B5, L}, {B5, L}},
    {26, 'n', {B6, R}, {B6, R}, {B6, R}, {B6, R}, {B6, R}, {B6, R}},
    {27, 'm', {B7, R}, {B7, R}, {B7, R}, {B7, R}, {B7, R}, {H9, R}},
    {28, ',', {B8, R}, {B8, R}, {B8, R}, {B8, R}, {B8, R}, {B7, R}},
    {29, '.', {B9, R}, {B9, R}, {B9, R}, {B9, R}, {B9, R}, {B8, LS, R}},
    {30, '!', {N1, RS, L}, {N1, RS, L}, {N1, RS, L}, {N1, RS, L}, {N1, RS, L}, {B10, R}},
    {31, '(', {N9, LS, R}, {N9, LS, R}, {N8, LS, R}, {N8, LS, R}, {N8, LS, R}, {N5, L}},
    {32, ')', {N10, LS, R}, {N10, LS, R}, {N9, LS, R}, {N9, LS, R}, {N9, LS, R}, {N11, R}},
    {33, '-', {N11, R}, {N11, R}, {B10, R}, {B10, R}, {B10, R}, {N6, L}},
    {34, ':', {H9, LS, R}, {H9, LS, R}, {B9, LS, R}, {B9, LS, R}, {B9, LS, R}, {B9, R}},
    {35, '\'', {H10, R}, {H10, R}, {N11, R}, {H11, LS, R}, {N11, R}, {N4, L}},
    {36, '?', {B10, LS, R}, {B10, LS, R}, {N11, LS, R}, {N11, LS, R}, {N11, LS, R}, {B7, LS, R}},
    {37, '"', {H10, LS, R}, {N2, RS, L}, {N2, RS, L}, {N2, RS, L}, {N2, RS, L}, {N3, L}},
    {38, '1', {N1, L}, {N1, L}, {N1, L}, {N1, L}, {N1, L}, {N1, RS, L}},
    {39, '2', {N2, L}, {N2, L}, {N2, L}, {N2, L}, {N2, L}, {N2, RS, L}},
    {40, '3', {N3, L}, {N3, L}, {N3, L}, {N3, L}, {N3, L}, {N3, RS, L}},
    {41, '4', {N4, L}, {N4, L}, {N4, L}, {N4, L}, {N4, L}, {N4, RS, L}},
    {42, '5', {N5, L}, {N5, L}, {N5, L}, {N5, L}, {N5, L}, {N5, RS, L}},
    {43, '6', {N6, L}, {N6, L}, {N6, L}, {N6, L}, {N6, L}, {N6, RS, L}},
    {44, '7', {N7, R}, {N7, R}, {N7, R}, {N7, R}, {N7, R}, {N7, LS, R}},
    {45, '8', {N8, R}, {N8, R}, {N8, R}, {N8, R}, {N8, R}, {N8, LS, R}},
    {46, '9', {N9, R}, {N9, R}, {N9, R}, {N9, R}, {N9, R}, {N9, LS, R}},
    {47, '0', {N10, R}, {N10, R}, {N10, R}, {N10, R}, {N10, R}, {N10, LS, R}},
    {48, '`', {N0, L}, {N0, L}, no, no, no, no},
    {49, '~', {N0, RS, L}, {H11, LS, R}, no, {T11, AG, R}, no, no},
    {50, '@', {N2, RS, L}, {H10, LS, R}, {N2, AG, L}, {T0, AG, L}, {H9, AG, R}, {N10, AG, R}},
    {51, '#', {N3, RS, L}, {H11, R}, {N3, AG, L}, {H11, R}, {H10, AG, R}, {N3, AG, L}},
    {52, '$', {N4, RS, L}, {N4, RS, L}, {N4, RS, L}, {N4, RS, L}, {N4, RS, L}, {T11, R}},
    {53, '%', {N5, RS, L}, {N5, RS, L}, {N5, RS, L}, {N5, RS, L}, {N5, RS, L}, {H10, LS, R}},
    {54, '^', {N6, RS, L}, {N6, RS, L}, no, no, {N12, LS, R}, {N9, AG, R}},
    {55, '&', {N7, LS, R}, {N7, LS, R}, {N6, RS, L}, {N6, RS, L}, {N6, RS, L}, {N1, L}},
    {56, '*', {N8, LS, R}, {N8, LS, R}, {T11, LS, R}, {T11, LS, R}, {T11, LS, R}, {H11, R}},
    {57, '_', {N11, LS, R}, {N11, LS, R}, {B10, LS, R}, {B10, LS, R}, {B10, LS, R}, {N8, R}},
    {58, '=', {N12, R}, {N12, R}, {N10, LS, R}, {N10, LS, R}, {N10, LS, R}, {N12, R}},
    {59, '+', {N12, LS, R}, {N12, LS, R}, {T11, R}, {T11, R}, {T11, R}, {N12, LS, R}},
    {60, '[', {T10, R}, {T10, R}, {T10, AG, R}, {N8, AG, R}, {T10, AG, R}, {N5, AG, L}},
    {61, '{', {T10, LS, R}, {T10, LS, R}, {H10, AG, R}, {N7, AG, R}, {T10, LS | AG, R},
        {N4, AG, L}},
    {62, ']', {T11, R}, {T11, R}, {T11, AG, R}, {N9, AG, R}, {T11, AG, R}, {N11, AG, R}},
    {63, '}', {T11, LS, R}, {T11, LS, R}, {H11, AG, R}, {N10, AG, R}, {T11, LS | AG, R},
        {N12, AG, R}},
    {64, '<', {B8, LS, R}, {B8, LS, R}, {B0, L}, {B0, L}, {B0, L}, {B0, L}},
    {65, '>', {B9, LS, R}, {B9, LS, R}, {B0, RS, L}, {B0, RS, L}, {B0, RS, L}, {B0, RS, L}},
    {66, '/', {B10, R}, {B10, R}, {N7, LS, R}, {N7, LS, R}, {N7, LS, R}, {B9, LS, R}},
    {67, '\\', {T12, R}, {B0, L}, {N0, AG, L}, {N11, AG, R}, {N0, L}, {N8, AG, R}},
    // A German keyboard has no T12 key: its | is Alt Gr on the key left of Y, as the German picture
    // shows.
    {68, '|', {T12, LS, R}, {B0, RS, L}, {N1, AG, L}, {B0, AG, L}, {N0, RS, L}, {N6, AG, L}},
    {127, ansi(u8"á"), no, no, {H0, Acute, L}, no, no, no},
    {128, ansi(u8"à"), no, no, no, no, {H10, R}, {N10, R}},
    {129, ansi(u8"é"), no, no, {T2, Acute, L}, no, {T10, LS, R}, {N2, L}},
    {130, ansi(u8"è"), no, no, no, no, {T10, R}, {N7, R}},
    {131, ansi(u8"í"), no, no, {T7, Acute, R}, no, no, no},
    {132, ansi(u8"ì"), no, no, no, no, {N12, R}, no},
    {133, ansi(u8"ó"), no, no, {T8, Acute, R}, no, no, no},
    {134, ansi(u8"ò"), no, no, {T8, Grave, R}, no, {H9, R}, no},
    {135, ansi(u8"ú"), no, no, {T6, Acute, R}, no, no, no},
    {136, ansi(u8"ù"), no, no, no, no, {H11, R}, {H10, R}},
    {137, ansi(u8"Á"), no, no, {H0, RS | Acute, L}, no, no, no},
    {138, ansi(u8"É"), no, no, {T2, RS | Acute, L}, no, no, no},
    {139, ansi(u8"Í"), no, no, {T7, LS | Acute, R}, no, no, no},
    {140, ansi(u8"Ó"), no, no, {T8, LS | Acute, R}, no, no, no},
    {141, ansi(u8"Ú"), no, no, {T6, LS | Acute, R}, no, no, no},
    {142, ansi(u8"º"), no, no, {N0, L}, no, no, no},
    {143, ansi(u8"ª"), no, no, {N0, RS, L}, no, no, no},
    {144, ansi(u8"·"), no, no, {N3, RS, L}, no, no, no},
    {145, ansi(u8"¬"), no, {N0, RS, L}, {N6, AG, L}, no, no, no},
    {146, ansi(u8"¡"), no, no, {N12, R}, no, no, no},
    {147, ansi(u8"¿"), no, no, {N12, LS, R}, no, no, no},
    {148, ansi(u8"ç"), no, no, {H11, R}, no, {H9, LS, R}, {N9, R}},
    {149, ansi(u8"Ç"), no, no, {H11, LS, R}, no, no, no},
    // No German key produces the broken bar: Alt Gr on B0 gives | (code 68).
    {150, ansi(u8"¦"), no, {N0, AG, L}, no, no, no, no},
    {151, ansi(u8"£"), no, {N3, RS, L}, no, no, {N3, RS, L}, {T11, LS, R}},
    {152, ansi(u8"°"), no, no, no, {N0, RS, L}, {H10, LS, R}, {N11, LS, R}},
    {153, ansi(u8"²"), no, no, no, {N2, AG, L}, no, {N0, L}},
    {154, ansi(u8"§"), no, no, no, {N3, RS, L}, {H11, LS, R}, {B10, LS, R}},
    {155, ansi(u8"³"), no, no, no, {N3, AG, L}, no, no},
    {156, ansi(u8"ß"), no, no, no, {N11, R}, no, no},
    {157, ansi(u8"ü"), no, no, no, {T10, R}, no, no},
    {158, ansi(u8"Ü"), no, no, no, {T10, LS, R}, no, no},
    {159, ansi(u8"ö"), no, no, no, {H9, R}, no, no},
    {160, ansi(u8"Ö"), no, no, no, {H9, LS, R}, no, no},
    {161, ansi(u8"ä"), no, no, no, {H10, R}, no, no},
    {162, ansi(u8"Ä"), no, no, no, {H10, LS, R}, no, no},
    {163, ansi(u8"µ"), no, no, no, {B7, AG, R}, no, {H11, LS, R}},
    {164, ansi(u8"¤"), no, no, no, no, no, {T11, AG, R}},
    {165, ansi(u8"Ñ"), no, no, {H9, LS, R}, no, no, no},
    {166, ansi(u8"ñ"), no, no, {H9, R}, no, no, no},
    // clang-format on
});

} // namespace kf::keytable_data
