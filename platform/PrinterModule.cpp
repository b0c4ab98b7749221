// SPDX-License-Identifier: GPL-3.0-or-later
// The "printer" module: printing through Qt Print Support, loaded by the program's first print.

#include "platform/ModuleEntries.h"
#include "platform/QtPrinter.h"

extern "C" Q_DECL_EXPORT kf::Printer* kf_create_printer() {
    return new kf::QtPrinter;
}
