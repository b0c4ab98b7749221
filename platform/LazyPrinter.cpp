// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LazyPrinter.h"

#include "platform/ModuleEntries.h"

namespace kf {

LazyPrinter::LazyPrinter(QStringList moduleFolders)
    : m_module(QString::fromLatin1(kPrinterModule), std::move(moduleFolders)) {}

LazyPrinter::~LazyPrinter() = default;

Printer::Outcome LazyPrinter::printLines(const QStringList& lines, const QFont& font) {
    Printer* real = printer();
    return real ? real->printLines(lines, font) : missing();
}

Printer::Outcome LazyPrinter::printImage(const QImage& image) {
    Printer* real = printer();
    return real ? real->printImage(image) : missing();
}

Printer::Outcome LazyPrinter::printTable(const PrintedTable& table) {
    Printer* real = printer();
    return real ? real->printTable(table) : missing();
}

Printer* LazyPrinter::printer() {
    if (!m_printer) {
        if (auto* create = m_module.resolve<CreatePrinter>(kCreatePrinter))
            m_printer.reset(create());
    }
    return m_printer.get();
}

Printer::Outcome LazyPrinter::missing() const {
    return {Status::Failed, m_module.errorString()};
}

} // namespace kf
