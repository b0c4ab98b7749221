// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <algorithm>

namespace kf {

QString interfaceLanguageFor(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        // "de-AT" and "de_AT" both speak "de".
        QString code = entry.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (isInterfaceLanguage(code))
            return code;
    }
    return kEnglish;
}

bool isInterfaceLanguage(const QString& code) {
    return std::any_of(kInterfaceLanguages.begin(), kInterfaceLanguages.end(),
                       [&code](const InterfaceLanguageName& l) { return l.code == code; });
}

InterfaceLanguage::InterfaceLanguage(QString programTranslations)
    : m_folder(std::move(programTranslations)) {}

InterfaceLanguage::~InterfaceLanguage() {
    removeInstalled();
}

QString InterfaceLanguage::shippedLocation(const QString& shippedFiles) {
    return QDir(shippedFiles).filePath(QStringLiteral("translations"));
}

void InterfaceLanguage::removeInstalled() {
    for (std::unique_ptr<QTranslator>* t : {&m_program, &m_qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(t->get());
            t->reset();
        }
    }
}

QString InterfaceLanguage::apply(const QString& code) {
    if (code == m_current)
        return m_current;
    removeInstalled();
    m_current = kEnglish;
    // Removing and installing a translator both tell every window (QEvent::LanguageChange).
    if (!isInterfaceLanguage(code) || code == kEnglish)
        return m_current;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral("keyfarer_") + code, m_folder))
        return m_current;
    // Qt's own texts (buttons of message boxes, the print dialog) are a help, not a need.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    }
    QCoreApplication::installTranslator(program.get());
    m_program = std::move(program);
    m_current = code;
    return m_current;
}

} // namespace kf
