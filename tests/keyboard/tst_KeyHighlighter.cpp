// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyHighlighter.h"
#include "tests/keyboard/TestCurrentKey.h"

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QTest>

using namespace kf;

namespace {

// Colours as published, red, green, blue.
const QRgb kGreenFill = qRgb(112, 180, 126);
const QRgb kGreenOutline = qRgb(65, 131, 86);
const QRgb kGreenBevel = qRgb(185, 221, 186);
const QRgb kBlueFill = qRgb(125, 149, 191);
const QRgb kBlueOutline = qRgb(86, 98, 175);
const QRgb kBlueBevel = qRgb(168, 185, 223);
const QRgb kYellowFill = qRgb(239, 241, 160);
const QRgb kRedOutline = qRgb(206, 30, 48);
const QRgb kBlack = qRgb(0, 0, 0);

constexpr qint64 kUnchanged = -1;

using test::currentKeyFor;
using test::keyboardPicture;

// The closing Enter of a set, with the marks of the last target still in the current key.
CurrentKey enterStepKey() {
    CurrentKey key = currentKeyFor(QStringLiteral("a"), Nationality::EnglishUS);
    key.character = 13;
    key.deadAcute = true;
    key.deadGrave = true;
    key.altGr = true;
    return key;
}

struct Scene {
    CurrentKey key;
    HighlightContext context;
};

Scene scene(const QString& name) {
    if (name == QStringLiteral("A, English US"))
        return {currentKeyFor(QStringLiteral("A"), Nationality::EnglishUS), {}};
    if (name == QStringLiteral("H, English US"))
        return {currentKeyFor(QStringLiteral("H"), Nationality::EnglishUS), {}};
    if (name == QStringLiteral("H, German"))
        return {currentKeyFor(QStringLiteral("H"), Nationality::German),
                {false, Nationality::German, false}};
    if (name == QStringLiteral("é, Spanish"))
        return {currentKeyFor(QStringLiteral("é"), Nationality::Spanish),
                {false, Nationality::Spanish, false}};
    if (name == QStringLiteral("ò, Spanish"))
        return {currentKeyFor(QStringLiteral("ò"), Nationality::Spanish),
                {false, Nationality::Spanish, false}};
    if (name == QStringLiteral("@, German"))
        return {currentKeyFor(QStringLiteral("@"), Nationality::German),
                {false, Nationality::German, false}};
    if (name == QStringLiteral("Enter, English US"))
        return {enterStepKey(), {true, Nationality::EnglishUS, false}};
    if (name == QStringLiteral("Enter, German"))
        return {enterStepKey(), {true, Nationality::German, false}};
    qFatal("unknown scene");
}

QImage drawn(const Scene& s) {
    QImage picture = keyboardPicture();
    drawHighlights(picture, s.key, s.context);
    return picture;
}

// The bounding box of the black text pixels inside an area.
QRect inkBox(const QImage& picture, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 60)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class tst_KeyHighlighter : public QObject {
    Q_OBJECT

private slots:
    void pixels_data();
    void pixels();
    void labelIsBlackAndSmallerOnLargeFontScreens();
    void modifierNamesAreWritten_data();
    void modifierNamesAreWritten();
    void marksDifferInShapeInGrey_data();
    void marksDifferInShapeInGrey();
};

void tst_KeyHighlighter::pixels_data() {
    QTest::addColumn<QString>("sceneName");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<qint64>("expected");

    auto row = [](const char* tag, const char* name, QPoint point, qint64 expected) {
        QTest::newRow(tag) << QString::fromUtf8(name) << point << expected;
    };

    // "A": H0 (81, 98)-(113, 136) in green, drawn one pixel wider than the key; 3-pixel outline
    // around columns 81..113 and rows 98..135.
    row("A: inside H0", "A, English US", {105, 125}, kGreenFill);
    row("A: H0 top bevel", "A, English US", {100, 98}, kGreenBevel);
    row("A: H0 top bevel, 2-pixel row", "A, English US", {100, 99}, kGreenBevel);
    row("A: H0 left bevel, inner column", "A, English US", {83, 120}, kGreenBevel);
    row("A: H0 just right of the bevel", "A, English US", {84, 120}, kGreenFill);
    row("A: H0 outline, left outside", "A, English US", {80, 120}, kGreenOutline);
    row("A: H0 outline, right edge + 1", "A, English US", {114, 120}, kGreenOutline);
    row("A: H0 outline, right inner", "A, English US", {112, 120}, kGreenOutline);
    row("A: H0 just inside the right outline", "A, English US", {111, 120}, kGreenFill);
    row("A: H0 outline, bottom", "A, English US", {100, 136}, kGreenOutline);
    row("A: H0 just above the bottom outline", "A, English US", {100, 133}, kGreenFill);
    row("A: left of H0", "A, English US", {79, 120}, kUnchanged);
    row("A: right of H0", "A, English US", {115, 120}, kUnchanged);
    row("A: below H0", "A, English US", {100, 137}, kUnchanged);
    row("A: above H0", "A, English US", {100, 96}, kUnchanged);
    // Right Shift (474, 143)-(568, 175), 2-pixel red outline.
    row("A: inside right Shift", "A, English US", {540, 170}, kYellowFill);
    row("A: right Shift, left outline", "A, English US", {473, 160}, kRedOutline);
    row("A: right Shift, left outline inner", "A, English US", {474, 160}, kRedOutline);
    row("A: right Shift, first fill column", "A, English US", {475, 160}, kYellowFill);
    row("A: right Shift, right outline", "A, English US", {567, 160}, kRedOutline);
    row("A: right Shift, right outline inner", "A, English US", {566, 160}, kRedOutline);
    row("A: right Shift, last fill column", "A, English US", {565, 160}, kYellowFill);
    row("A: right Shift, top outline", "A, English US", {520, 142}, kRedOutline);
    row("A: right Shift, bottom outline", "A, English US", {520, 174}, kRedOutline);
    row("A: left of right Shift", "A, English US", {472, 160}, kUnchanged);
    row("A: right of right Shift", "A, English US", {568, 160}, kUnchanged);
    row("A: above right Shift", "A, English US", {520, 141}, kUnchanged);
    row("A: below right Shift", "A, English US", {520, 175}, kUnchanged);
    row("A: right Shift arrow stem", "A, English US", {484, 163}, kBlack);
    row("A: right Shift arrow head", "A, English US", {486, 153}, kBlack);
    row("A: no left Shift", "A, English US", {50, 170}, kUnchanged);
    row("A: no Alt Gr", "A, English US", {490, 212}, kUnchanged);
    row("A: no Enter", "A, English US", {560, 128}, kUnchanged);

    // "H" needs the left Shift: the long one with its arrow on English US, the short one beside
    // the extra key elsewhere.
    row("H US: inside left Shift", "H, English US", {60, 170}, kYellowFill);
    row("H US: left Shift, left outline", "H, English US", {17, 160}, kRedOutline);
    row("H US: left Shift, right outline", "H, English US", {92, 160}, kRedOutline);
    row("H US: left of left Shift", "H, English US", {16, 160}, kUnchanged);
    row("H US: right of left Shift", "H, English US", {93, 160}, kUnchanged);
    row("H US: left Shift arrow stem", "H, English US", {31, 162}, kBlack);
    row("H US: no right Shift", "H, English US", {540, 170}, kUnchanged);
    row("H DE: inside short left Shift", "H, German", {40, 170}, kYellowFill);
    row("H DE: short left Shift, left outline", "H, German", {16, 160}, kRedOutline);
    row("H DE: short left Shift, right outline", "H, German", {57, 160}, kRedOutline);
    row("H DE: short left Shift, top outline", "H, German", {40, 141}, kRedOutline);
    row("H DE: left of short left Shift", "H, German", {15, 160}, kUnchanged);
    row("H DE: right of short left Shift", "H, German", {58, 160}, kUnchanged);
    row("H US: left Shift arrow foot", "H, English US", {33, 166}, kBlack);
    row("H DE: no arrow", "H, German", {33, 166}, kYellowFill);

    // é on Spanish: the acute key (451, 98)-(484, 136) in blue, then T2 in green.
    row("é: inside the acute key", "é, Spanish", {470, 130}, kBlueFill);
    row("é: acute key top bevel", "é, Spanish", {460, 98}, kBlueBevel);
    row("é: acute key left bevel", "é, Spanish", {453, 120}, kBlueBevel);
    row("é: acute key, left outline", "é, Spanish", {450, 120}, kBlueOutline);
    row("é: acute key, right outline", "é, Spanish", {484, 120}, kBlueOutline);
    row("é: left of the acute key", "é, Spanish", {449, 120}, kUnchanged);
    row("é: right of the acute key", "é, Spanish", {485, 120}, kUnchanged);
    row("é: inside T2", "é, Spanish", {170, 85}, kGreenFill);
    row("é: T2 top bevel", "é, Spanish", {165, 56}, kGreenBevel);
    row("é: T2 outline right", "é, Spanish", {177, 75}, kGreenOutline);
    row("é: right of T2", "é, Spanish", {178, 75}, kUnchanged);
    row("é: no grave key", "é, Spanish", {465, 88}, kUnchanged);
    row("é: no Shift", "é, Spanish", {540, 170}, kUnchanged);

    // ò on Spanish: the grave key (440, 56)-(473, 94) in blue.
    row("ò: inside the grave key", "ò, Spanish", {465, 88}, kBlueFill);
    row("ò: grave key top bevel", "ò, Spanish", {460, 56}, kBlueBevel);
    row("ò: grave key, left outline", "ò, Spanish", {439, 75}, kBlueOutline);
    row("ò: grave key, right outline", "ò, Spanish", {473, 75}, kBlueOutline);
    row("ò: left of the grave key", "ò, Spanish", {438, 75}, kUnchanged);
    row("ò: right of the grave key", "ò, Spanish", {474, 75}, kUnchanged);
    row("ò: no acute key", "ò, Spanish", {470, 130}, kUnchanged);
    row("ò: inside T8", "ò, Spanish", {392, 88}, kGreenFill);

    // @ on German: T0 in green and Alt Gr (452, 184)-(499, 217).
    row("@: inside T0", "@, German", {95, 88}, kGreenFill);
    row("@: inside Alt Gr", "@, German", {490, 212}, kYellowFill);
    row("@: Alt Gr first fill column", "@, German", {453, 200}, kYellowFill);
    row("@: Alt Gr, left outline", "@, German", {451, 200}, kRedOutline);
    row("@: Alt Gr, right outline", "@, German", {498, 200}, kRedOutline);
    row("@: Alt Gr, top outline", "@, German", {470, 183}, kRedOutline);
    row("@: Alt Gr, bottom outline", "@, German", {470, 216}, kRedOutline);
    row("@: left of Alt Gr", "@, German", {450, 200}, kUnchanged);
    row("@: right of Alt Gr", "@, German", {499, 200}, kUnchanged);
    row("@: above Alt Gr", "@, German", {470, 182}, kUnchanged);
    row("@: below Alt Gr", "@, German", {470, 217}, kUnchanged);

    // The closing Enter: only the Enter key, whatever marks the last target left behind.
    row("Enter US: inside Enter", "Enter, English US", {560, 128}, kYellowFill);
    row("Enter US: left part of Enter", "Enter, English US", {495, 128}, kYellowFill);
    row("Enter US: left outline", "Enter, English US", {490, 115}, kRedOutline);
    row("Enter US: right outline", "Enter, English US", {568, 115}, kRedOutline);
    row("Enter US: top outline", "Enter, English US", {540, 99}, kRedOutline);
    row("Enter US: bottom outline", "Enter, English US", {540, 133}, kRedOutline);
    row("Enter US: left of Enter", "Enter, English US", {489, 115}, kUnchanged);
    row("Enter US: right of Enter", "Enter, English US", {569, 115}, kUnchanged);
    row("Enter US: above Enter", "Enter, English US", {540, 98}, kUnchanged);
    row("Enter US: below Enter", "Enter, English US", {540, 134}, kUnchanged);
    row("Enter US: 2-pixel arrow stem", "Enter, English US", {518, 118}, kBlack);
    row("Enter US: 2-pixel arrow stem, second column", "Enter, English US", {519, 118}, kBlack);
    row("Enter US: 2-pixel arrow shaft", "Enter, English US", {510, 122}, kBlack);
    row("Enter US: arrow head", "Enter, English US", {502, 121}, kBlack);
    row("Enter US: no target", "Enter, English US", {105, 125}, kUnchanged);
    row("Enter US: no acute key", "Enter, English US", {470, 130}, kUnchanged);
    row("Enter US: no grave key", "Enter, English US", {465, 88}, kUnchanged);
    row("Enter US: no Alt Gr", "Enter, English US", {490, 212}, kUnchanged);
    row("Enter DE: inside Enter", "Enter, German", {560, 128}, kYellowFill);
    row("Enter DE: first fill column", "Enter, German", {527, 130}, kYellowFill);
    row("Enter DE: first fill row", "Enter, German", {540, 99}, kYellowFill);
    row("Enter DE: left outline", "Enter, German", {524, 115}, kRedOutline);
    row("Enter DE: top outline", "Enter, German", {540, 97}, kRedOutline);
    row("Enter DE: bottom outline", "Enter, German", {540, 134}, kRedOutline);
    row("Enter DE: left of Enter", "Enter, German", {523, 115}, kUnchanged);
    row("Enter DE: below Enter", "Enter, German", {540, 135}, kUnchanged);
    row("Enter DE: not the English width", "Enter, German", {495, 128}, kUnchanged);
    row("Enter DE: no arrow", "Enter, German", {518, 118}, kUnchanged);
    row("Enter DE: no target", "Enter, German", {105, 125}, kUnchanged);
    row("Enter DE: no Alt Gr", "Enter, German", {490, 212}, kUnchanged);
}

void tst_KeyHighlighter::pixels() {
    QFETCH(QString, sceneName);
    QFETCH(QPoint, point);
    QFETCH(qint64, expected);

    const QImage before = keyboardPicture();
    const QImage after = drawn(scene(sceneName));
    const QRgb want = expected == kUnchanged ? before.pixel(point) : QRgb(expected);
    QCOMPARE(QColor(after.pixel(point)).name(), QColor(want).name());
}

void tst_KeyHighlighter::labelIsBlackAndSmallerOnLargeFontScreens() {
    Scene s = scene(QStringLiteral("A, English US"));
    s.key = currentKeyFor(QStringLiteral("W"), Nationality::EnglishUS);
    const QRect keyInside(74, 60, 26, 26); // T1 less its outline, bevel and underline

    const QImage normal = drawn(s);
    s.context.largeFont = true;
    const QImage large = drawn(s);

    const QRect normalInk = inkBox(normal, keyInside.translated(37, 0));
    const QRect largeInk = inkBox(large, keyInside.translated(37, 0));
    QVERIFY2(!normalInk.isEmpty(), "no black label on the target key");
    QVERIFY(!largeInk.isEmpty());
    QVERIFY(largeInk.height() <= normalInk.height());
    QVERIFY(largeInk.width() <= normalInk.width());
    QVERIFY2(largeInk.height() < normalInk.height() || largeInk.width() < normalInk.width(),
             "large-font screens get the smaller label");
    // The label's line starts at the label point (114, 58): the W's ink begins just inside it.
    QVERIFY2(normalInk.left() >= 114 && normalInk.left() <= 117, "label placed by its point");
    QVERIFY2(normalInk.top() >= 59 && normalInk.top() <= 64, "label placed by its point");
}

void tst_KeyHighlighter::modifierNamesAreWritten_data() {
    QTest::addColumn<QString>("sceneName");
    QTest::addColumn<QRect>("nameArea");

    QTest::newRow("Shift (right)") << QStringLiteral("A, English US") << QRect(495, 151, 30, 13);
    QTest::newRow("Shift (left, English US)")
        << QStringLiteral("H, English US") << QRect(43, 151, 30, 13);
    QTest::newRow("Shift (left, short)") << QStringLiteral("H, German") << QRect(22, 151, 30, 13);
    QTest::newRow("Alt Gr") << QStringLiteral("@, German") << QRect(459, 194, 36, 13);
    QTest::newRow("Enter (English US)")
        << QStringLiteral("Enter, English US") << QRect(525, 111, 33, 13);
    QTest::newRow("Enter (tall)") << QStringLiteral("Enter, German") << QRect(530, 111, 33, 13);
}

void tst_KeyHighlighter::modifierNamesAreWritten() {
    QFETCH(QString, sceneName);
    QFETCH(QRect, nameArea);

    const QImage picture = drawn(scene(sceneName));
    // Left of the names of the English keys are their arrows: no margin on that side.
    const QRect ink = inkBox(picture, nameArea.adjusted(-1, -4, 4, 4));
    QVERIFY2(ink.width() > nameArea.width() / 2, "the key's name is written across the key");
    QVERIFY2(nameArea.adjusted(-1, -1, 1, 1).contains(ink), "the name starts at its point");
}

// Seen in grey, the target, a key to press first and a key to hold still differ: a solid
// underline, a dashed one, and notched top corners, none of which the unmarked picture has.
void tst_KeyHighlighter::marksDifferInShapeInGrey_data() {
    QTest::addColumn<QString>("sceneName");
    QTest::addColumn<QRect>("targetBar"); // the target's underline
    QTest::addColumn<QRect>("dashedBar"); // the dead key's underline, or empty
    QTest::addColumn<QPoint>("notch");    // a top corner of a held key, or (-1, -1)

    // T2 (144, 56)-(176, 94) and the acute key (451, 98)-(483, 136) for é.
    QTest::newRow("é, Spanish") << QStringLiteral("é, Spanish") << QRect(150, 89, 21, 2)
                                << QRect(457, 131, 21, 2) << QPoint(-1, -1);
    // H0 (81, 98)-(113, 136) for A, with the right Shift (474, 143)-(568, 175).
    QTest::newRow("A, English US")
        << QStringLiteral("A, English US") << QRect(87, 131, 21, 2) << QRect() << QPoint(476, 145);
    QTest::newRow("@, German Alt Gr")
        << QStringLiteral("@, German") << QRect() << QRect() << QPoint(496, 185);
}

void tst_KeyHighlighter::marksDifferInShapeInGrey() {
    QFETCH(QString, sceneName);
    QFETCH(QRect, targetBar);
    QFETCH(QRect, dashedBar);
    QFETCH(QPoint, notch);

    const QImage before = keyboardPicture().convertToFormat(QImage::Format_Grayscale8);
    const QImage grey = drawn(scene(sceneName)).convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [](const QImage& image, QPoint p) { return qGray(image.pixel(p)) < 60; };

    for (int y = targetBar.top(); y <= targetBar.bottom(); ++y)
        for (int x = targetBar.left(); x <= targetBar.right(); ++x)
            QVERIFY2(dark(grey, {x, y}) && !dark(before, {x, y}),
                     qPrintable(QStringLiteral("target underline at %1,%2").arg(x).arg(y)));

    if (!dashedBar.isEmpty()) {
        int dashes = 0;
        bool inDash = false;
        for (int x = dashedBar.left(); x <= dashedBar.right(); ++x) {
            const bool d = dark(grey, {x, dashedBar.top()});
            dashes += d && !inDash ? 1 : 0;
            inDash = d;
        }
        QVERIFY2(dashes >= 3, "a key to press first has a dashed underline, not a solid one");
    }

    if (notch.x() >= 0) {
        QVERIFY2(dark(grey, notch) && !dark(before, notch), "a held key has notched corners");
        // The notch is a corner, not a frame: further along the top edge stays light.
        QVERIFY(!dark(grey, notch + QPoint(notch.x() < 480 ? 12 : -12, 0)));
    }
}

QTEST_MAIN(tst_KeyHighlighter)
#include "tst_KeyHighlighter.moc"
