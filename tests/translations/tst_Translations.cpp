// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translations against the code: lupdate reads the code afresh, and every message it
// finds must be finished in every shipped language, keeping its placeholders and ampersands. The
// windows' menus and buttons, built in each language, give each shortcut letter a key of its own
// on that country's keyboard.

#include "../drills/DrillHarness.h"
#include "app/InterfaceLanguage.h"
#include "app/MainWindow.h"
#include "drills/DrillWindow.h"
#include "keyboard/KeyTable.h"
#include "keyboard/Windows1252.h"
#include "options/PreferencesDialog.h"
#include "overview/ClassOverviewWindow.h"
#include "progress/StatisticsWindow.h"
#include "widgets/ClickableLabel.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace kf;
using namespace kf::test;

namespace {

struct Message {
    QString translation;
    QString type; // empty when finished; "unfinished", "vanished" or "obsolete" otherwise
};
using MessageKey = std::pair<QString, QString>; // context, source
using Messages = QHash<MessageKey, Message>;

Messages readTs(const QString& path) {
    Messages messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural forms come as <numerusform> children; their text together counts.
            messages.insert({context, source},
                            {xml.readElementText(QXmlStreamReader::IncludeChildElements), type});
        }
    }
    return messages;
}

const QStringList& languages() {
    static const QStringList list = QString::fromLatin1(KF_LANGUAGES).split(u' ');
    return list;
}

QString shippedTs(const QString& language) {
    return QDir(QStringLiteral(KF_SOURCE_DIR))
        .filePath(QStringLiteral("translations/keyfarer_") + language + QStringLiteral(".ts"));
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%[1-9]"));
    QStringList found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        found.append(m.captured());
    found.sort();
    found.removeDuplicates();
    return found;
}

// One shortcut letter of a menu entry or a button: the key that Alt takes with it.
struct Shortcut {
    QChar letter; // lower case
    QString text;
    QByteArray source; // the English text it translates; empty for a text never translated
};

// Shortcuts that one key press chooses among: the entries of one menu, or a window's menu bar
// titles with the buttons it shows.
struct ShortcutGroup {
    QString where;
    QList<Shortcut> shortcuts;
};

QChar shortcutLetter(QStringView text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" shows one ampersand
    }
    return {};
}

void addShortcut(ShortcutGroup& group, const QString& text, const QObject* holder) {
    if (const QChar letter = shortcutLetter(text); !letter.isNull())
        group.shortcuts.append({letter, text, holder->property("kfTextSource").toByteArray()});
}

// The holder of an entry's remembered English text: the submenu for a submenu's title.
const QObject* holderOf(const QAction* action) {
    return action->menu() != nullptr ? static_cast<const QObject*>(action->menu()) : action;
}

void collectMenu(const QMenu& menu, const QString& where, QList<ShortcutGroup>& groups) {
    ShortcutGroup group{where + QStringLiteral(" > ") + menu.title(), {}};
    for (const QAction* action : menu.actions()) {
        addShortcut(group, action->text(), holderOf(action));
        if (action->menu() != nullptr)
            collectMenu(*action->menu(), group.where, groups);
    }
    groups.append(group);
}

// The window's menus, and its menu bar titles with the buttons it shows now.
QList<ShortcutGroup> shortcutGroups(const QWidget& window, const QString& where) {
    QList<ShortcutGroup> groups{{where, {}}};
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (const QAction* action : bar->actions()) {
            addShortcut(groups.front(), action->text(), holderOf(action));
            if (action->menu() != nullptr)
                collectMenu(*action->menu(), where, groups);
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window))
            addShortcut(groups.front(), button->text(), button);
    return groups;
}

// The keyboard a speaker of the language has in front of them.
Nationality nationalityOf(const QString& language) {
    if (language == u"de")
        return Nationality::German;
    if (language == u"fr")
        return Nationality::French;
    if (language == u"es")
        return Nationality::Spanish;
    if (language == u"it")
        return Nationality::Italian;
    return Nationality::EnglishUS;
}

// Why Alt with the letter cannot be typed in one go on the keyboard, or nothing.
QString keyProblem(QChar letter, Nationality nationality) {
    const std::optional<AnsiChar> byte = toWindows1252(letter);
    const std::optional<KeyCode> code = byte ? keyCodeOfCharacter(*byte) : std::nullopt;
    const std::optional<KeyEntry> entry = code ? keyEntry(*code, nationality) : std::nullopt;
    if (!entry)
        return QStringLiteral("has no key");
    if ((entry->modifiers & kAltGr) != 0)
        return QStringLiteral("needs Alt Gr");
    if ((entry->modifiers & (kDeadAcute | kDeadGrave)) != 0)
        return QStringLiteral("needs a dead key");
    return {};
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMessageOfTheCodeIsFinished_data();
    void everyMessageOfTheCodeIsFinished();
    void translationsKeepPlaceholdersAndShortcutLetters_data();
    void translationsKeepPlaceholdersAndShortcutLetters();
    void theBuildShipsEveryLanguage_data();
    void theBuildShipsEveryLanguage();
    void shortcutLettersNeedNoDeadKeyOrAltGr_data();
    void shortcutLettersNeedNoDeadKeyOrAltGr();
    void noTwoShortcutsShareALetter_data();
    void noTwoShortcutsShareALetter();

private:
    // The shortcuts of every window in the language, its keyboard's own entries shown.
    QList<ShortcutGroup> windowShortcuts(const QString& language);

    Messages m_code;
    InterfaceLanguage m_language{
        InterfaceLanguage::shippedLocation(qEnvironmentVariable("KEYFARER_SHARE"))};
};

void tst_Translations::initTestCase() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString extracted = dir.filePath(QStringLiteral("keyfarer_code.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(KF_SOURCE_DIR));
    lupdate.start(
        QStringLiteral(KF_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
         // The includes let lupdate see the namespace of a class using tr(), as
         // the class's runtime context has it ("kf::UserPanels").
         QStringLiteral("-I"), QStringLiteral("."), QStringLiteral("app"), QStringLiteral("core"),
         QStringLiteral("drills"), QStringLiteral("keyboard"), QStringLiteral("options"),
         QStringLiteral("overview"), QStringLiteral("platform"), QStringLiteral("progress"),
         QStringLiteral("students"), QStringLiteral("widgets"), QStringLiteral("-ts"), extracted});
    QVERIFY2(lupdate.waitForFinished(60000), "lupdate did not finish");
    QCOMPARE(lupdate.exitCode(), 0);
    m_code = readTs(extracted);
    // The finger sentences alone are 171; a handful would mean lupdate read nothing.
    QVERIFY2(m_code.size() > 400, qPrintable(QString::number(m_code.size())));
}

void tst_Translations::everyMessageOfTheCodeIsFinished_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : languages())
        QTest::newRow(qPrintable(language)) << language;
}

void tst_Translations::everyMessageOfTheCodeIsFinished() {
    QFETCH(QString, language);
    const Messages shipped = readTs(shippedTs(language));
    QStringList open;
    for (auto it = m_code.cbegin(); it != m_code.cend(); ++it) {
        const auto found = shipped.constFind(it.key());
        if (found == shipped.cend())
            open.append(QStringLiteral("missing [%1] %2").arg(it.key().first, it.key().second));
        else if (!found->type.isEmpty() || found->translation.trimmed().isEmpty())
            open.append(QStringLiteral("unfinished [%1] %2").arg(it.key().first, it.key().second));
    }
    QVERIFY2(open.isEmpty(),
             qPrintable(QStringLiteral("run scripts/translations, then translate:\n") +
                        open.join(u'\n')));
}

void tst_Translations::translationsKeepPlaceholdersAndShortcutLetters_data() {
    everyMessageOfTheCodeIsFinished_data();
}

void tst_Translations::translationsKeepPlaceholdersAndShortcutLetters() {
    QFETCH(QString, language);
    const Messages shipped = readTs(shippedTs(language));
    QStringList broken;
    for (auto it = shipped.cbegin(); it != shipped.cend(); ++it) {
        const QString& source = it.key().second;
        const QString& translation = it->translation;
        if (placeholders(source) != placeholders(translation))
            broken.append(QStringLiteral("placeholders: ") + source);
        // A lone "&" marks a shortcut letter in menus and buttons ("&&" shows one ampersand):
        // the translation has one exactly where the English has one.
        static const QRegularExpression marker(QStringLiteral("&[^&\\s]"));
        const bool shortcut = QString(source).remove(QStringLiteral("&&")).contains(marker);
        if (shortcut != QString(translation).remove(QStringLiteral("&&")).contains(marker))
            broken.append(QStringLiteral("shortcut letter: ") + source);
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
}

void tst_Translations::theBuildShipsEveryLanguage_data() {
    everyMessageOfTheCodeIsFinished_data();
}

void tst_Translations::theBuildShipsEveryLanguage() {
    QFETCH(QString, language);
    const QString folder =
        QDir(qEnvironmentVariable("KEYFARER_SHARE")).filePath(QStringLiteral("translations"));
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral("keyfarer_") + language, folder), qPrintable(folder));
    const Messages shipped = readTs(shippedTs(language));
    const MessageKey key{QStringLiteral("MainMenu"), QStringLiteral("&Beginners Drills")};
    QVERIFY(shipped.contains(key));
    QCOMPARE(translator.translate("MainMenu", "&Beginners Drills"), shipped.value(key).translation);
}

QList<ShortcutGroup> tst_Translations::windowShortcuts(const QString& language) {
    QList<ShortcutGroup> groups;
    if (m_language.apply(language) != language)
        return groups;
    DrillHarness h;
    h.shipFiles();
    {
        MainWindow form(h.globals, h.services);
        adjustBeginnersMenu(form.menu(), std::uint8_t(nationalityOf(language)));
        groups += shortcutGroups(form, QStringLiteral("main window"));
        // Each user panel with its buttons, made when it first opens.
        emit form.link(MainWindow::UserLink::NewUser).clicked();
        groups += shortcutGroups(form, QStringLiteral("main window, New User")).front();
        form.newUserPanel().hide();
        emit form.link(MainWindow::UserLink::SelectUser).clicked();
        groups += shortcutGroups(form, QStringLiteral("main window, Select User")).front();
    }
    {
        DrillWindow drill(h.globals.drillWindowState(), h.services);
        drill.show();
        groups += shortcutGroups(drill, QStringLiteral("drill window"));
    }
    h.globals.activity.selectDrill(DrillKind::ChooseYourOwnKeys); // its panel's buttons
    DrillWindow ownKeys(h.globals.drillWindowState(), h.services);
    ownKeys.show();
    QEvent activation(QEvent::WindowActivate); // the drill starts and opens its panel
    QCoreApplication::sendEvent(&ownKeys, &activation);
    if (!ownKeys.findChild<QWidget*>(QStringLiteral("Panel2"))->isVisible())
        return {};
    groups += shortcutGroups(ownKeys, QStringLiteral("drill window, own keys")).front();
    PreferencesDialog* options = openOptions(h.globals.student(), h.services, {}, std::nullopt);
    auto* pages = options->findChild<QTabWidget*>();
    for (int page = 0; pages != nullptr && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        groups += shortcutGroups(*options, QStringLiteral("Preferences, ") + pages->tabText(page));
    }
    options->close();
    StatisticsWindow statistics(h.globals.student(), h.services);
    statistics.show();
    groups += shortcutGroups(statistics, QStringLiteral("statistics window"));
    statistics.buttonViewReportClick();
    groups += shortcutGroups(statistics, QStringLiteral("statistics window, report"));
    statistics.buttonCloseReportClick();
    statistics.buttonSwitchUserClick();
    groups += shortcutGroups(statistics, QStringLiteral("statistics window, switch user"));
    ClassOverviewWindow overview(WorkingFolder(h.dir.path()), h.services);
    overview.show();
    groups += shortcutGroups(overview, QStringLiteral("class overview"));
    m_language.apply(kEnglish);
    return groups;
}

void tst_Translations::shortcutLettersNeedNoDeadKeyOrAltGr_data() {
    QTest::addColumn<QString>("language");
    for (const InterfaceLanguageName& l : kInterfaceLanguages)
        QTest::newRow(qPrintable(l.code.toString())) << l.code.toString();
}

// Alt and a letter is one press: a letter behind a dead key or Alt Gr cannot be reached with it.
void tst_Translations::shortcutLettersNeedNoDeadKeyOrAltGr() {
    QFETCH(QString, language);
    const QList<ShortcutGroup> groups = windowShortcuts(language);
    QVERIFY(groups.size() > 10);
    QStringList unreachable;
    for (const ShortcutGroup& group : groups) {
        for (const Shortcut& s : group.shortcuts) {
            if (const QString problem = keyProblem(s.letter, nationalityOf(language));
                !problem.isEmpty())
                unreachable.append(QStringLiteral("%1: \"%2\": \"%3\" %4")
                                       .arg(group.where, s.text, s.letter, problem));
        }
    }
    QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(u'\n')));
}

void tst_Translations::noTwoShortcutsShareALetter_data() {
    shortcutLettersNeedNoDeadKeyOrAltGr_data();
}

// Where the English texts themselves share a letter (the design's own menus), so may theirs.
void tst_Translations::noTwoShortcutsShareALetter() {
    QFETCH(QString, language);
    const QList<ShortcutGroup> groups = windowShortcuts(language);
    QVERIFY(groups.size() > 10);
    QStringList shared;
    for (const ShortcutGroup& group : groups) {
        const QList<Shortcut>& s = group.shortcuts;
        for (qsizetype i = 0; i < s.size(); ++i) {
            for (qsizetype j = i + 1; j < s.size(); ++j) {
                const bool englishShares = !s[i].source.isEmpty() && !s[j].source.isEmpty() &&
                                           shortcutLetter(QString::fromUtf8(s[i].source)) ==
                                               shortcutLetter(QString::fromUtf8(s[j].source));
                if (s[i].letter == s[j].letter && !englishShares)
                    shared.append(QStringLiteral("%1: \"%2\" and \"%3\"")
                                      .arg(group.where, s[i].text, s[j].text));
            }
        }
    }
    QVERIFY2(shared.isEmpty(), qPrintable(shared.join(u'\n')));
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
