// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translations against the code: lupdate reads the code afresh, and every message it
// finds must be finished in every shipped language, keeping its placeholders and ampersands.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

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

private:
    Messages m_code;
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

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
