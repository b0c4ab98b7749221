// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FeatureModule.h"
#include "platform/Printer.h"

#include <memory>

namespace kf {

// The program's printer: the real one (Qt Print Support and the print dialog) lives in the
// "printer" module, loaded by the first print. Without the module printing fails with the
// reason, as a printer that cannot start does.
class LazyPrinter final : public Printer {
public:
    explicit LazyPrinter(QStringList moduleFolders = FeatureModule::modulesFolders());
    ~LazyPrinter() override;

    Outcome printLines(const QStringList& lines, const QFont& font) override;
    Outcome printImage(const QImage& image) override;
    Outcome printTable(const PrintedTable& table) override;

    bool moduleLoaded() const { return m_module.isLoaded(); }

private:
    Printer* printer();
    Outcome missing() const;

    FeatureModule m_module;
    std::unique_ptr<Printer> m_printer;
};

} // namespace kf
