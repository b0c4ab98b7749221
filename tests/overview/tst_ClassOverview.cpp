// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TrendLine.h"
#include "core/WorkingFolder.h"
#include "overview/ClassColumns.h"
#include "overview/ClassCsv.h"
#include "overview/ClassFolder.h"
#include "progress/SummaryReport.h"
#include "students/StudentFile.h"
#include "tests/overview/ClassTestFolder.h"

#include <QBuffer>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>
#include <mutex>

using namespace kf;
using namespace kf::test;

namespace {

QString csvOf(const QString& folder, int* status = nullptr) {
    QString text;
    QTextStream out(&text);
    const int result = writeClassCsv(folder, out);
    if (status != nullptr)
        *status = result;
    return text;
}

// The whole number the report writes after a label, or -1 when it has no such line.
int reportFigure(const QStringList& report, const QString& label) {
    for (const QString& line : report) {
        if (line.startsWith(label))
            return line.mid(label.size()).remove(u'%').trimmed().toInt();
    }
    return -1;
}

const StudentOverview* rowOf(const QList<StudentOverview>& rows, const QString& name) {
    for (const StudentOverview& row : rows) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

} // namespace

class tst_ClassOverview : public QObject {
    Q_OBJECT
private slots:
    void rowsHoldTheFiguresAtTheirOffsets_data();
    void rowsHoldTheFiguresAtTheirOffsets();
    void rowsAgreeWithTheReport();
    void csvOfThePreparedFolder();
    void csvFields_data();
    void csvFields();
    void csvIsUtf8();
    void damagedFiguresShowAsDamaged_data();
    void damagedFiguresShowAsDamaged();
    void filesAreOnlyRead();
    void wordColumnsOnlyForSectionsWithFigures();
    void sessionsRecorded_data();
    void sessionsRecorded();
    void trendLinePoints_data();
    void trendLinePoints();
    void commandLineRequest_data();
    void commandLineRequest();
    void missingFolderIsAnError();
    void cancelledLoadLeavesTheRestOut();
};

void tst_ClassOverview::rowsHoldTheFiguresAtTheirOffsets_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("keys");
    QTest::addColumn<int>("latest");
    QTest::addColumn<int>("allDays");
    QTest::addColumn<int>("best");
    QTest::addColumn<int>("slowest");
    QTest::addColumn<int>("sessions");
    QTest::addColumn<QList<int>>("trend");
    QTest::addColumn<int>("intermediateLatest");
    QTest::addColumn<int>("intermediateAllDays");

    QTest::newRow("Ann") << QStringLiteral("Ann") << true << qint64(1000) << 92 << 95 << 17
                         << int('k') << 3 << QList<int>{85, 90, 92} << 23 << 50;
    // 2 of 3 is 66.7 %: 67; 5 of 8 is 62.5 %: 62, ties going to the even number.
    QTest::newRow("bob") << QStringLiteral("bob") << true << qint64(8) << 67 << 62 << 25 << 0 << 8
                         << QList<int>{1, 5, 10, 20, 30, 40, 50, 67} << 0 << 0;
    QTest::newRow("Cleo") << QStringLiteral("Cleo") << true << qint64(0) << 0 << 0 << 0 << 0 << 0
                          << QList<int>{} << 0 << 0;
    QTest::newRow("short file") << QStringLiteral("Short") << false << qint64(0) << 0 << 0 << 0 << 0
                                << 0 << QList<int>{} << 0 << 0;
    QTest::newRow("cannot be opened") << QStringLiteral("Gone") << false << qint64(0) << 0 << 0 << 0
                                      << 0 << 0 << QList<int>{} << 0 << 0;
}

void tst_ClassOverview::rowsHoldTheFiguresAtTheirOffsets() {
    QFETCH(QString, name);
    QFETCH(bool, readable);
    ClassFolderFixture f;
    QVERIFY(f.ok);
    const QList<StudentOverview> rows = classFolder::load(WorkingFolder(f.path()));
    QStringList names;
    for (const StudentOverview& row : rows)
        names.append(row.name);
    // The folder is not a student file; every file is a row, in name order.
    QCOMPARE(names, kClassNames);

    const StudentOverview* row = rowOf(rows, name);
    QVERIFY(row);
    QCOMPARE(row->readable, readable);
    QTEST(qint64(row->drillKeysAllDays), "keys");
    QTEST(int(row->accuracyLatest), "latest");
    QTEST(int(row->accuracyAllDays), "allDays");
    QTEST(int(row->bestTime), "best");
    QTEST(int(row->slowestLetter), "slowest");
    QTEST(row->sessions, "sessions");
    QTEST(row->accuracyTrend(), "trend");
    QTEST(int(row->wordSections[1].adjustedWpmLatest), "intermediateLatest");
    QTEST(int(row->wordSections[1].adjustedWpmAllDays), "intermediateAllDays");
}

// The overview and the report read the same file and must show the same figures.
void tst_ClassOverview::rowsAgreeWithTheReport() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    const QList<StudentOverview> rows = classFolder::load(WorkingFolder(f.path()));
    for (const QString& name :
         {QStringLiteral("Ann"), QStringLiteral("bob"), QStringLiteral("Cleo")}) {
        StudentRecord record;
        QVERIFY(StudentFile::load(QDir(f.path()).filePath(name + u".stu"), record).done());
        const QStringList report = summaryReportLines(record, {name, QStringLiteral("1/1/26")});
        const StudentOverview* row = rowOf(rows, name);
        QVERIFY(row);
        QCOMPARE(row->accuracyLatest,
                 reportFigure(report, QStringLiteral("Accuracy Today or Last:")));
        QCOMPARE(row->accuracyAllDays, reportFigure(report, QStringLiteral("Accuracy All Days:")));
        QCOMPARE(row->bestTime,
                 reportFigure(report, QStringLiteral("Best Time Today or Last (Seconds):")));
        // Only Intermediate Drills holds words per minute, so the report's averages are its
        // figures.
        const int latestAverage =
            reportFigure(report, QStringLiteral("Average WPM (all Sections) for Today or Last: "));
        const int allDaysAverage =
            reportFigure(report, QStringLiteral("Average WPM (all Sections) for all of history: "));
        QCOMPARE(row->wordSections[1].adjustedWpmLatest, std::max(latestAverage, 0));
        QCOMPARE(row->wordSections[1].adjustedWpmAllDays, std::max(allDaysAverage, 0));
    }
}

void tst_ClassOverview::csvOfThePreparedFolder() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    int status = -1;
    const QString csv = csvOf(f.path(), &status);
    QCOMPARE(status, 0);
    const QStringList lines = csv.split(QStringLiteral("\r\n"));
    // The last line ends in CR LF too.
    QCOMPARE(lines, QStringList{kClassCsvHeader} + kClassCsvRows + QStringList{QString()});
    QVERIFY(!csv.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

void tst_ClassOverview::csvFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << QStringLiteral("Ann Lee") << QStringLiteral("Ann Lee");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("comma") << QStringLiteral("Lee, Ann") << QStringLiteral("\"Lee, Ann\"");
    QTest::newRow("quote") << QStringLiteral("Ann \"A\" Lee")
                           << QStringLiteral("\"Ann \"\"A\"\" Lee\"");
    QTest::newRow("slowest letter comma") << QStringLiteral(",") << QStringLiteral("\",\"");
    // Control characters from a file name never reach a terminal or start a row.
    QTest::newRow("line break") << QStringLiteral("a\nb") << QStringLiteral("a\uFFFDb");
    QTest::newRow("escape sequence")
        << QStringLiteral("\x1b[31mRed") << QStringLiteral("\uFFFD[31mRed");
    // What a spreadsheet would run as a formula is led by a quote; a number is left alone.
    QTest::newRow("formula") << QStringLiteral("=cmd|' -C calc'!A0")
                             << QStringLiteral("'=cmd|' -C calc'!A0");
    QTest::newRow("formula with a comma")
        << QStringLiteral("=HYPERLINK(\"x\",1)") << QStringLiteral("\"'=HYPERLINK(\"\"x\"\",1)\"");
    QTest::newRow("plus") << QStringLiteral("+1+2") << QStringLiteral("'+1+2");
    QTest::newRow("minus") << QStringLiteral("-x") << QStringLiteral("'-x");
    QTest::newRow("at") << QStringLiteral("@SUM(A1)") << QStringLiteral("'@SUM(A1)");
    QTest::newRow("tab first") << QStringLiteral("\t=1") << QStringLiteral("'\uFFFD=1");
    QTest::newRow("carriage return first") << QStringLiteral("\r=1") << QStringLiteral("'\uFFFD=1");
    QTest::newRow("negative number") << QStringLiteral("-5") << QStringLiteral("-5");
}

void tst_ClassOverview::csvFields() {
    QFETCH(QString, text);
    QTEST(csvField(text), "field");
}

void tst_ClassOverview::csvIsUtf8() {
    StudentOverview row = studentOverview(QStringLiteral("Zoë"), RecordBytes().record());
    row.slowestLetter = 0xE9; // é in Windows-1252
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    QTextStream out(&buffer);
    writeCsv({row}, out);
    const QByteArray bytes = buffer.data();
    QVERIFY(bytes.contains("Zo\xc3\xab,0,0,0,0,\xc3\xa9,0,,,\r\n"));
}

void tst_ClassOverview::damagedFiguresShowAsDamaged_data() {
    using namespace offset;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<int>>("damagedColumns"); // in the CSV, counted from 0 (the name)
    QTest::newRow("negative drill keys")
        << ann().figure(kDrillKeysAllDays, -2147483648LL).bytes() << QList<int>{1, 3};
    QTest::newRow("more errors than keys today")
        << ann().figure(kDrillErrorsLatest, 900).bytes() << QList<int>{2};
    QTest::newRow("negative best time") << ann().i32(kBestTime, -7).bytes() << QList<int>{4};
    QTest::newRow("control character as the slowest letter")
        << ann().byte(kSlowestKey, 0x1b).bytes() << QList<int>{5};
    QTest::newRow("percent above 100 in the trend")
        << ann().history(kDrillPercentHistory, {92, 250, 85, 0, 0, 0, 0, 0}).bytes()
        << QList<int>{7};
    QTest::newRow("a speed no typist reaches") << ann()
                                                      .figure(kIntLatestSeconds, 1)
                                                      .figure(kIntLatestKeys, 100000)
                                                      .figure(kIntLatestErrors, 0)
                                                      .bytes()
                                               << QList<int>{8};
}

void tst_ClassOverview::damagedFiguresShowAsDamaged() {
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, damagedColumns);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Ann.stu")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const QStringList lines = csvOf(dir.path()).split(QStringLiteral("\r\n"));
    const QStringList fields = lines.value(1).split(u',');
    const QStringList good = QString(QStringLiteral("Ann,") + kAnnCsvFigures).split(u',');
    QCOMPARE(fields.size(), good.size());
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (damagedColumns.contains(int(i)))
            QCOMPARE(fields.at(i), QStringLiteral("damaged"));
        else
            QCOMPARE(fields.at(i), good.at(i));
    }
}

void tst_ClassOverview::filesAreOnlyRead() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    const auto before = f.snapshot();
    // Times are kept to the second on some file systems: a write now would show.
    QTest::qWait(1100);
    classFolder::load(WorkingFolder(f.path()));
    csvOf(f.path());
    QCOMPARE(f.snapshot(), before);
}

void tst_ClassOverview::wordColumnsOnlyForSectionsWithFigures() {
    const StudentOverview withWords = studentOverview(QStringLiteral("Ann"), ann().record());
    const StudentOverview without = studentOverview(QStringLiteral("bob"), bob().record());
    using Kind = ClassColumn::Kind;
    const QList<ClassColumn> fixed = ClassColumns::forClass({without});
    QCOMPARE(fixed.size(), 10); // the eight fixed columns and the two of the class goals
    QVERIFY(std::none_of(fixed.begin(), fixed.end(),
                         [](const ClassColumn& c) { return c.kind == Kind::WpmLatest; }));
    const QList<ClassColumn> columns = ClassColumns::forClass({without, withWords});
    QCOMPARE(columns.size(), 12);
    QCOMPARE(columns.at(8), (ClassColumn{Kind::WpmLatest, 1}));
    QCOMPARE(columns.at(9), (ClassColumn{Kind::WpmAllDays, 1}));
    QCOMPARE(columns.at(10), (ClassColumn{Kind::GoalMet, 0})); // after the columns scripts read
    QCOMPARE(columns.at(11), (ClassColumn{Kind::TroubleKeys, 0}));
    // A file that cannot be read brings no columns.
    QCOMPARE(ClassColumns::forClass({unreadableStudent(QStringLiteral("x"))}).size(), 10);
}

void tst_ClassOverview::sessionsRecorded_data() {
    QTest::addColumn<QList<int>>("history");
    QTest::addColumn<int>("sessions");
    QTest::newRow("none") << QList<int>{0, 0, 0, 0, 0, 0, 0, 0} << 0;
    QTest::newRow("one") << QList<int>{80, 0, 0, 0, 0, 0, 0, 0} << 1;
    // A session that scored 0 between others still counts.
    QTest::newRow("zero inside") << QList<int>{80, 0, 70, 0, 0, 0, 0, 0} << 3;
    QTest::newRow("full") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << 8;
}

void tst_ClassOverview::sessionsRecorded() {
    QFETCH(QList<int>, history);
    SessionHistory h{};
    for (std::size_t i = 0; i < h.size(); ++i)
        h[i] = history.at(qsizetype(i));
    QTEST(kf::sessionsRecorded(h), "sessions");
}

void tst_ClassOverview::trendLinePoints_data() {
    QTest::addColumn<QList<int>>("percents");
    QTest::addColumn<QPolygonF>("points");
    const QRectF box(10, 20, 100, 50);
    QTest::newRow("none") << QList<int>{} << QPolygonF();
    QTest::newRow("one in the middle") << QList<int>{50} << QPolygonF({{60, 45}});
    QTest::newRow("rising") << QList<int>{0, 50, 100} << QPolygonF({{10, 70}, {60, 45}, {110, 20}});
    QTest::newRow("kept in the box") << QList<int>{-5, 120} << QPolygonF({{10, 70}, {110, 20}});
}

void tst_ClassOverview::trendLinePoints() {
    QFETCH(QList<int>, percents);
    QTEST(trendLine(percents, QRectF(10, 20, 100, 50)), "points");
}

void tst_ClassOverview::commandLineRequest_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<QString>("folder");
    QTest::newRow("no option") << QStringList{QStringLiteral("keyfarer")} << false << QString();
    QTest::newRow("working folder")
        << QStringList{QStringLiteral("keyfarer"), QStringLiteral("--class-csv")} << true
        << QString();
    QTest::newRow("folder") << QStringList{QStringLiteral("keyfarer"),
                                           QStringLiteral("--class-csv"), QStringLiteral("/srv/c")}
                            << true << QStringLiteral("/srv/c");
    QTest::newRow("folder with =")
        << QStringList{QStringLiteral("keyfarer"), QStringLiteral("--class-csv=/srv/c")} << true
        << QStringLiteral("/srv/c");
    QTest::newRow("another option follows")
        << QStringList{QStringLiteral("keyfarer"), QStringLiteral("--class-csv"),
                       QStringLiteral("--verbose")}
        << true << QString();
    QTest::newRow("program name is no option")
        << QStringList{QStringLiteral("--class-csv")} << false << QString();
}

void tst_ClassOverview::commandLineRequest() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, requested);
    const std::optional<QString> folder = classCsvRequest(arguments);
    QCOMPARE(folder.has_value(), requested);
    if (folder)
        QTEST(*folder, "folder");
}

void tst_ClassOverview::missingFolderIsAnError() {
    QTemporaryDir dir;
    int status = -1;
    const QString csv = csvOf(dir.filePath(QStringLiteral("absent")), &status);
    QCOMPARE(status, 1);
    QVERIFY(csv.isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("absent"))));
}

void tst_ClassOverview::cancelledLoadLeavesTheRestOut() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    std::atomic<bool> cancelled{true};
    classFolder::Progress progress;
    progress.cancelled = &cancelled;
    QVERIFY(classFolder::load(WorkingFolder(f.path()), progress).isEmpty());

    cancelled = false;
    QList<int> told;
    QList<int> totals;
    std::mutex lock;
    progress.advanced = [&](int done, int total) {
        const std::lock_guard guard(lock);
        told.append(done);
        totals.append(total);
    };
    QCOMPARE(classFolder::load(WorkingFolder(f.path()), progress).size(), 5);
    // The end is always told, whatever the step between reports.
    QVERIFY(told.contains(5));
    QVERIFY(std::all_of(totals.begin(), totals.end(), [](int t) { return t == 5; }));
}

QTEST_GUILESS_MAIN(tst_ClassOverview)
#include "tst_ClassOverview.moc"
