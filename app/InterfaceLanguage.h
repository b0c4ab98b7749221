// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTranslator>
#include <array>
#include <memory>

namespace kf {

// A language the interface speaks: its code (the .qm files' suffix) and its name as its
// speakers write it, for the language menu.
struct InterfaceLanguageName {
    QStringView code;
    QStringView name;
};

// English first: it is the source language and needs no translation file.
inline constexpr std::array<InterfaceLanguageName, 5> kInterfaceLanguages = {{
    {u"en", u"English"},
    {u"de", u"Deutsch"},
    {u"fr", u"Fran\u00e7ais"},
    {u"es", u"Espa\u00f1ol"},
    {u"it", u"Italiano"},
}};

inline const QString kEnglish = QStringLiteral("en");

// The language code of kInterfaceLanguages that the first fitting entry of a desktop's
// languages (as QLocale::uiLanguages() lists them, "de-AT", "fr_CA") names; English when none
// fits.
QString interfaceLanguageFor(const QStringList& uiLanguages);

// True for a code of kInterfaceLanguages.
bool isInterfaceLanguage(const QString& code);

// Installs the program's and Qt's own translations of one language into the application, in
// place of the ones installed before. Qt then sends every widget a LanguageChange event.
class InterfaceLanguage {
public:
    // programTranslations: the folder of keyfarer_<code>.qm; Qt's own qtbase_<code>.qm come from
    // Qt's translations folder.
    explicit InterfaceLanguage(QString programTranslations);
    ~InterfaceLanguage();
    InterfaceLanguage(const InterfaceLanguage&) = delete;
    InterfaceLanguage& operator=(const InterfaceLanguage&) = delete;

    // Switches to the language; English, or a language whose file cannot be loaded, removes the
    // translations (the interface then speaks English). Returns the language now spoken.
    QString apply(const QString& code);
    const QString& current() const { return m_current; }

    // The folder share/keyfarer/translations beside the shipped pictures.
    static QString shippedLocation(const QString& shippedFiles);

private:
    void removeInstalled();

    QString m_folder;
    QString m_current = kEnglish;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
};

} // namespace kf
