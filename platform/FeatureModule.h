// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace kf {

// A part of the program kept in a shared library of its own and loaded the first time it is
// used, so that starting the program maps none of the libraries behind it (charts, printing,
// sound, speech). Each module exports plain C entry points; resolve() loads the library once
// and returns the entry point, or nullptr with the reason in errorString().
class FeatureModule {
public:
    // name: the module's name ("charts", built as libkfcharts.so); folders: where to look,
    // in order (by default modulesFolders()).
    explicit FeatureModule(QString name, QStringList folders = modulesFolders());

    FeatureModule(const FeatureModule&) = delete;
    FeatureModule& operator=(const FeatureModule&) = delete;

    // The entry point called symbol, loading the module on the first call.
    QFunctionPointer resolve(const char* symbol);
    // Typed form: resolve<Signature>("entry").
    template <typename Function>
    Function* resolve(const char* symbol) {
        return reinterpret_cast<Function*>(resolve(symbol));
    }

    bool isLoaded() const { return m_library.isLoaded(); }
    QString errorString() const { return m_error; }

    // Where the program's modules are: KEYFARER_MODULES when set, then the modules folder
    // relative to the program, the same in the build tree and in an installed tree
    // (<prefix>/bin/keyfarer and <prefix>/<libdir>/keyfarer/).
    static QStringList modulesFolders();
    // The file a module is built as: libkf<name>.so.
    static QString fileName(const QString& name);

private:
    bool load();

    QString m_name;
    QStringList m_folders;
    QLibrary m_library;
    QString m_error;
    bool m_tried = false;
};

} // namespace kf
