// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ColourScheme.h"

#include <QTest>

using namespace kf;

class tst_ColourScheme : public QObject {
    Q_OBJECT

private slots:
    void schemeColoursTable_data();
    void schemeColoursTable();
    void paintFrame_data();
    void paintFrame();
    void paintBackground_data();
    void paintBackground();
    void paintingKeepsThePictureSize();
};

namespace {

constexpr QRgb kPaper = qRgb(254, 254, 246);
constexpr QRgb kScheme = qRgb(92, 152, 158);

// Opaque colour without the alpha byte, so that pictures of any 32-bit format compare.
QRgb rgbAt(const QImage& picture, int x, int y) {
    return picture.pixel(x, y) & RGB_MASK;
}

using Points = QList<QPoint>;

using Points = QList<QPoint>;

} // namespace

void tst_ColourScheme::schemeColoursTable_data() {
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

void tst_ColourScheme::schemeColoursTable() {
    QFETCH(int, scheme);
    QFETCH(QColor, frame);
    QFETCH(QColor, drillTitle);
    const SchemeColours colours = schemeColours(std::uint8_t(scheme));
    QCOMPARE(QColor::fromRgba(colours.frame), frame);
    QCOMPARE(QColor::fromRgba(colours.drillTitle), drillTitle);
}

void tst_ColourScheme::paintFrame_data() {
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

void tst_ColourScheme::paintFrame() {
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

void tst_ColourScheme::paintBackground_data() {
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

void tst_ColourScheme::paintBackground() {
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

void tst_ColourScheme::paintingKeepsThePictureSize() {
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

QTEST_GUILESS_MAIN(tst_ColourScheme)
#include "tst_ColourScheme.moc"
