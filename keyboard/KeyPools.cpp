// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyPools.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace kf {

namespace {

// The key codes the pools name, spelled as their characters so that a pool reads like the
// keys it offers. Capitals are the capital letters' codes.
namespace key {
// clang-format off
constexpr KeyCode a = 1, s = 2, d = 3, f = 4, g = 5, h = 6, j = 7, k = 8, l = 9, semicolon = 10;
constexpr KeyCode q = 11, w = 12, e = 13, r = 14, t = 15, y = 16, u = 17, i = 18, o = 19, p = 20;
constexpr KeyCode z = 21, x = 22, c = 23, v = 24, b = 25, n = 26, m = 27, comma = 28, period = 29;
constexpr KeyCode exclamation = 30, leftParen = 31, rightParen = 32, hyphen = 33, colon = 34,
                  apostrophe = 35, question = 36, quote = 37;
constexpr KeyCode one = 38, two = 39, three = 40, four = 41, five = 42, six = 43, seven = 44,
                  eight = 45, nine = 46, zero = 47;
constexpr KeyCode grave = 48, tilde = 49, at = 50, hash = 51, dollar = 52, percent = 53,
                  caret = 54, ampersand = 55, asterisk = 56, underscore = 57, equals = 58,
                  plus = 59, leftBracket = 60, leftBrace = 61, rightBracket = 62,
                  rightBrace = 63, less = 64, greater = 65, slash = 66, backslash = 67, bar = 68;
constexpr KeyCode A = 101, S = 102, D = 103, F = 104, G = 105, H = 106, J = 107, K = 108, L = 109;
constexpr KeyCode Q = 110, W = 111, E = 112, R = 113, T = 114, Y = 115, U = 116, I = 117, O = 118,
                  P = 119;
constexpr KeyCode Z = 120, X = 121, C = 122, V = 123, B = 124, N = 125, M = 126;
constexpr KeyCode aAcute = 127, aGrave = 128, eAcute = 129, eGrave = 130, iAcute = 131,
                  iGrave = 132, oAcute = 133, oGrave = 134, uAcute = 135, uGrave = 136,
                  AAcute = 137, ordinalO = 142, ordinalA = 143, middleDot = 144, notSign = 145,
                  invertedExclamation = 146, invertedQuestion = 147, cCedilla = 148, CCedilla = 149,
                  brokenBar = 150, pound = 151, degree = 152, superscriptTwo = 153,
                  section = 154, superscriptThree = 155, sharpS = 156, uUmlaut = 157,
                  UUmlaut = 158, oUmlaut = 159, OUmlaut = 160, aUmlaut = 161, micro = 163,
                  currency = 164, NTilde = 165, nTilde = 166;
// clang-format on
} // namespace key

using namespace key;

constexpr PoolEntry twice(KeyCode code) {
    return {code, 2 * kCommonWeight};
}
constexpr PoolEntry half(KeyCode code) {
    return {code, kCommonWeight / 2};
}
constexpr PoolEntry third(KeyCode code) {
    return {code, kCommonWeight / 3};
}
constexpr PoolEntry twoThirds(KeyCode code) {
    return {code, 2 * kCommonWeight / 3};
}
constexpr PoolEntry threeHalves(KeyCode code) {
    return {code, 3 * kCommonWeight / 2};
}

// A run of keys; a plain key code has the common chance.
template <typename... Keys>
constexpr std::array<PoolEntry, sizeof...(Keys)> keys(Keys... entries) {
    return {PoolEntry{entries}...};
}

// Every key code from first to last, each with the common chance.
template <KeyCode First, KeyCode Last>
constexpr std::array<PoolEntry, Last - First + 1> codes() {
    std::array<PoolEntry, Last - First + 1> out{};
    for (std::size_t index = 0; index < out.size(); ++index)
        out[index] = {static_cast<KeyCode>(First + index), kCommonWeight};
    return out;
}

template <std::size_t... Sizes>
constexpr std::array<PoolEntry, (Sizes + ...)> join(const std::array<PoolEntry, Sizes>&... parts) {
    std::array<PoolEntry, (Sizes + ...)> out{};
    auto cursor = out.begin();
    ((cursor = std::copy(parts.begin(), parts.end(), cursor)), ...);
    return out;
}

// Runs of keys that many pools share.
constexpr auto kHomeLetters = keys(a, s, d, f, g, h, j, k, l);
constexpr auto kTopLetters = keys(q, w, e, r, t, y, u, i, o, p);
constexpr auto kBottomKeys = keys(z, x, c, v, b, n, m, comma, period);
constexpr auto kHomeCapitals = keys(A, S, D, F, G, H, J, K, L);
constexpr auto kHomeCapitalsWithoutL = keys(A, S, D, F, G, H, J, K);
constexpr auto kTopCapitals = keys(Q, W, E, R, T, Y, U, I, O, P);
constexpr auto kBottomCapitals = keys(Z, X, C, V, B, N, M);
constexpr auto kPunctuation =
    keys(exclamation, leftParen, rightParen, hyphen, colon, apostrophe, question, quote);
constexpr auto kDigits = keys(one, two, three, four, five, six, seven, eight, nine, zero);
constexpr auto kEnglishSymbols = keys(
    grave, tilde, at, hash, dollar, percent, caret, ampersand, asterisk, underscore, equals, plus,
    leftBracket, leftBrace, rightBracket, rightBrace, less, greater, slash, backslash, bar);
// The German keyboard puts y at the bottom left, and the rows offer it at half the chance.
constexpr auto kGermanTopLetters = keys(q, w, e, r, t, half(y), u, i, o, p);
constexpr auto kGermanTopCapitals = keys(Q, W, E, R, T, half(Y), U, I, O, P);
constexpr auto kFrenchBottomCapitals = keys(third(Z), X, twice(C), V, B, N, twoThirds(M));

// Home Row Only
constexpr auto kHomeEnglishLower = join(kHomeLetters, keys(semicolon));
constexpr auto kHomeEnglishUpper = join(kHomeLetters, keys(semicolon), kHomeCapitals);
constexpr auto kHomeSpanishLower = join(kHomeLetters, keys(nTilde));
constexpr auto kHomeSpanishUpper = join(kHomeLetters, kHomeCapitalsWithoutL, keys(NTilde, nTilde));
constexpr auto kHomeGermanLower = join(kHomeLetters, keys(oUmlaut));
constexpr auto kHomeGermanUpper = join(kHomeLetters, kHomeCapitalsWithoutL, keys(oUmlaut, OUmlaut));
constexpr auto kHomeItalianLower = join(kHomeLetters, keys(aGrave, oGrave, uGrave));
constexpr auto kHomeItalianUpper =
    join(kHomeLetters, kHomeCapitalsWithoutL, keys(aGrave, oGrave, uGrave, cCedilla));
constexpr auto kHomeFrenchLower = keys(s, d, f, g, h, j, k, l, q, m);
constexpr auto kHomeFrenchUpper =
    keys(s, d, f, g, h, j, k, l, q, m, S, D, F, G, H, J, K, L, twice(Q), M);

// Top Row Only
constexpr auto kTopLower = kTopLetters;
constexpr auto kTopUpper = join(kTopLetters, kTopCapitals);
constexpr auto kTopGermanLower = keys(q, w, e, r, t, u, i, o, p, z, uUmlaut);
constexpr auto kTopGermanUpper =
    keys(q, w, e, r, t, u, i, o, p, z, Q, W, E, R, T, U, I, O, P, Z, uUmlaut, UUmlaut);
constexpr auto kTopFrenchLower = keys(a, e, r, t, y, u, i, o, p, z);
constexpr auto kTopFrenchUpper = keys(a, e, r, t, y, u, i, o, p, z, A, E, R, T, Y, U, I, O, P, Z);

// Bottom Row Only
constexpr auto kBottomLower = kBottomKeys;
constexpr auto kBottomUpper = join(kBottomKeys, kBottomCapitals);
constexpr auto kBottomGermanLower = keys(y, x, c, v, b, n, m, comma, period);
constexpr auto kBottomGermanUpper = keys(y, x, c, v, b, n, m, comma, period, Y, X, C, V, B, N, M);
constexpr auto kBottomFrenchLower = keys(semicolon, w, x, c, v, b, n, comma, colon);
constexpr auto kBottomFrenchUpper =
    keys(semicolon, w, x, c, v, b, n, comma, colon, W, X, twice(C), V, B, N);

// Home and Top Rows
constexpr auto kHomeTopEnglishLower = join(kHomeLetters, keys(semicolon), kTopLetters);
constexpr auto kHomeTopEnglishUpper =
    join(kHomeLetters, keys(semicolon), kTopLetters, kHomeCapitals, kTopCapitals);
constexpr auto kHomeTopSpanishLower = join(kHomeLetters, kTopLetters, keys(nTilde));
constexpr auto kHomeTopSpanishUpper =
    join(kHomeLetters, kTopLetters, kHomeCapitalsWithoutL, kTopCapitals, keys(NTilde, nTilde));
constexpr auto kHomeTopGermanLower =
    join(kHomeLetters, keys(q, w, e, r, t, u, i, o, p, z, uUmlaut, oUmlaut));
constexpr auto kHomeTopGermanUpper =
    join(kHomeLetters, keys(q, w, e, r, t, u, i, o, p, z), kHomeCapitalsWithoutL,
         keys(Q, W, E, R, T, U, I, O, P, Z, uUmlaut, UUmlaut, oUmlaut, OUmlaut));
constexpr auto kHomeTopItalianLower = join(kHomeLetters, kTopLetters, keys(aGrave, oGrave, uGrave));
constexpr auto kHomeTopItalianUpper = join(kHomeLetters, kTopLetters, kHomeCapitalsWithoutL,
                                           kTopCapitals, keys(aGrave, oGrave, uGrave, cCedilla));
constexpr auto kHomeTopFrenchLower = join(kHomeLetters, keys(q, e, r, t, y, u, i, o, p, z, m));
constexpr auto kHomeTopFrenchUpper =
    join(kHomeLetters, keys(q, e, r, t, y, u, i, o, p, z, m), kHomeCapitals,
         keys(Q, E, R, T, Y, U, I, O, P, half(Z), half(M)));

// Home and Bottom Row
constexpr auto kHomeBottomEnglishLower = join(kHomeLetters, keys(semicolon), kBottomKeys);
constexpr auto kHomeBottomEnglishUpper =
    join(kHomeLetters, keys(semicolon), kBottomKeys, kHomeCapitals, kBottomCapitals);
constexpr auto kHomeBottomSpanishLower = join(kHomeLetters, kBottomKeys, keys(nTilde));
constexpr auto kHomeBottomSpanishUpper =
    join(kHomeLetters, kBottomKeys, kHomeCapitals, kBottomCapitals, keys(NTilde));
constexpr auto kHomeBottomGermanLower =
    join(kHomeLetters, keys(y, x, c, v, b, n, m, comma, period, oUmlaut));
constexpr auto kHomeBottomGermanUpper = join(kHomeLetters, keys(y, x, c, v, b, n, m, comma, period),
                                             kHomeCapitals, keys(Y, X, C, V, B, N, M, OUmlaut));
constexpr auto kHomeBottomItalianLower = join(kHomeLetters, kBottomKeys);
constexpr auto kHomeBottomItalianUpper =
    join(kHomeLetters, kBottomKeys, kHomeCapitals, kBottomCapitals);
constexpr auto kHomeBottomFrenchLower =
    keys(s, d, f, g, h, j, k, l, semicolon, q, w, x, c, v, b, n, m, comma, period);
constexpr auto kHomeBottomFrenchUpper =
    keys(s, d, f, g, h, j, k, l, semicolon, q, w, x, c, v, b, n, half(m), comma, period, S, D, F, G,
         H, J, K, L, Q, W, X, C, V, B, N, threeHalves(M));

// All Three Rows
constexpr auto kAllRowsEnglishLower = join(kHomeLetters, keys(semicolon), kTopLetters, kBottomKeys);
constexpr auto kAllRowsEnglishUpper = join(kHomeLetters, keys(semicolon), kTopLetters, kBottomKeys,
                                           kHomeCapitals, kTopCapitals, kBottomCapitals);
constexpr auto kAllRowsSpanishLower = join(kHomeLetters, kTopLetters, kBottomKeys, keys(nTilde));
constexpr auto kAllRowsSpanishUpper = join(kHomeLetters, kTopLetters, kBottomKeys, kHomeCapitals,
                                           kTopCapitals, kBottomCapitals, keys(NTilde));
constexpr auto kAllRowsGermanLower =
    join(kHomeLetters, kGermanTopLetters, kBottomKeys, keys(half(uUmlaut), oUmlaut));
constexpr auto kAllRowsGermanUpper =
    join(kHomeLetters, kGermanTopLetters, kBottomKeys, kHomeCapitalsWithoutL, kGermanTopCapitals,
         kBottomCapitals, keys(half(uUmlaut), half(UUmlaut), oUmlaut, OUmlaut));
constexpr auto kAllRowsItalianLower = join(kHomeLetters, kTopLetters, kBottomKeys);
constexpr auto kAllRowsItalianUpper =
    join(kHomeLetters, kTopLetters, kBottomKeys, kHomeCapitals, kTopCapitals, kBottomCapitals);
constexpr auto kAllRowsFrenchLower =
    join(kHomeLetters, keys(semicolon), kTopLetters, keys(z, x, c, v, b, n, m, comma, colon));
constexpr auto kAllRowsFrenchUpper =
    join(kHomeLetters, keys(semicolon), kTopLetters, keys(z, x, c, v, b, n, m, comma, colon),
         kHomeCapitals, kTopCapitals, kFrenchBottomCapitals);

// All and Common Punctuation
constexpr auto kPunctEnglishLower =
    join(kHomeLetters, keys(semicolon), kTopLetters, kBottomKeys, kPunctuation);
constexpr auto kPunctEnglishUpper =
    join(kHomeLetters, keys(semicolon), kTopLetters, kBottomKeys, kPunctuation, kHomeCapitals,
         kTopCapitals, kBottomCapitals);
constexpr auto kPunctSpanishLower = join(kHomeLetters, kTopLetters, kBottomKeys, kPunctuation,
                                         keys(invertedExclamation, invertedQuestion, nTilde));
constexpr auto kPunctSpanishUpper =
    join(kHomeLetters, kTopLetters, kBottomKeys, kPunctuation, kHomeCapitals, kTopCapitals,
         kBottomCapitals, keys(invertedExclamation, invertedQuestion, NTilde));
constexpr auto kPunctGermanLower =
    join(kHomeLetters, kGermanTopLetters, kBottomKeys, kPunctuation, keys(half(uUmlaut), oUmlaut));
constexpr auto kPunctGermanUpper =
    join(kHomeLetters, kGermanTopLetters, kBottomKeys, kPunctuation, kHomeCapitalsWithoutL,
         kGermanTopCapitals, kBottomCapitals, keys(half(uUmlaut), half(UUmlaut), oUmlaut, OUmlaut));
constexpr auto kPunctItalianLower = join(kHomeLetters, kTopLetters, kBottomKeys, kPunctuation);
constexpr auto kPunctItalianUpper = join(kHomeLetters, kTopLetters, kBottomKeys, kPunctuation,
                                         kHomeCapitals, kTopCapitals, kBottomCapitals);
constexpr auto kPunctFrenchLower = kPunctEnglishLower;
constexpr auto kPunctFrenchUpper =
    join(kHomeLetters, keys(semicolon), kTopLetters, kBottomKeys, kPunctuation, kHomeCapitals,
         kTopCapitals, kFrenchBottomCapitals);

// Numbers Only
constexpr auto kNumbers = kDigits;

// Symbols Only
constexpr auto kSymbolsUs = join(kPunctuation, kEnglishSymbols);
constexpr auto kSymbolsUk = join(kPunctuation, kEnglishSymbols, keys(notSign, pound));
constexpr auto kSymbolsSpanish = join(
    kPunctuation, keys(at, hash, dollar, percent, ampersand, asterisk, underscore, equals, plus,
                       leftBracket, leftBrace, rightBracket, rightBrace, less, greater, slash,
                       backslash, bar, aAcute, eAcute, iAcute, oAcute, uAcute, ordinalO, ordinalA,
                       middleDot, notSign, invertedExclamation, invertedQuestion, cCedilla));
// No key of a German keyboard types the broken bar; the German drill offers "|" in its place.
constexpr auto kSymbolsGerman =
    join(kPunctuation, keys(tilde, at, hash, dollar, percent, ampersand, asterisk, underscore,
                            equals, plus, leftBracket, leftBrace, rightBracket, rightBrace, less,
                            greater, slash, backslash, bar, degree, superscriptTwo, section,
                            superscriptThree, sharpS, uUmlaut, oUmlaut, aUmlaut, micro));
constexpr auto kSymbolsItalian =
    join(kPunctuation,
         keys(at, hash, dollar, percent, caret, ampersand, asterisk, underscore, equals, plus,
              leftBracket, leftBrace, rightBracket, rightBrace, less, greater, slash, backslash,
              aGrave, eAcute, eGrave, iGrave, oGrave, uGrave, cCedilla, pound, degree));
constexpr auto kSymbolsFrench =
    join(kPunctuation, keys(at, hash, dollar, percent, caret, ampersand, asterisk, underscore,
                            equals, plus, leftBracket, leftBrace, rightBracket, rightBrace, less,
                            greater, slash, backslash, bar, aGrave, eAcute, eGrave, uGrave,
                            cCedilla, pound, degree, superscriptTwo, section, micro, currency));

// Do Everything: every key of the keyboard. The drills menu offers it only on the English
// keyboards; should another keyboard ask for it, it still gets its own keys, never a key
// the keyboard lacks.
constexpr auto kEverythingUs =
    join(kHomeLetters, keys(semicolon), kTopLetters, kBottomKeys, kPunctuation, kDigits,
         kEnglishSymbols, kHomeCapitals, kTopCapitals, kBottomCapitals);
constexpr auto kEverythingUk = join(kEverythingUs, keys(notSign, brokenBar, pound));
constexpr auto kEverythingSpanish =
    join(codes<a, zero>(), codes<at, percent>(), codes<ampersand, bar>(), codes<A, M>(),
         keys(aAcute, eAcute, iAcute, oAcute, oGrave, uAcute), codes<AAcute, CCedilla>(),
         keys(NTilde, nTilde));
constexpr auto kEverythingGerman =
    join(codes<a, zero>(), codes<tilde, percent>(), codes<ampersand, bar>(), codes<A, M>(),
         codes<degree, micro>());
constexpr auto kEverythingItalian =
    join(codes<a, zero>(), codes<at, bar>(), codes<A, M>(),
         keys(aGrave, eAcute, eGrave, iGrave, oGrave, uGrave, cCedilla, pound, degree, section));
constexpr auto kEverythingFrench = join(codes<a, zero>(), codes<at, bar>(), codes<A, M>(),
                                        keys(aGrave, eAcute, eGrave, uGrave, cCedilla, pound,
                                             degree, superscriptTwo, section, micro, currency));

// Which keyboards a row of the pool table serves.
enum KeyboardSet : std::uint8_t {
    kUs = 1 << static_cast<int>(Nationality::EnglishUS),
    kUk = 1 << static_cast<int>(Nationality::EnglishUK),
    kEs = 1 << static_cast<int>(Nationality::Spanish),
    kDe = 1 << static_cast<int>(Nationality::German),
    kIt = 1 << static_cast<int>(Nationality::Italian),
    kFr = 1 << static_cast<int>(Nationality::French),
};

using Pool = std::span<const PoolEntry>;

struct PoolRow {
    DrillKind kind;
    unsigned keyboards;
    Pool lowerCaseOnly;
    Pool upperCaseIncluded;
};

using DK = DrillKind;

constexpr PoolRow kPoolRows[] = {
    {DK::HomeRowOnly, kUs | kUk, kHomeEnglishLower, kHomeEnglishUpper},
    {DK::HomeRowOnly, kEs, kHomeSpanishLower, kHomeSpanishUpper},
    {DK::HomeRowOnly, kDe, kHomeGermanLower, kHomeGermanUpper},
    {DK::HomeRowOnly, kIt, kHomeItalianLower, kHomeItalianUpper},
    {DK::HomeRowOnly, kFr, kHomeFrenchLower, kHomeFrenchUpper},
    {DK::TopRowOnly, kUs | kUk | kEs | kIt, kTopLower, kTopUpper},
    {DK::TopRowOnly, kDe, kTopGermanLower, kTopGermanUpper},
    {DK::TopRowOnly, kFr, kTopFrenchLower, kTopFrenchUpper},
    {DK::BottomRowOnly, kUs | kUk | kEs | kIt, kBottomLower, kBottomUpper},
    {DK::BottomRowOnly, kDe, kBottomGermanLower, kBottomGermanUpper},
    {DK::BottomRowOnly, kFr, kBottomFrenchLower, kBottomFrenchUpper},
    {DK::HomeAndTopRows, kUs | kUk, kHomeTopEnglishLower, kHomeTopEnglishUpper},
    {DK::HomeAndTopRows, kEs, kHomeTopSpanishLower, kHomeTopSpanishUpper},
    {DK::HomeAndTopRows, kDe, kHomeTopGermanLower, kHomeTopGermanUpper},
    {DK::HomeAndTopRows, kIt, kHomeTopItalianLower, kHomeTopItalianUpper},
    {DK::HomeAndTopRows, kFr, kHomeTopFrenchLower, kHomeTopFrenchUpper},
    {DK::HomeAndBottomRows, kUs | kUk, kHomeBottomEnglishLower, kHomeBottomEnglishUpper},
    {DK::HomeAndBottomRows, kEs, kHomeBottomSpanishLower, kHomeBottomSpanishUpper},
    {DK::HomeAndBottomRows, kDe, kHomeBottomGermanLower, kHomeBottomGermanUpper},
    {DK::HomeAndBottomRows, kIt, kHomeBottomItalianLower, kHomeBottomItalianUpper},
    {DK::HomeAndBottomRows, kFr, kHomeBottomFrenchLower, kHomeBottomFrenchUpper},
    {DK::AllThreeRows, kUs | kUk, kAllRowsEnglishLower, kAllRowsEnglishUpper},
    {DK::AllThreeRows, kEs, kAllRowsSpanishLower, kAllRowsSpanishUpper},
    {DK::AllThreeRows, kDe, kAllRowsGermanLower, kAllRowsGermanUpper},
    {DK::AllThreeRows, kIt, kAllRowsItalianLower, kAllRowsItalianUpper},
    {DK::AllThreeRows, kFr, kAllRowsFrenchLower, kAllRowsFrenchUpper},
    {DK::AllAndCommonPunctuation, kUs | kUk, kPunctEnglishLower, kPunctEnglishUpper},
    {DK::AllAndCommonPunctuation, kEs, kPunctSpanishLower, kPunctSpanishUpper},
    {DK::AllAndCommonPunctuation, kDe, kPunctGermanLower, kPunctGermanUpper},
    {DK::AllAndCommonPunctuation, kIt, kPunctItalianLower, kPunctItalianUpper},
    {DK::AllAndCommonPunctuation, kFr, kPunctFrenchLower, kPunctFrenchUpper},
    {DK::NumbersOnly, kUs | kUk | kEs | kDe | kIt | kFr, kNumbers, kNumbers},
    {DK::SymbolsOnly, kUs, kSymbolsUs, kSymbolsUs},
    {DK::SymbolsOnly, kUk, kSymbolsUk, kSymbolsUk},
    {DK::SymbolsOnly, kEs, kSymbolsSpanish, kSymbolsSpanish},
    {DK::SymbolsOnly, kDe, kSymbolsGerman, kSymbolsGerman},
    {DK::SymbolsOnly, kIt, kSymbolsItalian, kSymbolsItalian},
    {DK::SymbolsOnly, kFr, kSymbolsFrench, kSymbolsFrench},
    {DK::DoEverything, kUs, kEverythingUs, kEverythingUs},
    {DK::DoEverything, kUk, kEverythingUk, kEverythingUk},
    {DK::DoEverything, kEs, kEverythingSpanish, kEverythingSpanish},
    {DK::DoEverything, kDe, kEverythingGerman, kEverythingGerman},
    {DK::DoEverything, kIt, kEverythingItalian, kEverythingItalian},
    {DK::DoEverything, kFr, kEverythingFrench, kEverythingFrench},
};

constexpr KeyPool weighed(Pool pool) {
    int total = 0;
    for (const PoolEntry& entry : pool)
        total += entry.sixths;
    return {pool, total};
}

// [drill kind][nationality][0: lower case only, 1: upper case included]
using PoolIndex =
    std::array<std::array<std::array<KeyPool, 2>, kNationalityCount>, kDrillKindCount>;

constexpr PoolIndex indexPools() {
    PoolIndex index{};
    for (const PoolRow& row : kPoolRows) {
        for (int nationality = 0; nationality < kNationalityCount; ++nationality) {
            if ((row.keyboards & (1u << nationality)) == 0)
                continue;
            auto& cell = index[static_cast<std::size_t>(row.kind)][nationality];
            if (!cell[0].entries.empty())
                throw "two rows of the pool table give the same drill kind and keyboard";
            cell = {weighed(row.lowerCaseOnly), weighed(row.upperCaseIncluded)};
        }
    }
    return index;
}

constexpr PoolIndex kPools = indexPools();

// A mistyped pool shows up at build time as a missing pool, a key listed twice or a key of
// no chance.
constexpr bool poolIsSound(Pool pool) {
    if (pool.empty())
        return false;
    std::array<bool, 256> listed{};
    for (const PoolEntry& entry : pool) {
        if (entry.code == 0 || entry.code >= listed.size() || entry.sixths == 0 ||
            listed[entry.code])
            return false;
        listed[entry.code] = true;
    }
    return true;
}

constexpr bool everyDrillKindHasSoundPools() {
    for (int kind = 0; kind < kDrillKindCount; ++kind) {
        if (static_cast<DrillKind>(kind) == DrillKind::ChooseYourOwnKeys)
            continue;
        for (const auto& cases : kPools[kind])
            for (const KeyPool& pool : cases)
                if (!poolIsSound(pool.entries))
                    return false;
    }
    return true;
}
static_assert(everyDrillKindHasSoundPools());

} // namespace

KeyPool keyPool(DrillKind kind, Nationality nationality, bool lowerCaseOnly) {
    const auto kindIndex = static_cast<std::size_t>(kind);
    const auto keyboard = static_cast<std::size_t>(nationality);
    if (kindIndex >= kPools.size() || keyboard >= kPools[kindIndex].size())
        return {};
    return kPools[kindIndex][keyboard][lowerCaseOnly ? 0 : 1];
}

} // namespace kf
