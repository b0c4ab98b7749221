// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stuff.h"
#include "core/WorkingFolder.h"
#include "platform/doubles/RecordingSoundPlayer.h"
#include "students/RecordLayout.h"
#include "students/StudentRecord.h"
#include "tests/common/ShippedFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace kf;

Q_DECLARE_METATYPE(kf::KeyboardPicture::Status)

class tst_stuff : public QObject {
    Q_OBJECT

private slots:
    void schemeColoursTable_data();
    void schemeColoursTable();
    void paintFrame_data();
    void paintFrame();
    void paintBackground_data();
    void paintBackground();
    void paintingKeepsThePictureSize();
    void playSound_data();
    void playSound();
    void soundFilesAreFoundWithoutRegardToCase();
    void theSoundsReadiedAreTheOnesPlayed();
    void keyboardPictureName_data();
    void keyboardPictureName();
    void loadKeyboardPicture_data();
    void loadKeyboardPicture();
};

namespace {

constexpr QRgb kPaper = qRgb(254, 254, 246);
constexpr QRgb kScheme = qRgb(92, 152, 158);

// Opaque colour without the alpha byte, so that pictures of any 32-bit format compare.
QRgb rgbAt(const QImage& picture, int x, int y) {
    return picture.pixel(x, y) & RGB_MASK;
}

using Points = QList<QPoint>;

// A new student's record with the three sound switches as given.
StudentRecord soundSwitches(bool soundOn, bool beepOnError, bool keyTap) {
    StudentRecord record;
    record.applyCreateDefaults();
    record.setFlag(layout::kSoundOn, soundOn);
    record.setFlag(layout::kBeepOnError, beepOnError);
    record.setFlag(layout::kKeyTap, keyTap);
    return record;
}

} // namespace

void tst_stuff::schemeColoursTable_data() {
    QTest::addColumn<int>("scheme");
    QTest::addColumn<QColor>("frame");
    QTest::addColumn<QColor>("drillTitle");
    // The colours as red, green, blue, the way the options window names them.
    QTest::newRow("Green") << 0 << QColor(92, 152, 158) << QColor(67, 111, 116);
    QTest::newRow("Blue") << 1 << QColor(103, 130, 180) << QColor(60, 80, 151);
    QTest::newRow("Red: one colour for both") << 2 << QColor(201, 82, 123) << QColor(201, 82, 123);
    QTest::newRow("Purple") << 3 << QColor(172, 123, 171) << QColor(137, 65, 130);
    QTest::newRow("Brown") << 4 << QColor(157, 113, 113) << QColor(128, 64, 64);
    QTest::newRow("5 is Green") << 5 << QColor(92, 152, 158) << QColor(67, 111, 116);
    QTest::newRow("255 is Green") << 255 << QColor(92, 152, 158) << QColor(67, 111, 116);
}

void tst_stuff::schemeColoursTable() {
    QFETCH(int, scheme);
    QFETCH(QColor, frame);
    QFETCH(QColor, drillTitle);
    const SchemeColours colours = schemeColours(std::uint8_t(scheme));
    QCOMPARE(QColor::fromRgba(colours.frame), frame);
    QCOMPARE(QColor::fromRgba(colours.drillTitle), drillTitle);
}

void tst_stuff::paintFrame_data() {
    QTest::addColumn<int>("format");
    QTest::addColumn<Points>("paper");
    QTest::addColumn<Points>("frame");
    // A 40 x 20 picture: the frame's rectangle runs from (3, 3) to (38, 19) with the right and
    // bottom just outside, so its two-pixel pen covers columns 3-4 and 36-37, rows 3-4 and 17-18.
    const Points paper = {{0, 0},  {2, 2},  {2, 10},  {20, 2},  {5, 5},   {35, 16},
                          {20, 5}, {5, 10}, {38, 18}, {37, 19}, {39, 19}, {20, 16}};
    const Points frame = {{3, 3},   {4, 4},   {3, 18},  {4, 17}, {37, 3},  {36, 4},
                          {37, 18}, {36, 17}, {20, 3},  {20, 4}, {20, 17}, {20, 18},
                          {3, 10},  {4, 10},  {36, 10}, {37, 10}};
    QTest::newRow("32-bit picture") << int(QImage::Format_RGB32) << paper << frame;
    QTest::newRow("8-bit picture") << int(QImage::Format_Indexed8) << paper << frame;
    QTest::newRow("32-bit picture with alpha") << int(QImage::Format_ARGB32) << paper << frame;
}

void tst_stuff::paintFrame() {
    QFETCH(int, format);
    QFETCH(Points, paper);
    QFETCH(Points, frame);
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    picture = picture.convertToFormat(QImage::Format(format));

    kf::paintFrame(picture, kScheme);
    for (const QPoint& p : paper)
        QVERIFY2(rgbAt(picture, p.x(), p.y()) == (kPaper & RGB_MASK),
                 qPrintable(QStringLiteral("paper expected at %1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint& p : frame)
        QVERIFY2(rgbAt(picture, p.x(), p.y()) == (kScheme & RGB_MASK),
                 qPrintable(QStringLiteral("frame expected at %1,%2").arg(p.x()).arg(p.y())));
}

void tst_stuff::paintBackground_data() {
    QTest::addColumn<Points>("scheme");
    QTest::addColumn<Points>("paper");
    // A 40 x 20 picture: all scheme colour, then a paper frame from (4, 4) to (37, 17) with the
    // right and bottom just outside: columns 4-5 and 35-36, rows 4-5 and 15-16.
    QTest::newRow("40 x 20") << Points{{0, 0},   {3, 3},   {39, 19}, {37, 17}, {6, 6},
                                       {34, 14}, {20, 6},  {20, 14}, {3, 10},  {37, 10},
                                       {20, 3},  {20, 17}, {39, 0},  {0, 19}}
                             << Points{{4, 4},  {5, 5},  {36, 16}, {35, 15}, {4, 16},
                                       {36, 4}, {20, 4}, {20, 5},  {20, 15}, {20, 16},
                                       {4, 10}, {5, 10}, {35, 10}, {36, 10}};
}

void tst_stuff::paintBackground() {
    QFETCH(Points, scheme);
    QFETCH(Points, paper);
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));

    kf::paintBackground(picture, kScheme);
    for (const QPoint& p : scheme)
        QVERIFY2(rgbAt(picture, p.x(), p.y()) == (kScheme & RGB_MASK),
                 qPrintable(QStringLiteral("scheme expected at %1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint& p : paper)
        QVERIFY2(rgbAt(picture, p.x(), p.y()) == (kPaper & RGB_MASK),
                 qPrintable(QStringLiteral("paper expected at %1,%2").arg(p.x()).arg(p.y())));
}

void tst_stuff::paintingKeepsThePictureSize() {
    QImage frame(587, 283, QImage::Format_Indexed8);
    frame.setColorCount(2);
    kf::paintFrame(frame, kScheme);
    QCOMPARE(frame.size(), QSize(587, 283));
    QImage background(294, 220, QImage::Format_RGB32);
    kf::paintBackground(background, kScheme);
    QCOMPARE(background.size(), QSize(294, 220));
    QImage empty;
    kf::paintFrame(empty, kScheme); // a picture with no pixels stays as it is
    QVERIFY(empty.isNull());
}

void tst_stuff::playSound_data() {
    QTest::addColumn<bool>("device");
    QTest::addColumn<bool>("soundOn");
    QTest::addColumn<bool>("beepOnError");
    QTest::addColumn<bool>("keyTap");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("played");
    const QStringList none;
    const QStringList beep{QStringLiteral("beep")};
    auto file = [](const char* name) { return QStringList{QString::fromLatin1(name)}; };

    // A device, sound on: each code's file; the tap and the error also need their own switch.
    QTest::newRow("on: click") << true << true << true << true << 0 << file("click_2.wav");
    QTest::newRow("on: letter game 1") << true << true << true << true << 1 << none;
    QTest::newRow("on: streak") << true << true << true << true << 2 << file("streak2.wav");
    QTest::newRow("on: letter game 3") << true << true << true << true << 3 << none;
    QTest::newRow("on: start") << true << true << true << true << 4 << file("start.wav");
    QTest::newRow("on: done") << true << true << true << true << 5 << file("done.wav");
    QTest::newRow("on: 6 starts too") << true << true << true << true << 6 << file("start.wav");
    QTest::newRow("on: tap") << true << true << true << true << 7 << file("type2.wav");
    QTest::newRow("on: tap switched off") << true << true << true << false << 7 << none;
    QTest::newRow("on: error") << true << true << true << true << 8 << file("error.wav");
    QTest::newRow("on: error beep off") << true << true << false << true << 8 << none;
    QTest::newRow("on: click with beep off")
        << true << true << false << false << 0 << file("click_2.wav");
    QTest::newRow("on: unknown 9") << true << true << true << true << 9 << none;
    QTest::newRow("on: unknown -1") << true << true << true << true << -1 << none;

    // A device, sound off, beep on error on: only a miss is heard.
    QTest::newRow("off+beep: error") << true << false << true << true << 8 << file("error.wav");
    QTest::newRow("off+beep: click") << true << false << true << true << 0 << none;
    QTest::newRow("off+beep: tap") << true << false << true << true << 7 << none;
    QTest::newRow("off+beep: start") << true << false << true << true << 4 << none;
    QTest::newRow("off+beep: done") << true << false << true << true << 5 << none;

    // A device, sound and beep off: silence.
    QTest::newRow("off: error") << true << false << false << true << 8 << none;
    QTest::newRow("off: click") << true << false << false << true << 0 << none;
    QTest::newRow("off: tap") << true << false << false << true << 7 << none;

    // No device: a miss with sound on beeps, nothing else sounds.
    QTest::newRow("no device: error") << false << true << true << true << 8 << beep;
    QTest::newRow("no device: click") << false << true << true << true << 0 << none;
    QTest::newRow("no device: tap") << false << true << true << true << 7 << none;
    QTest::newRow("no device: done") << false << true << true << true << 5 << none;
    QTest::newRow("no device: error, sound off") << false << false << true << true << 8 << none;
    QTest::newRow("no device: error, beep off") << false << true << false << true << 8 << none;
}

void tst_stuff::playSound() {
    QFETCH(bool, device);
    QFETCH(bool, soundOn);
    QFETCH(bool, beepOnError);
    QFETCH(bool, keyTap);
    QFETCH(int, code);
    QFETCH(QStringList, played);

    QTemporaryDir dir;
    const WorkingFolder folder(dir.path());
    const StudentRecord record = soundSwitches(soundOn, beepOnError, keyTap);
    RecordingSoundPlayer player(device ? 1 : 0);

    kf::playSound({record, folder, device}, player, code);

    QStringList names;
    for (const QString& path : player.played) {
        if (path == QStringLiteral("beep")) {
            names.append(path);
            continue;
        }
        // Sounds come from the working folder.
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(dir.path()).absolutePath());
        names.append(QFileInfo(path).fileName());
    }
    QCOMPARE(names, played);
}

void tst_stuff::soundFilesAreFoundWithoutRegardToCase() {
    QTemporaryDir dir;
    QVERIFY(test::writeBytes(dir.filePath(QStringLiteral("Click_2.WAV")), "RIFF"));
    const WorkingFolder folder(dir.path());
    StudentRecord record;
    record.applyCreateDefaults();
    RecordingSoundPlayer player;

    kf::playSound({record, folder, true}, player, kSoundClick);

    QCOMPARE(player.played, QStringList{dir.filePath(QStringLiteral("Click_2.WAV"))});
}

// The player readies at start exactly the sounds the program may play, each once, so that no
// first sound waits for its file.
void tst_stuff::theSoundsReadiedAreTheOnesPlayed() {
    QTemporaryDir dir;
    for (const char* name : {"Click_2.WAV", "start.wav", "error.wav", "type2.wav", "lion2.wav"})
        QVERIFY(test::writeBytes(dir.filePath(QString::fromLatin1(name)), "RIFF"));
    const WorkingFolder folder(dir.path());
    const StudentRecord record = soundSwitches(true, true, true);
    RecordingSoundPlayer player;
    for (int code = 0; code < 9; ++code)
        kf::playSound({record, folder, true}, player, code);

    const QStringList readied = kf::eventSoundFiles(folder);
    QCOMPARE(readied, (QStringList{dir.filePath(QStringLiteral("Click_2.WAV")),
                                   dir.filePath(QStringLiteral("start.wav")),
                                   dir.filePath(QStringLiteral("type2.wav")),
                                   dir.filePath(QStringLiteral("error.wav"))}));
    // A sound whose file is missing plays nothing, so it needs no readying.
    player.played.removeIf([](const QString& path) { return !QFileInfo::exists(path); });
    player.played.removeDuplicates();
    std::sort(player.played.begin(), player.played.end());
    QStringList sortedReadied = readied;
    std::sort(sortedReadied.begin(), sortedReadied.end());
    QCOMPARE(player.played, sortedReadied);
}

void tst_stuff::keyboardPictureName_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("name");
    const char* const names[][2] = {
        {"keybord20.bmp", "keybord10.bmp"},         {"ukbord20.bmp", "ukbord10.bmp"},
        {"spanishbord20.bmp", "spanishbord10.bmp"}, {"germanbord20.bmp", "germanbord10.bmp"},
        {"italianbord20.bmp", "italianbord10.bmp"}, {"frenchbord20.bmp", "frenchbord10.bmp"},
    };
    for (int n = 0; n < 6; ++n) {
        QTest::addRow("%d shown", n) << n << true << QString::fromLatin1(names[n][0]);
        QTest::addRow("%d hidden", n) << n << false << QString::fromLatin1(names[n][1]);
    }
    QTest::newRow("6") << 6 << true << QString();
    QTest::newRow("255") << 255 << false << QString();
}

void tst_stuff::keyboardPictureName() {
    QFETCH(int, nationality);
    QFETCH(bool, shown);
    QFETCH(QString, name);
    QCOMPARE(kf::keyboardPictureName(std::uint8_t(nationality), shown), name);
}

void tst_stuff::loadKeyboardPicture_data() {
    QTest::addColumn<int>("nationality");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QStringList>("files"); // a name ending in "!" is written as a broken file
    QTest::addColumn<KeyboardPicture::Status>("status");
    QTest::addColumn<QString>("loaded"); // the file whose picture comes back
    QTest::addColumn<int>("nationalityAfter");
    QTest::addColumn<QString>("message");

    const QString fellBack = QStringLiteral(
        "If you are using one of the International Keyboards, it was not found. From the opening "
        "screen menu, select Additional/Keyboard Nationality to restore the keyboard. If this "
        "does not work, you may have to reinstall Keyfarer.");
    const QString missing = QStringLiteral(
        "One or more of the keyboard files are missing. You may need to reinstall Keyfarer.");
    const QStringList german = {QStringLiteral("germanbord20.bmp"),
                                QStringLiteral("germanbord10.bmp"), QStringLiteral("keybord20.bmp"),
                                QStringLiteral("keybord10.bmp")};
    const QStringList english = {QStringLiteral("keybord20.bmp"), QStringLiteral("keybord10.bmp")};
    using S = KeyboardPicture::Status;

    QTest::newRow("German shown") << 3 << true << german << S::Loaded
                                  << QStringLiteral("germanbord20.bmp") << 3 << QString();
    QTest::newRow("German hidden") << 3 << false << german << S::Loaded
                                   << QStringLiteral("germanbord10.bmp") << 3 << QString();
    QTest::newRow("Italian capital finds lower case")
        << 4 << true << QStringList{QStringLiteral("italianbord20.bmp")} << S::Loaded
        << QStringLiteral("italianbord20.bmp") << 4 << QString();
    QTest::newRow("French hidden finds lower case")
        << 5 << false << QStringList{QStringLiteral("frenchbord10.bmp")} << S::Loaded
        << QStringLiteral("frenchbord10.bmp") << 5 << QString();
    QTest::newRow("English US in capitals")
        << 0 << true << QStringList{QStringLiteral("KEYBORD20.BMP")} << S::Loaded
        << QStringLiteral("KEYBORD20.BMP") << 0 << QString();
    QTest::newRow("German missing: English US labelled")
        << 3 << true << english << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("German hidden missing: still the labelled one first")
        << 3 << false << english << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("German and keybord20 missing: keybord10")
        << 3 << true << QStringList{QStringLiteral("keybord10.bmp")} << S::FellBack
        << QStringLiteral("keybord10.bmp") << 0 << fellBack;
    QTest::newRow("English US labelled missing: keybord10")
        << 0 << true << QStringList{QStringLiteral("keybord10.bmp")} << S::FellBack
        << QStringLiteral("keybord10.bmp") << 0 << fellBack;
    QTest::newRow("broken German picture falls back")
        << 3 << true
        << QStringList{QStringLiteral("germanbord20.bmp!"), QStringLiteral("keybord20.bmp")}
        << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("nothing there")
        << 3 << true << QStringList{} << S::Missing << QString() << 3 << missing;
    QTest::newRow("only broken fallbacks")
        << 1 << true
        << QStringList{QStringLiteral("keybord20.bmp!"), QStringLiteral("keybord10.bmp!")}
        << S::Missing << QString() << 1 << missing;
    // A damaged file's nationality has no keyboard at all: the student gets the English US one
    // and is asked to choose, instead of a drill with no keyboard and no target.
    QTest::newRow("unknown nationality 6")
        << 6 << true << english << S::FellBack << QStringLiteral("keybord20.bmp") << 0 << fellBack;
    QTest::newRow("unknown nationality 255") << 255 << false << english << S::FellBack
                                             << QStringLiteral("keybord20.bmp") << 0 << fellBack;
}

void tst_stuff::loadKeyboardPicture() {
    QFETCH(int, nationality);
    QFETCH(bool, shown);
    QFETCH(QStringList, files);
    QFETCH(KeyboardPicture::Status, status);
    QFETCH(QString, loaded);
    QFETCH(int, nationalityAfter);
    QFETCH(QString, message);

    QTemporaryDir dir;
    QHash<QString, QRgb> colours;
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString name = files[i];
        if (name.endsWith(u'!')) {
            name.chop(1);
            QVERIFY(test::writeBytes(dir.filePath(name), QByteArrayLiteral("BM not a picture")));
            continue;
        }
        const QRgb colour = qRgb(int(40 * i), 200, int(250 - 40 * i));
        colours.insert(name, colour);
        QVERIFY(test::writePicture(dir.filePath(name), QSize(30, 12), colour));
    }
    StudentRecord record;
    record.applyCreateDefaults();
    record.setByte(layout::kNationality, std::uint8_t(nationality));
    record.setFlag(layout::kCharactersShown, shown);
    KeyboardPictureHistory history;

    const KeyboardPicture picture =
        kf::loadKeyboardPicture(record, WorkingFolder(dir.path()), history);

    QCOMPARE(picture.status, status);
    QCOMPARE(int(record.nationalityCode()), nationalityAfter);
    QCOMPARE(history.shown, !loaded.isEmpty());
    QCOMPARE(picture.message, message);
    if (loaded.isEmpty()) {
        QVERIFY(picture.image.isNull());
    } else {
        QCOMPARE(picture.image.size(), QSize(30, 12));
        QCOMPARE(picture.image.pixel(5, 5) & RGB_MASK, colours.value(loaded) & RGB_MASK);
    }
}

QTEST_GUILESS_MAIN(tst_stuff)
#include "tst_stuff.moc"
