// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyboard/AnsiLiteral.h"
#include "keyboard/KeyTable.h"

#include <array>
#include <cstddef>

namespace kf {

// The physical keys of the keyboard picture that the key table uses, named by row and column:
// N = number row, T = top letter row, H = home row, B = bottom row (B0 is the extra key left of
// the first letter). None marks a key code that a layout cannot type.
enum class Slot : std::uint8_t {
    // clang-format off
    N0, N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11, N12,
    T0, T1, T2, T3, T4, T5, T6, T7, T8, T9, T10, T11, T12,
    H0, H1, H2, H3, H4, H5, H6, H7, H8, H9, H10, H11,
    B0, B1, B2, B3, B4, B5, B6, B7, B8, B9, B10,
    None,
    // clang-format on
};

inline constexpr std::size_t kSlotCount = static_cast<std::size_t>(Slot::None);

struct SlotGeometry {
    KeyRect rect;
    LabelPoint labelPoint;
};

// Indexed by Slot. The picture's keys are drawn by hand, so the edges do not follow one stride.
inline constexpr std::array<SlotGeometry, kSlotCount> kSlotGeometry{{
    // Number row
    {{15, 14, 47, 52}, {27, 24}},
    {{52, 14, 84, 52}, {64, 24}},
    {{89, 14, 121, 52}, {99, 24}},
    {{126, 14, 158, 52}, {138, 24}},
    {{163, 14, 195, 52}, {173, 24}},
    {{200, 14, 232, 52}, {211, 24}},
    {{237, 14, 269, 52}, {250, 24}},
    {{274, 14, 306, 52}, {286, 24}},
    {{311, 14, 343, 52}, {324, 24}},
    {{348, 14, 380, 52}, {360, 23}},
    {{385, 14, 417, 52}, {398, 23}},
    {{422, 14, 454, 52}, {434, 24}},
    {{459, 14, 491, 52}, {471, 24}},
    // Top letter row; T12 is the wide key at its right end
    {{70, 56, 102, 94}, {79, 58}},
    {{107, 56, 139, 94}, {114, 58}},
    {{144, 56, 176, 94}, {156, 58}},
    {{181, 56, 213, 94}, {193, 58}},
    {{218, 56, 250, 94}, {227, 58}},
    {{255, 56, 287, 94}, {265, 58}},
    {{292, 56, 324, 94}, {303, 58}},
    {{329, 56, 361, 94}, {342, 58}},
    {{366, 56, 398, 94}, {376, 58}},
    {{403, 56, 435, 94}, {415, 58}},
    {{440, 56, 472, 94}, {454, 65}},
    {{477, 56, 509, 94}, {491, 65}},
    {{515, 56, 568, 94}, {523, 66}},
    // Home row
    {{81, 98, 113, 136}, {91, 100}},
    {{118, 98, 150, 136}, {129, 100}},
    {{155, 98, 187, 136}, {165, 100}},
    {{192, 98, 224, 136}, {204, 100}},
    {{229, 98, 261, 136}, {240, 100}},
    {{266, 98, 298, 136}, {275, 100}},
    {{303, 98, 335, 136}, {314, 100}},
    {{340, 98, 373, 136}, {349, 100}},
    {{377, 98, 410, 136}, {387, 100}},
    {{414, 98, 446, 136}, {427, 100}},
    {{451, 98, 484, 136}, {464, 107}},
    {{488, 98, 519, 136}, {498, 106}},
    // Bottom row
    {{63, 140, 95, 178}, {76, 147}},
    {{101, 140, 133, 178}, {111, 142}},
    {{138, 140, 170, 178}, {148, 142}},
    {{175, 140, 207, 178}, {183, 142}},
    {{212, 140, 244, 178}, {221, 142}},
    {{248, 140, 280, 178}, {259, 142}},
    {{285, 140, 317, 178}, {297, 142}},
    {{322, 140, 354, 178}, {332, 142}},
    {{359, 140, 391, 178}, {374, 149}},
    {{396, 140, 428, 178}, {408, 149}},
    {{433, 140, 465, 178}, {445, 148}},
}};

// A character whose label does not sit at its key's usual label point: digits are drawn lower on
// the number keys, and some characters are shaped so that they need a nudge.
struct LabelPointException {
    Slot slot;
    AnsiChar character;
    LabelPoint labelPoint;
};

inline constexpr auto kLabelPointExceptions = std::to_array<LabelPointException>({
    {Slot::N1, '1', {64, 30}},
    {Slot::N2, '2', {99, 30}},
    {Slot::N3, '3', {138, 30}},
    {Slot::N4, '4', {173, 30}},
    {Slot::N5, '5', {212, 30}},
    {Slot::N6, '6', {251, 30}},
    {Slot::N7, '7', {286, 30}},
    {Slot::N8, '8', {325, 30}},
    {Slot::N9, '9', {360, 30}},
    {Slot::N10, '0', {395, 30}},
    {Slot::T10, ansi(u8"Ü"), {452, 65}},
    {Slot::T10, ansi(u8"ü"), {452, 65}},
    {Slot::H9, '@', {426, 107}},
    {Slot::H9, ansi(u8"ç"), {426, 107}},
    {Slot::H9, ansi(u8"ò"), {426, 107}},
    {Slot::H9, ':', {430, 110}},
    {Slot::H9, ';', {430, 110}},
    {Slot::H9, ansi(u8"Ñ"), {425, 100}},
    {Slot::H11, ansi(u8"ù"), {498, 107}},
    // Unused while no layout types ¦ on B0 (German Alt Gr there gives |); kept with its key.
    {Slot::B0, ansi(u8"¦"), {76, 148}},
});

// B8 is drawn one pixel further left for these characters on these layouts.
struct LeftEdgeException {
    Nationality nationality;
    Slot slot;
    AnsiChar character;
    int left;
};

inline constexpr auto kLeftEdgeExceptions = std::to_array<LeftEdgeException>({
    {Nationality::EnglishUS, Slot::B8, '<', 358},
    {Nationality::EnglishUK, Slot::B8, '<', 358},
    {Nationality::French, Slot::B8, ';', 358},
    {Nationality::French, Slot::B8, '.', 358},
});

} // namespace kf
