// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures and sounds the build makes for the working folder.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

QString shippedPath(const QString& name) {
    return QDir(qEnvironmentVariable("KEYFARER_SHARE")).filePath(name);
}

QByteArray shippedBytes(const QString& name) {
    QFile file(shippedPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::uint32_t littleEndian(const QByteArray& bytes, qsizetype at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

const QStringList kKeyboardPictures{
    QStringLiteral("keybord10.bmp"),     QStringLiteral("intkeybord10.bmp"),
    QStringLiteral("keybord20.bmp"),     QStringLiteral("ukbord20.bmp"),
    QStringLiteral("ukbord10.bmp"),      QStringLiteral("spanishbord20.bmp"),
    QStringLiteral("spanishbord10.bmp"), QStringLiteral("germanbord20.bmp"),
    QStringLiteral("germanbord10.bmp"),  QStringLiteral("italianbord20.bmp"),
    QStringLiteral("italianbord10.bmp"), QStringLiteral("frenchbord20.bmp"),
    QStringLiteral("frenchbord10.bmp"),
};
const QStringList kDrillSounds{QStringLiteral("click_2.wav"), QStringLiteral("start.wav"),
                               QStringLiteral("done.wav"), QStringLiteral("type2.wav"),
                               QStringLiteral("error.wav")};
const QStringList kLetterGameSounds{QStringLiteral("caught.wav"), QStringLiteral("explode1.wav"),
                                    QStringLiteral("streak2.wav"), QStringLiteral("lion2.wav"),
                                    QStringLiteral("lazer4.wav")};

// The samples of a 16-bit mono PCM WAV file, or why it is not one.
struct Wave {
    std::vector<std::int16_t> samples;
    int rate = 0;
    QString fault;
};

Wave readWave(const QByteArray& bytes) {
    Wave wave;
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        wave.fault = QStringLiteral("not a RIFF WAVE file");
        return wave;
    }
    if (littleEndian(bytes, 4, 4) + 8 != static_cast<std::uint32_t>(bytes.size())) {
        wave.fault = QStringLiteral("RIFF size does not match the file");
        return wave;
    }
    qsizetype at = 12;
    bool format = false;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = littleEndian(bytes, at + 4, 4);
        const qsizetype body = at + 8;
        if (body + size > static_cast<std::uint32_t>(bytes.size())) {
            wave.fault = QStringLiteral("chunk '%1' runs past the end").arg(QLatin1String(id));
            return wave;
        }
        if (id == "fmt ") {
            const bool pcm16Mono = size >= 16 && littleEndian(bytes, body, 2) == 1 &&
                                   littleEndian(bytes, body + 2, 2) == 1 &&
                                   littleEndian(bytes, body + 14, 2) == 16;
            if (!pcm16Mono) {
                wave.fault = QStringLiteral("not 16-bit mono PCM");
                return wave;
            }
            wave.rate = static_cast<int>(littleEndian(bytes, body + 4, 4));
            format = true;
        } else if (id == "data") {
            if (!format) {
                wave.fault = QStringLiteral("data before format");
                return wave;
            }
            for (qsizetype i = body; i + 1 < body + size; i += 2)
                wave.samples.push_back(static_cast<std::int16_t>(littleEndian(bytes, i, 2)));
            return wave;
        }
        at = body + size + (size % 2);
    }
    wave.fault = QStringLiteral("no data chunk");
    return wave;
}

std::size_t silentTail(const std::vector<std::int16_t>& samples) {
    std::size_t count = 0;
    for (auto it = samples.rbegin(); it != samples.rend() && *it == 0; ++it)
        ++count;
    return count;
}

// A key rectangle in the key table's coordinates (right inclusive, bottom exclusive) and the
// pixel where its face shows.
struct Slot {
    const char* name;
    int left;
    int top;
    int right;
    int bottom;
};

// clang-format off
constexpr Slot kSharedSlots[] = {
    {"N0", 15, 14, 47, 52}, {"N1", 52, 14, 84, 52}, {"N2", 89, 14, 121, 52},
    {"N3", 126, 14, 158, 52}, {"N4", 163, 14, 195, 52}, {"N5", 200, 14, 232, 52},
    {"N6", 237, 14, 269, 52}, {"N7", 274, 14, 306, 52}, {"N8", 311, 14, 343, 52},
    {"N9", 348, 14, 380, 52}, {"N10", 385, 14, 417, 52}, {"N11", 422, 14, 454, 52},
    {"N12", 459, 14, 491, 52},
    {"T0", 70, 56, 102, 94}, {"T1", 107, 56, 139, 94}, {"T2", 144, 56, 176, 94},
    {"T3", 181, 56, 213, 94}, {"T4", 218, 56, 250, 94}, {"T5", 255, 56, 287, 94},
    {"T6", 292, 56, 324, 94}, {"T7", 329, 56, 361, 94}, {"T8", 366, 56, 398, 94},
    {"T9", 403, 56, 435, 94}, {"T10", 440, 56, 472, 94}, {"T11", 477, 56, 509, 94},
    {"H0", 81, 98, 113, 136}, {"H1", 118, 98, 150, 136}, {"H2", 155, 98, 187, 136},
    {"H3", 192, 98, 224, 136}, {"H4", 229, 98, 261, 136}, {"H5", 266, 98, 298, 136},
    {"H6", 303, 98, 335, 136}, {"H7", 340, 98, 373, 136}, {"H8", 377, 98, 410, 136},
    {"H9", 414, 98, 446, 136}, {"H10", 451, 98, 484, 136},
    {"B1", 101, 140, 133, 178}, {"B2", 138, 140, 170, 178}, {"B3", 175, 140, 207, 178},
    {"B4", 212, 140, 244, 178}, {"B5", 248, 140, 280, 178}, {"B6", 285, 140, 317, 178},
    {"B7", 322, 140, 354, 178}, {"B8", 359, 140, 391, 178}, {"B9", 396, 140, 428, 178},
    {"B10", 433, 140, 465, 178},
};
// The wide key at the end of the top row; the modifiers the key highlighting marks (their
// highlight rectangles).
constexpr Slot kEnglishUSSlots[] = {
    {"T12", 515, 56, 568, 94}, {"Enter", 491, 100, 568, 134},
    {"left Shift", 18, 143, 92, 175}, {"right Shift", 474, 143, 567, 175},
};
constexpr Slot kInternationalSlots[] = {
    {"H11", 488, 98, 519, 136}, {"B0", 63, 140, 95, 178}, {"Enter", 525, 98, 568, 135},
    {"left Shift", 17, 142, 57, 175}, {"right Shift", 474, 143, 567, 175},
    {"Alt Gr", 452, 184, 498, 217},
};
// clang-format on

bool isKeyFace(QRgb pixel) {
    return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

} // namespace

class tst_ShippedFiles : public QObject {
    Q_OBJECT

private slots:
    void everyFileIsThere_data();
    void everyFileIsThere();
    void pictures_data();
    void pictures();
    void keysOnEverySlot_data();
    void keysOnEverySlot();
    void sounds_data();
    void sounds();
    void drillSoundsDiffer();
    void programIcon_data();
    void programIcon();
    void scalableProgramIcon();
};

void tst_ShippedFiles::everyFileIsThere_data() {
    QTest::addColumn<QString>("name");
    const QStringList others{QStringLiteral("up.bmp"),       QStringLiteral("down.bmp"),
                             QStringLiteral("logo.bmp"),     QStringLiteral("hint.bmp"),
                             QStringLiteral("about.bmp"),    QStringLiteral("title.bmp"),
                             QStringLiteral("sideleft.bmp"), QStringLiteral("sideright.bmp")};
    for (const QStringList& names : {kKeyboardPictures, others, kDrillSounds, kLetterGameSounds})
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name;
}

void tst_ShippedFiles::everyFileIsThere() {
    QFETCH(QString, name);
    QVERIFY2(!qEnvironmentVariableIsEmpty("KEYFARER_SHARE"), "KEYFARER_SHARE is not set");
    QVERIFY2(QFile::exists(shippedPath(name)), qPrintable(shippedPath(name)));
}

void tst_ShippedFiles::pictures_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const QString& name : kKeyboardPictures)
        QTest::newRow(qPrintable(name)) << name << QSize(587, 283);
    QTest::newRow("logo") << QStringLiteral("logo.bmp") << QSize(499, 233);
    QTest::newRow("hint") << QStringLiteral("hint.bmp") << QSize(28, 22);
    QTest::newRow("up") << QStringLiteral("up.bmp") << QSize(16, 16);
    QTest::newRow("down") << QStringLiteral("down.bmp") << QSize(16, 16);
    QTest::newRow("about") << QStringLiteral("about.bmp") << QSize(96, 96);
    QTest::newRow("title") << QStringLiteral("title.bmp") << QSize(800, 317);
    QTest::newRow("left side") << QStringLiteral("sideleft.bmp") << QSize(106, 283);
    QTest::newRow("right side") << QStringLiteral("sideright.bmp") << QSize(107, 283);
}

// Uncompressed 24-bit BMPs of the published sizes, read from their headers.
void tst_ShippedFiles::pictures() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QByteArray bytes = shippedBytes(name);
    QVERIFY2(bytes.size() > 54 && bytes.startsWith("BM"), qPrintable(name));
    QCOMPARE(littleEndian(bytes, 2, 4), std::uint32_t(bytes.size()));
    QCOMPARE(int(littleEndian(bytes, 18, 4)), size.width());
    QCOMPARE(int(std::int32_t(littleEndian(bytes, 22, 4))), size.height());
    QCOMPARE(littleEndian(bytes, 28, 2), 24u);
    QCOMPARE(littleEndian(bytes, 30, 4), 0u);
    const QImage image(shippedPath(name), "BMP");
    QCOMPARE(image.size(), size);
}

void tst_ShippedFiles::keysOnEverySlot_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QRect>("rect");
    const auto add = [](const QString& picture, const Slot& s) {
        QTest::addRow("%s %s", qPrintable(picture), s.name)
            << picture << QString::fromLatin1(s.name)
            << QRect(QPoint(s.left, s.top), QPoint(s.right, s.bottom - 1));
    };
    for (const QString& picture :
         {QStringLiteral("keybord10.bmp"), QStringLiteral("intkeybord10.bmp")})
        for (const Slot& slot : kSharedSlots)
            add(picture, slot);
    for (const Slot& slot : kEnglishUSSlots)
        add(QStringLiteral("keybord10.bmp"), slot);
    for (const Slot& slot : kInternationalSlots)
        add(QStringLiteral("intkeybord10.bmp"), slot);
}

// A key face shows near the top of every rectangle the drills mark, and no face reaches past
// its left edge, where the gap to the next key or the case shows.
void tst_ShippedFiles::keysOnEverySlot() {
    QFETCH(QString, picture);
    QFETCH(QString, slot);
    QFETCH(QRect, rect);
    const QImage image(shippedPath(picture), "BMP");
    QVERIFY(!image.isNull());
    const int faceY = rect.top() + 6;
    const QPoint faceLeft(rect.left() + 6, faceY);
    const QPoint faceRight(rect.right() - 6, faceY);
    QVERIFY2(isKeyFace(image.pixel(faceLeft)), qPrintable(slot));
    QVERIFY2(isKeyFace(image.pixel(faceRight)), qPrintable(slot));
    QVERIFY2(!isKeyFace(image.pixel(rect.left() - 3, rect.center().y())), qPrintable(slot));
}

void tst_ShippedFiles::sounds_data() {
    QTest::addColumn<QString>("name");
    for (const QStringList& names : {kDrillSounds, kLetterGameSounds})
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name;
}

// Short, audible, and ending in at least 150 ms of silence: the sound player cuts about 110 ms
// from the end of every sound.
void tst_ShippedFiles::sounds() {
    QFETCH(QString, name);
    const Wave wave = readWave(shippedBytes(name));
    QVERIFY2(wave.fault.isEmpty(), qPrintable(wave.fault));
    QVERIFY(wave.rate >= 8000);
    const double seconds = double(wave.samples.size()) / wave.rate;
    QVERIFY2(seconds <= 1.5, qPrintable(QString::number(seconds)));
    QVERIFY(silentTail(wave.samples) >= std::size_t(wave.rate * 0.15));
    int loudest = 0;
    for (const std::int16_t sample : wave.samples)
        loudest = std::max(loudest, std::abs(int(sample)));
    QVERIFY2(loudest >= 3000, qPrintable(QString::number(loudest)));
    QVERIFY2(loudest < 32767, "the sound is clipped");
}

// Click, start, end of set, key tap and error must be told apart by ear: any two of them differ
// by at least a fifth in how long they sound or in how high (crossings of zero per second).
void tst_ShippedFiles::drillSoundsDiffer() {
    struct Character {
        double seconds;
        double crossingsPerSecond;
    };
    std::vector<Character> sounds;
    for (const QString& name : kDrillSounds) {
        Wave wave = readWave(shippedBytes(name));
        QVERIFY2(wave.fault.isEmpty(), qPrintable(name));
        wave.samples.resize(wave.samples.size() - silentTail(wave.samples));
        int crossings = 0;
        for (std::size_t i = 1; i < wave.samples.size(); ++i)
            crossings += (wave.samples[i - 1] < 0) != (wave.samples[i] < 0);
        const double seconds = double(wave.samples.size()) / wave.rate;
        sounds.push_back({seconds, crossings / seconds});
    }
    const auto apart = [](double x, double y) { return std::abs(x - y) >= 0.2 * std::max(x, y); };
    for (std::size_t a = 0; a < sounds.size(); ++a) {
        for (std::size_t b = a + 1; b < sounds.size(); ++b) {
            const bool distinct = apart(sounds[a].seconds, sounds[b].seconds) ||
                                  apart(sounds[a].crossingsPerSecond, sounds[b].crossingsPerSecond);
            QVERIFY2(distinct,
                     qPrintable(QStringLiteral("%1 sounds like %2")
                                    .arg(kDrillSounds[qsizetype(a)], kDrillSounds[qsizetype(b)])));
        }
    }
}

namespace {

// The icon theme folder the build fills beside share/keyfarer, as an installation has it.
QString iconPath(const QString& size, const QString& extension) {
    return QDir(qEnvironmentVariable("KEYFARER_SHARE"))
        .filePath(QStringLiteral("../icons/hicolor/%1/apps/org.example.keyfarer.%2")
                      .arg(size, extension));
}

} // namespace

void tst_ShippedFiles::programIcon_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

// Square, of the size its folder names, on a transparent ground with an opaque key in the middle.
void tst_ShippedFiles::programIcon() {
    QFETCH(int, size);
    const QString path = iconPath(QStringLiteral("%1x%1").arg(size), QStringLiteral("png"));
    const QImage icon(path);
    QVERIFY2(!icon.isNull(), qPrintable(path));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(qAlpha(icon.pixel(0, size - 1)), 0);
    QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
}

void tst_ShippedFiles::scalableProgramIcon() {
    QFile file(iconPath(QStringLiteral("scalable"), QStringLiteral("svg")));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray svg = file.readAll();
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("viewBox=\"0 0 96 96\""));
    // Shapes only: a text element would depend on the fonts of the desktop showing it.
    QVERIFY(!svg.contains("<text"));
    QVERIFY(svg.contains("<path"));
}

QTEST_GUILESS_MAIN(tst_ShippedFiles)
#include "tst_ShippedFiles.moc"
