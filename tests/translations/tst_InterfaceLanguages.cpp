// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in each language the build ships: the main window's menus, the drill window's
// captions, a finger sentence of that country's keyboard and the report's first lines; the
// language menu switching every open window at once and remembering the student's choice; and
// the student's data the same in every language.

#include "../app/MainWindowNames.h"
#include "../common/FileBytes.h"
#include "../common/ShippedFiles.h"
#include "../drills/DrillHarness.h"
#include "app/InterfaceLanguage.h"
#include "app/MainWindow.h"
#include "app/UserPanels.h"
#include "core/WorkingFolder.h"
#include "drills/DrillAnnouncement.h"
#include "drills/DrillWindow.h"
#include "keyboard/FingerGuidance.h"
#include "keyboard/KeyTable.h"
#include "keyboard/SpokenKeyNames.h"
#include "keyboard/Windows1252.h"
#include "options/PreferencesDialog.h"
#include "progress/SummaryReport.h"
#include "students/DailyRollover.h"
#include "students/RecordLayout.h"
#include "students/StudentFile.h"
#include "students/StudentSettings.h"
#include "widgets/ClickableLabel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kf;
using namespace kf::test;

namespace {

QString S(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString shippedTranslations() {
    return InterfaceLanguage::shippedLocation(qEnvironmentVariable("KEYFARER_SHARE"));
}

QStringList menuTitles(const QMainWindow& window) {
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

QAction* languageEntry(const MainWindow& form, const QString& code) {
    for (QAction* action : form.menu().languages) {
        if (action->data().toString() == code)
            return action;
    }
    return nullptr;
}

// Lets the windows take the LanguageChange events Qt posts when the translators change.
void deliverLanguageChange() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
}

std::uint8_t nationalityOf(const QString& language) {
    if (language == u"es")
        return 2;
    if (language == u"de")
        return 3;
    if (language == u"it")
        return 4;
    return 5; // fr
}

} // namespace

class tst_InterfaceLanguages : public QObject {
    Q_OBJECT

private slots:
    void cleanup();

    void desktopLanguageDecides_data();
    void desktopLanguageDecides();
    void mainWindowMenus_data();
    void mainWindowMenus();
    void drillWindowCaptions_data();
    void drillWindowCaptions();
    void fingerSentenceOfTheCountrysKeyboard_data();
    void fingerSentenceOfTheCountrysKeyboard();
    void reportFirstLines_data();
    void reportFirstLines();
    void qtsOwnButtonsSpeakTheLanguage_data();
    void qtsOwnButtonsSpeakTheLanguage();
    void languageMenuSwitchesOpenWindowsAndRemembersTheStudent();
    void studentsChoiceOverridesTheDesktop();
    void choicesInTheOptionsAreStoredTheSameInEveryLanguage();
    void spokenAndAccessibleTexts_data();
    void spokenAndAccessibleTexts();
    void accessibleNamesFollowTheLanguage();

private:
    InterfaceLanguage m_language{shippedTranslations()};
};

void tst_InterfaceLanguages::cleanup() {
    m_language.apply(kEnglish);
    deliverLanguageChange();
}

void tst_InterfaceLanguages::desktopLanguageDecides_data() {
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German of Austria") << QStringList{S("de-AT"), S("en-US")} << S("de");
    QTest::newRow("first fitting one") << QStringList{S("pt-BR"), S("fr-CA"), S("de")} << S("fr");
    QTest::newRow("underscore form") << QStringList{S("es_ES")} << S("es");
    QTest::newRow("Italian") << QStringList{S("it")} << S("it");
    QTest::newRow("none fits") << QStringList{S("ja-JP"), S("nl")} << S("en");
    QTest::newRow("nothing listed") << QStringList{} << S("en");
}

void tst_InterfaceLanguages::desktopLanguageDecides() {
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(interfaceLanguageFor(uiLanguages), chosen);
}

void tst_InterfaceLanguages::mainWindowMenus_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("firstDrill");
    QTest::addColumn<QString>("languageMenu");
    QTest::newRow("de") << S("de") << QStringList{S("&Lektionen"),    S("&Anfängerübungen"),
                                                  S("&Mittelstufe"),  S("&Fortgeschrittene"),
                                                  S("&Zusätzliches"), S("&Tests"),
                                                  S("&Hilfe")}
                        << S("Nur &Grundreihe") << S("Spr&ache");
    QTest::newRow("fr") << S("fr")
                        << QStringList{S("&Leçons"),
                                       S("&Exercices débutants"),
                                       S("Exercices &intermédiaires"),
                                       S("Exercices a&vancés"),
                                       S("&Suppléments"),
                                       S("&Tests"),
                                       S("&Aide")}
                        << S("Rangée de &base seule") << S("&Langue");
    QTest::newRow("es") << S("es")
                        << QStringList{S("&Lecciones"), S("P&rincipiante"), S("&Intermedio"),
                                       S("&Avanzado"),  S("A&dicional"),    S("&Pruebas"),
                                       S("Ay&uda")}
                        << S("Solo fila &guía") << S("&Idioma");
    QTest::newRow("it") << S("it")
                        << QStringList{S("&Lezioni"),  S("&Principianti"), S("&Intermedi"),
                                       S("&Avanzati"), S("Al&tro"),        S("P&rove"),
                                       S("Ai&uto")}
                        << S("Solo fila &centrale") << S("Li&ngua");
}

void tst_InterfaceLanguages::mainWindowMenus() {
    QFETCH(QString, language);
    QFETCH(QStringList, titles);
    QFETCH(QString, firstDrill);
    QFETCH(QString, languageMenu);
    QCOMPARE(m_language.apply(language), language);
    DoubleServices doubles;
    QTemporaryDir dir;
    QVERIFY(provideStartPictures(QDir(dir.path())) && provideSounds(QDir(dir.path())));
    Globals globals(dir.path());
    MainWindow form(globals, doubles.services);
    QCOMPARE(menuTitles(form), titles);
    QCOMPARE(form.menu().drills.front()->text(), firstDrill);
    QCOMPARE(form.menu().language->title(), languageMenu);
    // Each language is offered under its own name, whatever the menu speaks.
    QStringList offered;
    for (const QAction* action : form.menu().languages)
        offered.append(action->text());
    QCOMPARE(offered,
             (QStringList{S("English"), S("Deutsch"), S("Français"), S("Español"), S("Italiano")}));
    // The symbols entry names the national characters in the language spoken.
    adjustBeginnersMenu(form.menu(), nationalityOf(language));
    QVERIFY2(form.menu().symbols()->text().contains(QStringLiteral("&&")),
             qPrintable(form.menu().symbols()->text()));
    QVERIFY(!form.menu().symbols()->text().contains(QStringLiteral("Characters")));
}

void tst_InterfaceLanguages::drillWindowCaptions_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("drill");
    QTest::addColumn<QString>("typeThe");
    QTest::addColumn<QString>("verify");
    QTest::newRow("de") << S("de") << S("Keyfarer Tipptrainer (Anfängerübungen)") << S("Anfänger:")
                        << S("Nur Grundreihe") << S("Tippe das") << S("Tasten prüfen");
    QTest::newRow("fr") << S("fr") << S("Keyfarer, apprendre à taper (Exercices débutants)")
                        << S("Débutants\u00a0:") << S("Rangée de base seule") << S("Tape le")
                        << S("Vérifier ces touches");
    QTest::newRow("es") << S("es")
                        << S("Keyfarer, tutor de mecanografía (Ejercicios de principiante)")
                        << S("Principiante:") << S("Solo fila guía") << S("Teclea el")
                        << S("Comprobar teclas");
    QTest::newRow("it") << S("it")
                        << S("Keyfarer, corso di dattilografia (Esercizi per principianti)")
                        << S("Principianti:") << S("Solo fila centrale") << S("Digita il")
                        << S("Verifica i tasti");
}

void tst_InterfaceLanguages::drillWindowCaptions() {
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, drill);
    QFETCH(QString, typeThe);
    QFETCH(QString, verify);
    QCOMPARE(m_language.apply(language), language);
    DrillHarness h;
    h.shipFiles();
    DrillWindow form(h.globals.drillWindowState(), h.services);
    form.show();
    QCOMPARE(form.windowTitle(), title);
    const auto label = [&form](const char* name) {
        return form.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(label("Label1"), heading);
    QCOMPARE(label("Label3"), drill);
    // Written by the drill itself, not by the window.
    QCOMPARE(label("Label82"), typeThe);
    QCOMPARE(form.findChild<QPushButton*>(QStringLiteral("Button1"))->text(), verify);
    // The captions fit their boxes: a running caption is never wider than its label.
    for (const char* name : {"Label82", "Label83", "Label81", "Label90", "Label91", "Label25"}) {
        const QLabel* caption = form.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(caption->fontMetrics().horizontalAdvance(caption->text()) <= caption->width(),
                 qPrintable(QString::fromLatin1(name) + u' ' + caption->text()));
    }
}

void tst_InterfaceLanguages::fingerSentenceOfTheCountrysKeyboard_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("nationality");
    QTest::addColumn<char>("key");
    QTest::addColumn<QString>("sentence");
    // German capital Y sits bottom left: the right Shift, as the English slip did not say.
    QTest::newRow("de Y")
        << S("de") << 3 << 'Y'
        << S("Drücke zuerst die rechte Umschalttaste und bewege dann deinen linken "
             "kleinen Finger eine Reihe nach unten, um die Taste \"Y\" zu tippen.");
    QTest::newRow("de l, the name inside") << S("de") << 3 << 'l'
                                           << S("Bleib in der Grundstellung, Ann, und drücke die "
                                                "Taste \"l\" mit deinem rechten Ringfinger.");
    QTest::newRow("fr a")
        << S("fr") << 5 << 'a'
        << S("Utilise ton auriculaire gauche et monte d'une touche pour la touche "
             "\"a\".");
    // The Spanish @ (Alt Gr with 2): the English names no hand; it is the left ring finger.
    QTest::newRow("es @") << S("es") << 2 << '@'
                          << S("Mueve el anular izquierdo dos filas hacia arriba para llegar a la "
                               "tecla \"@\".");
    QTest::newRow("it A") << S("it") << 4 << 'A'
                          << S("Resta nella posizione base e usa il mignolo sinistro per il tasto "
                               "\"A\". Non dimenticare il tasto Maiusc destro.");
}

void tst_InterfaceLanguages::fingerSentenceOfTheCountrysKeyboard() {
    QFETCH(QString, language);
    QFETCH(int, nationality);
    QFETCH(char, key);
    QFETCH(QString, sentence);
    QCOMPARE(m_language.apply(language), language);
    const std::optional<KeyCode> code = keyCodeOfCharacter(static_cast<AnsiChar>(key));
    QVERIFY(code);
    const std::optional<QString> shown =
        fingerGuidance(*code, static_cast<Nationality>(nationality), QStringLiteral("Ann"));
    QVERIFY(shown);
    QCOMPARE(*shown, sentence);
}

void tst_InterfaceLanguages::reportFirstLines_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("student");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("accuracy");
    QTest::newRow("de") << S("de") << S("Schüler/in: Ann  Datum: 07.12.26") << S("Anfängerübungen:")
                        << S("Genauigkeit heute oder zuletzt:");
    QTest::newRow("fr") << S("fr") << S("Élève\u00a0: Ann  Date\u00a0: 07.12.26")
                        << S("Exercices débutants\u00a0:")
                        << S("Précision, dernière séance\u00a0:");
    QTest::newRow("es") << S("es") << S("Alumno/a: Ann  Fecha: 07.12.26")
                        << S("Ejercicios de principiante:") << S("Precisión hoy o última vez:");
    QTest::newRow("it") << S("it") << S("Alunno/a: Ann  Data: 07.12.26")
                        << S("Esercizi per principianti:") << S("Precisione oggi o ultima volta:");
}

void tst_InterfaceLanguages::reportFirstLines() {
    QFETCH(QString, language);
    QFETCH(QString, student);
    QFETCH(QString, heading);
    QFETCH(QString, accuracy);
    QCOMPARE(m_language.apply(language), language);
    StudentRecord record;
    record.applyCreateDefaults();
    const QStringList lines =
        summaryReportLines(record, {QStringLiteral("Ann"), QStringLiteral("07.12.26")});
    QCOMPARE(lines.at(1), student + QChar(QChar::CarriageReturn));
    QCOMPARE(lines.at(4), heading);
    QCOMPARE(lines.at(5), QString(heading.size(), QChar(u'-')));
    QVERIFY2(lines.at(6).startsWith(accuracy), qPrintable(lines.at(6)));
    // The figures stand in one column, as in English.
    const qsizetype column = lines.at(6).lastIndexOf(u' ') + 1;
    QCOMPARE(lines.at(7).lastIndexOf(u' ') + 1, column);
}

void tst_InterfaceLanguages::qtsOwnButtonsSpeakTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("de") << S("de") << S("Abbrechen");
    QTest::newRow("fr") << S("fr") << S("Annuler");
    QTest::newRow("es") << S("es") << S("Cancelar");
    QTest::newRow("it") << S("it") << S("Annulla");
}

// Message boxes and the print dialog take their buttons from Qt's own translations.
void tst_InterfaceLanguages::qtsOwnButtonsSpeakTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    QCOMPARE(m_language.apply(language), language);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
    // A class's own tr() finds its texts under the class's full name, as lupdate files them.
    const QString ownText = QCoreApplication::translate(
        "UserPanels", "Choose a keyboard from the Additional/Keyboard Nationality Menu above.");
    QVERIFY2(!ownText.startsWith(QStringLiteral("Choose")), qPrintable(ownText));
    m_language.apply(kEnglish);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void tst_InterfaceLanguages::languageMenuSwitchesOpenWindowsAndRemembersTheStudent() {
    DoubleServices doubles;
    QTemporaryDir dir;
    QVERIFY(provideStartPictures(QDir(dir.path())) && provideSounds(QDir(dir.path())));
    Globals globals(dir.path());
    globals.currentUserName = QStringLiteral("Ann");
    QVERIFY(StudentFile::create(globals.studentFilePath(), globals.record).done());
    const QByteArray fileBefore = readBytes(globals.studentFilePath());
    MainWindow form(globals, doubles.services);
    globals.currentUserName = QStringLiteral("Ann"); // as taking the name makes it
    form.setInterfaceLanguage(&m_language);
    form.showUserName(QStringLiteral("Ann"));
    PreferencesDialog* options =
        openOptions(globals.student(), doubles.services, {}, std::nullopt, &form);
    QCOMPARE(options->windowTitle(), QStringLiteral("Preferences"));

    languageEntry(form, QStringLiteral("de"))->trigger();
    deliverLanguageChange();
    QCOMPARE(menuTitles(form).front(), QStringLiteral("&Lektionen"));
    QCOMPARE(form.userLine().text(), QStringLiteral("Benutzer = Ann"));
    QCOMPARE(form.findChild<QLabel*>(QStringLiteral("LabelNewUser"))->text(),
             QStringLiteral("Neuer Benutzer"));
    QCOMPARE(options->windowTitle(), QStringLiteral("Einstellungen"));
    QCOMPARE(options->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->itemText(0),
             QStringLiteral("Keine Verzögerung"));
    QCOMPARE(StudentSettings(globals.folder.path(), QStringLiteral("Ann")).language(),
             QStringLiteral("de"));
    // Spoken guidance reads with a voice of the language the windows speak.
    QCOMPARE(doubles.speech.language, QStringLiteral("de"));
    // The choice lives beside the student file, which stays as it was.
    QCOMPARE(readBytes(globals.studentFilePath()), fileBefore);

    // And back: English exactly as before.
    languageEntry(form, kEnglish)->trigger();
    deliverLanguageChange();
    QCOMPARE(menuTitles(form), kMenuTitles);
    QCOMPARE(form.userLine().text(), QStringLiteral("User = Ann"));
    QCOMPARE(options->windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(StudentSettings(globals.folder.path(), QStringLiteral("Ann")).language(), kEnglish);
    QCOMPARE(doubles.speech.language, kEnglish);
    options->close();
}

void tst_InterfaceLanguages::studentsChoiceOverridesTheDesktop() {
    DoubleServices doubles;
    QTemporaryDir dir;
    QVERIFY(provideStartPictures(QDir(dir.path())) && provideSounds(QDir(dir.path())));
    Globals globals(dir.path());
    m_language.apply(QStringLiteral("fr")); // the desktop's language at start
    MainWindow form(globals, doubles.services);
    form.setInterfaceLanguage(&m_language);
    StudentSettings(globals.folder.path(), QStringLiteral("Ann")).setLanguage(QStringLiteral("it"));

    globals.currentUserName = QStringLiteral("Ann");
    form.applyStudentLanguage();
    QCOMPARE(m_language.current(), QStringLiteral("it"));
    // A student who never chose gets the desktop's language back.
    globals.currentUserName = QStringLiteral("Bob");
    form.applyStudentLanguage();
    QCOMPARE(m_language.current(), QStringLiteral("fr"));
    QCOMPARE(doubles.speech.language, QStringLiteral("fr"));
    deliverLanguageChange();
    QCOMPARE(menuTitles(form).front(), QStringLiteral("&Leçons"));
}

void tst_InterfaceLanguages::choicesInTheOptionsAreStoredTheSameInEveryLanguage() {
    DrillHarness h;
    for (const QString& language :
         {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it")}) {
        QCOMPARE(m_language.apply(language), language);
        h.globals.record.setByte(layout::kColourScheme, 0);
        h.globals.record.setI32(layout::kBegHandDelay, 900);
        PreferencesDialog* options = openOptions(h.globals.student(), h.services, {}, std::nullopt);
        // "Blue", the second border colour, and "3 seconds delay", the fourth hand delay.
        const QList<QRadioButton*> colours =
            options->findChild<QGroupBox*>(QStringLiteral("RadioGroup8"))
                ->findChildren<QRadioButton*>();
        QVERIFY(colours.size() == 5);
        QVERIFY2(colours.at(1)->text() != QStringLiteral("Blue"), qPrintable(language));
        colours.at(1)->click();
        QCOMPARE(int(h.globals.record.colourScheme()), 1);
        auto* delay = options->findChild<QComboBox*>(QStringLiteral("ComboBox2"));
        delay->setCurrentIndex(3);
        delay->textActivated(delay->itemText(3));
        QCOMPARE(h.globals.record.i32(layout::kBegHandDelay), 3000);
        options->close();
        QCoreApplication::processEvents();
    }
}

void tst_InterfaceLanguages::spokenAndAccessibleTexts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("capitalA");
    QTest::addColumn<QString>("eAcute");
    QTest::addColumn<QString>("semicolon");
    QTest::addColumn<QString>("rightShift");
    QTest::addColumn<QString>("damaged");
    QTest::addColumn<QString>("tryAgain");
    QTest::newRow("de") << S("de") << S("großes A") << S("e mit Akut") << S("Semikolon")
                        << S("Halte die rechte Umschalttaste gedrückt.") << S("beschädigt")
                        << S("Noch einmal versuchen");
    QTest::newRow("fr") << S("fr") << S("A majuscule") << S("e accent aigu") << S("point-virgule")
                        << S("Maintiens la touche Maj droite enfoncée.") << S("endommagé")
                        << S("Réessayer");
    QTest::newRow("es") << S("es") << S("A mayúscula") << S("e con tilde") << S("punto y coma")
                        << S("Mantén pulsada la tecla Mayús derecha.") << S("dañado")
                        << S("Volver a intentar");
    QTest::newRow("it") << S("it") << S("A maiuscola") << S("e con accento acuto")
                        << S("punto e virgola") << S("Tieni premuto il tasto Maiusc destro.")
                        << S("danneggiato") << S("Riprova");
}

// What a screen reader or the speech engine says of a target, and the words of a damaged figure
// and of a failed save, come from the translations too: each table of texts must be found by
// lupdate, not only the texts written out in calls.
void tst_InterfaceLanguages::spokenAndAccessibleTexts() {
    QFETCH(QString, language);
    QFETCH(QString, capitalA);
    QFETCH(QString, eAcute);
    QFETCH(QString, semicolon);
    QFETCH(QString, rightShift);
    QFETCH(QString, damaged);
    QFETCH(QString, tryAgain);
    QCOMPARE(m_language.apply(language), language);
    QCOMPARE(spokenKeyName(AnsiChar('A')), capitalA);
    QCOMPARE(spokenKeyName(AnsiChar(0xE9)), eAcute);
    QCOMPARE(spokenKeyName(AnsiChar(';')), semicolon);
    CurrentKey key;
    key.rightShift = true;
    QCOMPARE(modifierSentences(key), rightShift);
    QCOMPARE(damagedFigureText(), damaged);
    QCOMPARE(QCoreApplication::translate("MessageBoxDialogs", "Try Again"), tryAgain);
    m_language.apply(kEnglish);
    QCOMPARE(spokenKeyName(AnsiChar('A')), QStringLiteral("capital A"));
    QCOMPARE(damagedFigureText(), QStringLiteral("damaged"));
}

// Names given for screen readers change with the language like the captions on screen.
void tst_InterfaceLanguages::accessibleNamesFollowTheLanguage() {
    DoubleServices doubles;
    QTemporaryDir dir;
    QVERIFY(provideStartPictures(QDir(dir.path())) && provideSounds(QDir(dir.path())));
    Globals globals(dir.path());
    MainWindow form(globals, doubles.services);
    form.setInterfaceLanguage(&m_language);
    emit form.findChild<ClickableLabel*>(QStringLiteral("LabelNewUser"))->clicked();
    auto* newName = form.findChild<QLineEdit*>(QStringLiteral("EditNewUser"));
    QVERIFY(newName != nullptr);
    QCOMPARE(newName->accessibleName(), QStringLiteral("New user name"));
    languageEntry(form, QStringLiteral("it"))->trigger();
    deliverLanguageChange();
    QCOMPARE(newName->accessibleName(), QStringLiteral("Nuovo nome utente"));
    QCOMPARE(form.menu().classOverview->text(), QStringLiteral("&Panoramica della classe"));
    languageEntry(form, kEnglish)->trigger();
    deliverLanguageChange();
    QCOMPARE(newName->accessibleName(), QStringLiteral("New user name"));
}

QTEST_MAIN(tst_InterfaceLanguages)
#include "tst_InterfaceLanguages.moc"
