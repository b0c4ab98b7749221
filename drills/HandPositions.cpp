// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/HandPositions.h"

#include "keyboard/AnsiLiteral.h"
#include "keyboard/KeySlots.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace kf {

namespace {

// Up to eight characters spelt as they look, held as Windows-1252 bytes; unused places are 0.
using CharacterSet = std::array<AnsiChar, 8>;

template <std::size_t N>
consteval CharacterSet characters(const char8_t (&text)[N]) {
    CharacterSet set{};
    std::size_t at = 0;
    for (std::size_t i = 0; at < N - 1; ++i) {
        if (i == set.size())
            throw "too many characters";
        const ansi_literal::Decoded decoded = ansi_literal::decodeOne(text + at);
        set[i] = decoded.byte;
        at += decoded.length;
    }
    return set;
}

constexpr bool contains(const CharacterSet& set, AnsiChar character) {
    return character != 0 && std::find(set.begin(), set.end(), character) != set.end();
}

// Frame 1: where a hand rests, by target; the first row holding the target wins.
struct HomeRow {
    CharacterSet targets;
    QPoint origin;
};

constexpr auto kLeftHomes = std::to_array<HomeRow>({
    {characters(u8"Aa"), {80, 110}},
    {characters(u8"SsDd"), {81, 116}},
    {characters(u8"Ff"), {80, 115}},
});
constexpr QPoint kLeftHomeOtherwise{80, 116};

constexpr auto kRightHomes = std::to_array<HomeRow>({
    {characters(u8"\r;"), {44, 111}},
    {characters(u8" Ll"), {42, 114}},
    {characters(u8"Jj"), {46, 114}},
    {characters(u8"Kk"), {44, 115}},
});
constexpr QPoint kRightHomeOtherwise{45, 113};

// Keys typed without leaving the home row, per nationality code (both letter cases).
constexpr std::array<std::string_view, kNationalityCount> kHomeKeys{
    " :;ADFJKLSadfjkls", // English US
    " :;ADFJKLSadfjkls", // English UK
    " ;ADFJKLSadfjkls",  // Spanish
    " ;ADFJKLSadfjkls",  // German
    " ;ADFJKLSadfjkls",  // Italian
    " DFJKLMQSdfjklmqs", // French
};

// Frames 2 and 3 by the key the target sits on. No origins: the hand reaches the key from where
// it rests, so the frames repeat frame 1.
struct Origins {
    QPoint halfway;
    QPoint atKey;
};

struct SlotTravel {
    Slot slot;
    Hand hand;
    std::optional<Origins> origins;
};

using enum Slot;
constexpr Hand L = Hand::Left;
constexpr Hand R = Hand::Right;
constexpr std::optional<Origins> kStays;

constexpr auto kSlotTravel = std::to_array<SlotTravel>({
    // clang-format off
    {N0, L, Origins{{43, 70}, {15, 29}}},
    {N1, L, Origins{{63, 70}, {52, 28}}},
    {N2, L, Origins{{63, 76}, {53, 35}}},
    {N3, L, Origins{{66, 79}, {53, 37}}},
    {N4, L, Origins{{66, 79}, {53, 37}}},
    {N5, L, Origins{{83, 79}, {90, 37}}},
    {N6, L, Origins{{99, 79}, {126, 37}}},
    {N7, R, Origins{{33, 74}, {18, 35}}},
    {N8, R, Origins{{33, 74}, {16, 35}}},
    {N9, R, Origins{{33, 74}, {14, 33}}},
    {N10, R, Origins{{33, 74}, {14, 30}}},
    {N11, R, Origins{{49, 74}, {51, 30}}},
    {N12, R, Origins{{66, 74}, {88, 30}}},
    {T0, L, Origins{{75, 94}, {68, 70}}},
    {T1, L, Origins{{74, 92}, {71, 76}}},
    {T2, L, Origins{{75, 97}, {71, 77}}},
    {T3, L, Origins{{75, 97}, {71, 77}}},
    {T4, L, Origins{{92, 95}, {106, 77}}},
    {T5, R, Origins{{19, 93}, {-1, 75}}},
    {T6, R, Origins{{39, 94}, {36, 75}}},
    {T7, R, Origins{{39, 94}, {35, 76}}},
    {T8, R, Origins{{39, 94}, {32, 73}}},
    {T9, R, Origins{{38, 89}, {32, 66}}},
    {T10, R, Origins{{56, 89}, {69, 66}}},
    {T11, R, Origins{{70, 89}, {106, 69}}},
    {T12, R, Origins{{100, 80}, {157, 60}}},
    {H0, L, kStays},
    {H1, L, kStays},
    {H2, L, kStays},
    {H3, L, kStays},
    {H4, L, Origins{{101, 119}, {117, 119}}},
    {H5, R, Origins{{28, 116}, {9, 116}}},
    {H6, R, kStays},
    {H7, R, kStays},
    {H8, R, kStays},
    {H9, R, kStays},
    {H10, R, Origins{{62, 111}, {80, 110}}},
    {H11, R, Origins{{75, 111}, {110, 110}}},
    {B0, L, Origins{{66, 139}, {63, 160}}},
    {B1, L, Origins{{90, 137}, {100, 152}}},
    {B2, L, Origins{{90, 137}, {102, 160}}},
    {B3, L, Origins{{93, 140}, {102, 163}}},
    {B4, L, Origins{{92, 139}, {99, 160}}},
    {B5, L, Origins{{114, 144}, {136, 160}}},
    {B6, R, Origins{{38, 133}, {29, 158}}},
    {B7, R, Origins{{55, 138}, {65, 159}}},
    {B8, R, Origins{{56, 138}, {63, 160}}},
    {B9, R, Origins{{56, 138}, {61, 158}}},
    {B10, R, Origins{{55, 135}, {61, 152}}},
    // clang-format on
});

consteval bool slotTravelIsInSlotOrder() {
    if (kSlotTravel.size() != kSlotCount)
        return false;
    for (std::size_t i = 0; i < kSlotTravel.size(); ++i)
        if (static_cast<std::size_t>(kSlotTravel[i].slot) != i)
            return false;
    return true;
}
static_assert(slotTravelIsInSlotOrder(), "one row per key slot, in slot order");

// Characters whose frames differ from those of their key. A row applies to the hand, the
// characters and the keys (first..last) they sit on in the current layout; None is a character
// the layout has no key for. Unset frames follow the key.
struct CharacterTravel {
    Hand hand;
    CharacterSet targets;
    Slot first;
    Slot last;
    std::optional<QPoint> halfway;
    std::optional<QPoint> atKey;
    bool stays = false;
};

constexpr std::optional<QPoint> kAsKey;

constexpr auto kCharacterTravel = std::to_array<CharacterTravel>({
    // German Y, French W
    {L, characters(u8"WwYy"), B1, B1, QPoint{90, 138}, kAsKey},
    // French Q
    {L, characters(u8"Qq"), H0, H0, QPoint{75, 94}, QPoint{80, 110}},
    // French A, German @
    {L, characters(u8"Aa@"), T0, T0, QPoint{74, 92}, QPoint{68, 70}},
    // French "
    {L, characters(u8"\""), N3, N3, QPoint{63, 76}, QPoint{53, 35}},
    // Spanish
    {L, characters(u8"Éé"), T2, T2, QPoint{76, 92}, QPoint{71, 77}},
    // Spanish, Italian and French have no key for ~: the hand goes where the English one is.
    {L, characters(u8"~"), None, None, QPoint{43, 70}, QPoint{15, 29}},
    // French M
    {R, characters(u8"Mm"), H9, H9, QPoint{55, 138}, QPoint{65, 159}},
    // German µ, French comma and ?
    {R, characters(u8",?µ"), B7, B7, QPoint{56, 138}, kAsKey},
    // Spanish, German, Italian, French
    {R, characters(u8";"), B8, B8, kAsKey, kAsKey, true},
    // English
    {R, characters(u8">"), B9, B9, QPoint{55, 138}, kAsKey},
    // Spanish, German, Italian
    {R, characters(u8"("), N8, N8, kAsKey, QPoint{14, 33}},
    {R, characters(u8")"), N9, N9, kAsKey, QPoint{14, 30}},
    // German Z
    {R, characters(u8"Zz"), T5, T5, QPoint{23, 92}, kAsKey},
    // Spanish accented vowels
    {R, characters(u8"úÚíÍóòÓ"), T6, T8, QPoint{41, 92}, kAsKey},
});

// The closing Enter, typed with the right little finger: frames 2 and 3 on English US and on the
// other keyboards, whose Enter key is further right.
constexpr Origins kEnglishEnterOrigins{{84, 111}, {124, 111}};
constexpr Origins kOtherEnterOrigins{{104, 111}, {154, 111}};

// The key a character is typed on in a layout, found by its rectangle in the key table.
Slot slotOf(AnsiChar character, Nationality nationality) {
    const std::optional<KeyCode> code = keyCodeOfCharacter(character);
    const std::optional<KeyEntry> entry = code ? keyEntry(*code, nationality) : std::nullopt;
    if (!entry)
        return Slot::None;
    // B8 is drawn one pixel wider for some characters, so its left edge does not tell.
    for (std::size_t i = 0; i < kSlotGeometry.size(); ++i) {
        const KeyRect& rect = kSlotGeometry[i].rect;
        if (rect.top == entry->rect.top && rect.right == entry->rect.right &&
            rect.bottom == entry->rect.bottom)
            return static_cast<Slot>(i);
    }
    return Slot::None;
}

bool within(Slot slot, Slot first, Slot last) {
    return slot >= first && slot <= last;
}

// The origin of frame 2 or 3 of a hand for a target, or nothing when the hand stays put.
std::optional<QPoint> frameOrigin(Hand hand, int frame, AnsiChar target, Nationality nationality) {
    const Slot slot = slotOf(target, nationality);
    for (const CharacterTravel& row : kCharacterTravel) {
        if (row.hand != hand || !contains(row.targets, target) ||
            !within(slot, row.first, row.last))
            continue;
        if (row.stays)
            return std::nullopt;
        const std::optional<QPoint>& own = frame == 2 ? row.halfway : row.atKey;
        if (own)
            return own;
        break;
    }
    if (slot == Slot::None)
        return std::nullopt;
    const SlotTravel& travel = kSlotTravel[static_cast<std::size_t>(slot)];
    if (travel.hand != hand || !travel.origins)
        return std::nullopt;
    return frame == 2 ? travel.origins->halfway : travel.origins->atKey;
}

QPoint homeOf(const auto& rows, QPoint otherwise, AnsiChar target) {
    for (const HomeRow& row : rows)
        if (contains(row.targets, target))
            return row.origin;
    return otherwise;
}

} // namespace

QPoint leftHandHome(AnsiChar target) {
    return homeOf(kLeftHomes, kLeftHomeOtherwise, target);
}

QPoint rightHandHome(AnsiChar target) {
    return homeOf(kRightHomes, kRightHomeOtherwise, target);
}

bool isHomeKey(AnsiChar target, Nationality nationality) {
    const auto index = static_cast<std::size_t>(nationality);
    return target != 0 && index < kHomeKeys.size() &&
           kHomeKeys[index].find(static_cast<char>(target)) != std::string_view::npos;
}

std::optional<QPoint> handFrameOrigin(Hand hand, int frame, AnsiChar target,
                                      Nationality nationality) {
    if (frame != 2 && frame != 3)
        return std::nullopt;
    return frameOrigin(hand, frame, target, nationality);
}

QPoint enterHandOrigin(int frame, Nationality nationality) {
    const Origins& enter =
        nationality == Nationality::EnglishUS ? kEnglishEnterOrigins : kOtherEnterOrigins;
    return frame == 2 ? enter.halfway : enter.atKey;
}

} // namespace kf
