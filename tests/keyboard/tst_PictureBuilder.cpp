// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/WorkingFolder.h"
#include "keyboard/KeyTable.h"
#include "keyboard/PictureBuilder.h"
#include "keyboard/Windows1252.h"
#include "tests/common/FileBytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

using namespace kf;

// A text the builder must draw on the unlabelled picture, as published for each keyboard.
struct ExpectedName {
    QString text;
    QPoint origin;
    bool control; // drawn in the Control keys' font, else in the Caps Lock font
};
using ExpectedNames = QList<ExpectedName>;
Q_DECLARE_METATYPE(ExpectedNames)

namespace {

ExpectedNames lockNames(const QString& upper, const QString& lower, const QString& control) {
    return {{upper, {29, 102}, false},
            {lower, {29, 115}, false},
            {control, {29, 191}, true},
            {control, {534, 191}, true}};
}

QString shareFolder() {
    return qEnvironmentVariable("KEYFARER_SHARE");
}

QImage loadShipped(const QString& name) {
    QImage image(QDir(shareFolder()).filePath(name), "BMP");
    return image.convertToFormat(QImage::Format_RGB32);
}

using test::readBytes;

// The pixels a label can touch: the ink of its glyph where drawTextAt puts it, widened by one
// pixel for the smoothing of the glyph's edges.
QRect labelBox(const PictureLabel& label) {
    const QFontMetrics metrics(keyLabelFont());
    const QString text(fromWindows1252(label.character));
    return metrics.boundingRect(text)
        .translated(label.x, label.y + metrics.ascent())
        .adjusted(-1, -1, 1, 1);
}

// A folder holding copies of the two shipped blank pictures.
bool copyBlankPictures(const QString& folder) {
    const QDir share(shareFolder());
    return QFile::copy(share.filePath(QStringLiteral("keybord10.bmp")),
                       QDir(folder).filePath(QStringLiteral("keybord10.bmp"))) &&
           QFile::copy(share.filePath(QStringLiteral("intkeybord10.bmp")),
                       QDir(folder).filePath(QStringLiteral("intkeybord10.bmp")));
}

QStringList filesIn(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace

class tst_PictureBuilder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void labelsChangeOnlyTheirOwnPixels_data();
    void labelsChangeOnlyTheirOwnPixels();
    void lockAndControlNames_data();
    void lockAndControlNames();
    void writesTheNationalitysFiles_data();
    void writesTheNationalitysFiles();
    void neverRewritesTheEnglishBlankPicture();
    void replacesAPictureSpelledInAnotherCase();
    void sameBytesOnEveryBuild();
    void reportsAMissingBlankPicture();
    void reportsAPictureThatCannotBeWritten();
    void refusesAnUnknownNationality();
};

void tst_PictureBuilder::initTestCase() {
    QVERIFY2(!shareFolder().isEmpty(), "KEYFARER_SHARE must name the shipped files");
    QVERIFY(!loadShipped(QStringLiteral("keybord10.bmp")).isNull());
    QVERIFY(!loadShipped(QStringLiteral("intkeybord10.bmp")).isNull());
}

void tst_PictureBuilder::labelsChangeOnlyTheirOwnPixels_data() {
    QTest::addColumn<int>("nationality");
    QTest::newRow("English US") << 0;
    QTest::newRow("English UK") << 1;
    QTest::newRow("Spanish") << 2;
    QTest::newRow("German") << 3;
    QTest::newRow("Italian") << 4;
    QTest::newRow("French") << 5;
}

void tst_PictureBuilder::labelsChangeOnlyTheirOwnPixels() {
    QFETCH(int, nationality);
    const auto code = static_cast<Nationality>(nationality);
    const KeyboardPictureNames names = keyboardPictureNames(code);
    const KeyboardPictures pictures = buildKeyboardPictures(loadShipped(names.base), code);
    QCOMPARE(pictures.labelled.size(), QSize(587, 283));
    QCOMPARE(pictures.unlabelled.size(), QSize(587, 283));

    std::vector<QRect> boxes;
    for (const PictureLabel& label : pictureLabels(code))
        boxes.push_back(labelBox(label));
    QVERIFY(boxes.size() > 40);

    std::vector<int> changedInBox(boxes.size(), 0);
    for (int y = 0; y < 283; ++y) {
        for (int x = 0; x < 587; ++x) {
            if (pictures.labelled.pixel(x, y) == pictures.unlabelled.pixel(x, y))
                continue;
            bool inside = false;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].contains(x, y)) {
                    inside = true;
                    ++changedInBox[i];
                }
            }
            if (!inside)
                QFAIL(qPrintable(
                    QStringLiteral("pixel (%1, %2) changed outside every label").arg(x).arg(y)));
        }
    }
    const auto labels = pictureLabels(code);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (changedInBox[i] == 0)
            QFAIL(qPrintable(QStringLiteral("label '%1' at (%2, %3) left no mark")
                                 .arg(fromWindows1252(labels[i].character))
                                 .arg(labels[i].x)
                                 .arg(labels[i].y)));
    }
}

void tst_PictureBuilder::lockAndControlNames_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<ExpectedNames>("names");
    const QString ctrl = QStringLiteral("Ctrl");
    // English US: its blank picture is shown as it is.
    QTest::newRow("English US") << 0 << ExpectedNames{};
    QTest::newRow("English UK") << 1
                                << lockNames(QStringLiteral("Caps"), QStringLiteral("Lock"), ctrl);
    QTest::newRow("Spanish") << 2
                             << lockNames(QStringLiteral("Bloq"), QStringLiteral("May\u00fas"),
                                          ctrl);
    QTest::newRow("German") << 3
                            << ExpectedNames{{QStringLiteral("|"), {32, 107}, false},
                                             {QStringLiteral("v"), {30, 112}, false},
                                             {QStringLiteral("Strg"), {28, 191}, true},
                                             {QStringLiteral("Strg"), {533, 191}, true}};
    QTest::newRow("Italian") << 4
                             << lockNames(QStringLiteral("Caps"), QStringLiteral("Lock"), ctrl);
    QTest::newRow("French") << 5 << lockNames(QStringLiteral("Caps"), QStringLiteral("Lock"), ctrl);
}

// The unlabelled picture is the blank one with exactly these names on it, so a wrong word,
// font or place, or a name drawn twice or left out, shows as a difference.
void tst_PictureBuilder::lockAndControlNames() {
    QFETCH(int, nationality);
    QFETCH(ExpectedNames, names);
    const auto code = static_cast<Nationality>(nationality);
    const QImage base = loadShipped(keyboardPictureNames(code).base);

    QImage expected = base;
    {
        QPainter painter(&expected);
        painter.setPen(Qt::black);
        for (const ExpectedName& name : names) {
            painter.setFont(name.control ? controlNameFont() : capsLockFont());
            drawTextAt(painter, name.text, name.origin);
        }
    }
    if (!names.isEmpty())
        QVERIFY(expected != base);
    QCOMPARE(buildKeyboardPictures(base, code).unlabelled, expected);
}

void tst_PictureBuilder::writesTheNationalitysFiles_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("English US") << 0 << QStringList{QStringLiteral("keybord20.bmp")};
    QTest::newRow("English UK") << 1
                                << QStringList{QStringLiteral("ukbord10.bmp"),
                                               QStringLiteral("ukbord20.bmp")};
    QTest::newRow("Spanish") << 2
                             << QStringList{QStringLiteral("spanishbord10.bmp"),
                                            QStringLiteral("spanishbord20.bmp")};
    QTest::newRow("German") << 3
                            << QStringList{QStringLiteral("germanbord10.bmp"),
                                           QStringLiteral("germanbord20.bmp")};
    QTest::newRow("Italian") << 4
                             << QStringList{QStringLiteral("italianbord10.bmp"),
                                            QStringLiteral("italianbord20.bmp")};
    QTest::newRow("French") << 5
                            << QStringList{QStringLiteral("frenchbord10.bmp"),
                                           QStringLiteral("frenchbord20.bmp")};
}

void tst_PictureBuilder::writesTheNationalitysFiles() {
    QFETCH(int, nationality);
    QFETCH(QStringList, written);
    const auto code = static_cast<Nationality>(nationality);
    QTemporaryDir folder;
    QVERIFY(copyBlankPictures(folder.path()));

    QCOMPARE(writeKeyboardPictures(WorkingFolder(folder.path()), code), QString());

    QStringList expectedFiles = written;
    expectedFiles << QStringLiteral("intkeybord10.bmp") << QStringLiteral("keybord10.bmp");
    expectedFiles.sort();
    QCOMPARE(filesIn(folder.path()), expectedFiles);

    const KeyboardPictureNames names = keyboardPictureNames(code);
    const KeyboardPictures built = buildKeyboardPictures(loadShipped(names.base), code);
    const QDir dir(folder.path());
    const QImage labelled(dir.filePath(names.labelled), "BMP");
    QCOMPARE(labelled.convertToFormat(QImage::Format_RGB32), built.labelled);
    QCOMPARE(readBytes(dir.filePath(names.labelled)).mid(28, 2), QByteArray("\x18\x00", 2));
    if (names.writesUnlabelled) {
        const QImage unlabelled(dir.filePath(names.unlabelled), "BMP");
        QCOMPARE(unlabelled.convertToFormat(QImage::Format_RGB32), built.unlabelled);
    }
}

void tst_PictureBuilder::neverRewritesTheEnglishBlankPicture() {
    QTemporaryDir folder;
    QVERIFY(copyBlankPictures(folder.path()));
    const QString blank = QDir(folder.path()).filePath(QStringLiteral("keybord10.bmp"));
    // A rewrite, even with the same bytes, would give the file a new time.
    const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    {
        QFile file(blank);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    const QByteArray before = readBytes(blank);

    for (const Nationality code : {Nationality::German, Nationality::EnglishUS})
        QCOMPARE(writeKeyboardPictures(WorkingFolder(folder.path()), code), QString());

    QCOMPARE(QFileInfo(blank).lastModified().toUTC(), longAgo);
    QCOMPARE(readBytes(blank), before);
    QVERIFY(QFileInfo::exists(QDir(folder.path()).filePath(QStringLiteral("keybord20.bmp"))));
}

void tst_PictureBuilder::replacesAPictureSpelledInAnotherCase() {
    QTemporaryDir folder;
    QVERIFY(copyBlankPictures(folder.path()));
    const QDir dir(folder.path());
    for (const QString& name :
         {QStringLiteral("Italianbord20.bmp"), QStringLiteral("ITALIANBORD10.BMP")}) {
        QFile stale(dir.filePath(name));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("old");
    }

    QCOMPARE(writeKeyboardPictures(WorkingFolder(folder.path()), Nationality::Italian), QString());

    QCOMPARE(filesIn(folder.path()),
             (QStringList{QStringLiteral("ITALIANBORD10.BMP"), QStringLiteral("Italianbord20.bmp"),
                          QStringLiteral("intkeybord10.bmp"), QStringLiteral("keybord10.bmp")}));
    QVERIFY(!QImage(dir.filePath(QStringLiteral("Italianbord20.bmp")), "BMP").isNull());
    QVERIFY(!QImage(dir.filePath(QStringLiteral("ITALIANBORD10.BMP")), "BMP").isNull());
}

// The pictures rebuilt when a student changes nationality are the very bytes that shipped.
void tst_PictureBuilder::sameBytesOnEveryBuild() {
    QTemporaryDir first;
    QTemporaryDir second;
    QVERIFY(copyBlankPictures(first.path()));
    QVERIFY(copyBlankPictures(second.path()));
    for (int code = 0; code < kNationalityCount; ++code) {
        QCOMPARE(writeKeyboardPictures(WorkingFolder(first.path()), Nationality(code)), QString());
        QCOMPARE(writeKeyboardPictures(WorkingFolder(second.path()), Nationality(code)), QString());
    }
    const QStringList files = filesIn(first.path());
    QCOMPARE(files.size(), 13);
    QCOMPARE(filesIn(second.path()), files);
    for (const QString& name : files) {
        const QByteArray bytes = readBytes(QDir(first.path()).filePath(name));
        QVERIFY(!bytes.isEmpty());
        QCOMPARE(readBytes(QDir(second.path()).filePath(name)), bytes);
        QCOMPARE(readBytes(QDir(shareFolder()).filePath(name)), bytes);
    }
}

void tst_PictureBuilder::reportsAMissingBlankPicture() {
    QTemporaryDir folder;
    const QString error = writeKeyboardPictures(WorkingFolder(folder.path()), Nationality::Spanish);
    QVERIFY2(error.contains(QStringLiteral("intkeybord10.bmp")), qPrintable(error));
    QVERIFY(filesIn(folder.path()).isEmpty());
}

void tst_PictureBuilder::reportsAPictureThatCannotBeWritten() {
    QTemporaryDir folder;
    QVERIFY(copyBlankPictures(folder.path()));
    // A folder in the picture's place cannot be replaced by a file, even by the superuser.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("germanbord10.bmp")));

    const QString error = writeKeyboardPictures(WorkingFolder(folder.path()), Nationality::German);

    QVERIFY2(error.contains(QStringLiteral("germanbord10.bmp")), qPrintable(error));
    QVERIFY(QFileInfo(QDir(folder.path()).filePath(QStringLiteral("germanbord10.bmp"))).isDir());
}

// The nationality is a byte of the student file; a damaged file must not bring the program down
// or write stray pictures.
void tst_PictureBuilder::refusesAnUnknownNationality() {
    QTemporaryDir folder;
    QVERIFY(copyBlankPictures(folder.path()));
    const auto unknown = static_cast<Nationality>(6);

    const QString error = writeKeyboardPictures(WorkingFolder(folder.path()), unknown);

    QVERIFY2(error.contains(QStringLiteral("6")), qPrintable(error));
    QCOMPARE(filesIn(folder.path()),
             (QStringList{QStringLiteral("intkeybord10.bmp"), QStringLiteral("keybord10.bmp")}));
    QVERIFY(keyboardPictureNames(unknown).labelled.isEmpty());
}

QTEST_MAIN(tst_PictureBuilder)
#include "tst_PictureBuilder.moc"
