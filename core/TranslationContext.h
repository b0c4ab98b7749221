// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace kf {

// The fixed texts of one translation context in the interface language. A file whose texts are
// marked with QT_TRANSLATE_NOOP under one context declares
//     constexpr TranslationContext text{"Context"};
// and shows each as text(source).
struct TranslationContext {
    const char* name;

    QString operator()(const char* source) const {
        return QCoreApplication::translate(name, source);
    }
};

} // namespace kf
