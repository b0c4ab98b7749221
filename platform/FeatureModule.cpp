// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FeatureModule.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef KF_MODULES_FROM_BIN
#define KF_MODULES_FROM_BIN "../lib/keyfarer"
#endif

namespace kf {

FeatureModule::FeatureModule(QString name, QStringList folders)
    : m_name(std::move(name))
    , m_folders(std::move(folders)) {}

QStringList FeatureModule::modulesFolders() {
    QStringList folders;
    if (const QString fromEnvironment = qEnvironmentVariable("KEYFARER_MODULES");
        !fromEnvironment.isEmpty())
        folders << fromEnvironment;
    folders << QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                               QStringLiteral(KF_MODULES_FROM_BIN));
    return folders;
}

QString FeatureModule::fileName(const QString& name) {
    return QStringLiteral("libkf") + name + QStringLiteral(".so");
}

bool FeatureModule::load() {
    if (m_tried)
        return m_library.isLoaded();
    m_tried = true;
    for (const QString& folder : m_folders) {
        const QString path = folder + QLatin1Char('/') + fileName(m_name);
        if (!QFileInfo::exists(path))
            continue;
        m_library.setFileName(path);
        if (m_library.load()) {
            qCInfo(logModules) << "loaded" << path;
            return true;
        }
        m_error = m_library.errorString();
        qCInfo(logModules) << "could not load" << path << "-" << m_error;
        return false;
    }
    m_error = QStringLiteral("The module \"%1\" was not found in %2.")
                  .arg(m_name, m_folders.join(QStringLiteral(", ")));
    qCInfo(logModules).noquote() << m_error;
    return false;
}

QFunctionPointer FeatureModule::resolve(const char* symbol) {
    if (!load())
        return nullptr;
    QFunctionPointer entry = m_library.resolve(symbol);
    if (!entry)
        m_error = m_library.errorString();
    return entry;
}

} // namespace kf
