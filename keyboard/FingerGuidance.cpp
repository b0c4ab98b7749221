// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/FingerGuidance.h"

#include <QCoreApplication>
#include <array>
#include <cstddef>

namespace kf {
namespace {

using CellsByCode =
    std::array<std::array<std::int16_t, kNationalityCount>, std::size_t{kHighestGuidanceCode} + 1>;

// The guidance rows spread out by key code, so a lookup is one index; codes without a
// row have no key on any keyboard.
constexpr CellsByCode kCellsByCode = [] {
    CellsByCode byCode{};
    for (auto& cells : byCode)
        cells.fill(kNoKeyEntry);
    for (const GuidanceRow& row : kGuidanceRows)
        byCode[row.code] = row.cells;
    return byCode;
}();

// The sentence in the interface language. The guidance label shows a doubled ampersand as one
// (a single one would mark a shortcut letter there); our label shows text as it is, so the
// doubling is undone here.
QString labelText(const char* text) {
    QString shown = QCoreApplication::translate("FingerGuidance", text);
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

} // namespace

int guidanceId(KeyCode code, Nationality nationality) {
    const auto column = static_cast<std::size_t>(nationality);
    if (code >= kCellsByCode.size() || column >= kNationalityCount)
        return kNoKeyEntry;
    return kCellsByCode[code][column];
}

std::optional<QString> guidanceText(int id, const QString& userName) {
    if (id < 1 || id > kGuidanceTextCount)
        return std::nullopt;
    const GuidanceText& entry = kGuidanceTexts[static_cast<std::size_t>(id - 1)];
    if (!entry.namesUser)
        return labelText(entry.text);
    return labelText(entry.text).arg(userName);
}

std::optional<QString> fingerGuidance(KeyCode code, Nationality nationality,
                                      const QString& userName) {
    return guidanceText(guidanceId(code, nationality), userName);
}

} // namespace kf
