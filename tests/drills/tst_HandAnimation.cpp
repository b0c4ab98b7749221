// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/HandAnimation.h"
#include "drills/HandOutlines.h"
#include "keyboard/KeyHighlighter.h"
#include "keyboard/KeySlots.h"
#include "keyboard/KeyTable.h"
#include "keyboard/Windows1252.h"
#include "students/StudentRecord.h"
#include "tests/keyboard/TestCurrentKey.h"
#include "widgets/PictureView.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <array>
#include <optional>
#include <vector>

using namespace kf;
using test::currentKeyFor;
using test::keyboardPicture;

namespace {

// The origins of frames 2 and 3 as published, one row per group of keys.
// clang-format off
const std::array kFrameRows{
    "| N0 | left | (43, 70) | (15, 29) |",
    "| N1 | left | (63, 70) | (52, 28) |",
    "| N2 | left | (63, 76) | (53, 35) |",
    "| N3, N4 | left | (66, 79) | (53, 37) |",
    "| N5 | left | (83, 79) | (90, 37) |",
    "| N6 | left | (99, 79) | (126, 37) |",
    "| N7 | right | (33, 74) | (18, 35) |",
    "| N8 | right | (33, 74) | (16, 35) |",
    "| N9 | right | (33, 74) | (14, 33) |",
    "| N10 | right | (33, 74) | (14, 30) |",
    "| N11 | right | (49, 74) | (51, 30) |",
    "| N12 | right | (66, 74) | (88, 30) |",
    "| T0 | left | (75, 94) | (68, 70) |",
    "| T1 | left | (74, 92) | (71, 76) |",
    "| T2, T3 | left | (75, 97) | (71, 77) |",
    "| T4 | left | (92, 95) | (106, 77) |",
    "| T5 | right | (19, 93) | (\u22121, 75) |",
    "| T6 | right | (39, 94) | (36, 75) |",
    "| T7 | right | (39, 94) | (35, 76) |",
    "| T8 | right | (39, 94) | (32, 73) |",
    "| T9 | right | (38, 89) | (32, 66) |",
    "| T10 | right | (56, 89) | (69, 66) |",
    "| T11 | right | (70, 89) | (106, 69) |",
    "| T12 | right | (100, 80) | (157, 60) |",
    "| H0, H1, H2, H3 | left | no movement | no movement |",
    "| H4 | left | (101, 119) | (117, 119) |",
    "| H5 | right | (28, 116) | (9, 116) |",
    "| H6, H7, H8 | right | no movement | no movement |",
    "| H9 | right | no movement | no movement |",
    "| H10 | right | (62, 111) | (80, 110) |",
    "| H11 | right | (75, 111) | (110, 110) |",
    "| B0 | left | (66, 139) | (63, 160) |",
    "| B1 | left | (90, 137) | (100, 152) |",
    "| B2 | left | (90, 137) | (102, 160) |",
    "| B3 | left | (93, 140) | (102, 163) |",
    "| B4 | left | (92, 139) | (99, 160) |",
    "| B5 | left | (114, 144) | (136, 160) |",
    "| B6 | right | (38, 133) | (29, 158) |",
    "| B7 | right | (55, 138) | (65, 159) |",
    "| B8 | right | (56, 138) | (63, 160) |",
    "| B9 | right | (56, 138) | (61, 158) |",
    "| B10 | right | (55, 135) | (61, 152) |",
};

// The characters that do not follow their key: hand | characters | the keys they sit on ("none":
// the keyboard has no key for them) | what differs.
const std::array kExceptionRows{
    "left  | W w Y y       | B1       | frame 2 (90, 138)",
    "left  | Q q           | H0       | (75, 94) -> (80, 110)",
    "left  | A a @         | T0       | (74, 92) -> (68, 70)",
    "left  | \"             | N3       | (63, 76) -> (53, 35)",
    "left  | É é           | T2       | (76, 92) -> (71, 77)",
    "left  | ~             | none     | (43, 70) -> (15, 29)",
    "right | M m           | H9       | (55, 138) -> (65, 159)",
    "right | , ? µ         | B7       | frame 2 (56, 138)",
    "right | ;             | B8       | no movement",
    "right | >             | B9       | frame 2 (55, 138)",
    "right | (             | N8       | frame 3 (14, 33)",
    "right | )             | N9       | frame 3 (14, 30)",
    "right | Z z           | T5       | frame 2 (23, 92)",
    "right | ú Ú í Í ó ò Ó | T6 T7 T8 | frame 2 (41, 92)",
};
// clang-format on

const QStringList kSlotNames{
    QStringLiteral("N0"),  QStringLiteral("N1"),  QStringLiteral("N2"),  QStringLiteral("N3"),
    QStringLiteral("N4"),  QStringLiteral("N5"),  QStringLiteral("N6"),  QStringLiteral("N7"),
    QStringLiteral("N8"),  QStringLiteral("N9"),  QStringLiteral("N10"), QStringLiteral("N11"),
    QStringLiteral("N12"), QStringLiteral("T0"),  QStringLiteral("T1"),  QStringLiteral("T2"),
    QStringLiteral("T3"),  QStringLiteral("T4"),  QStringLiteral("T5"),  QStringLiteral("T6"),
    QStringLiteral("T7"),  QStringLiteral("T8"),  QStringLiteral("T9"),  QStringLiteral("T10"),
    QStringLiteral("T11"), QStringLiteral("T12"), QStringLiteral("H0"),  QStringLiteral("H1"),
    QStringLiteral("H2"),  QStringLiteral("H3"),  QStringLiteral("H4"),  QStringLiteral("H5"),
    QStringLiteral("H6"),  QStringLiteral("H7"),  QStringLiteral("H8"),  QStringLiteral("H9"),
    QStringLiteral("H10"), QStringLiteral("H11"), QStringLiteral("B0"),  QStringLiteral("B1"),
    QStringLiteral("B2"),  QStringLiteral("B3"),  QStringLiteral("B4"),  QStringLiteral("B5"),
    QStringLiteral("B6"),  QStringLiteral("B7"),  QStringLiteral("B8"),  QStringLiteral("B9"),
    QStringLiteral("B10"),
};
const QString kNoKey = QStringLiteral("none");

const std::array<QString, kNationalityCount> kNationalityNames{
    QStringLiteral("English US"), QStringLiteral("English UK"), QStringLiteral("Spanish"),
    QStringLiteral("German"),     QStringLiteral("Italian"),    QStringLiteral("French"),
};

constexpr QPoint kSentinel{1000, 2000}; // an origin no frame uses

std::optional<QPoint> parsePoint(const QString& text) {
    static const QRegularExpression point(QStringLiteral("\\(\\s*([-\u2212]?\\d+),\\s*(\\d+)\\)"));
    const QRegularExpressionMatch match = point.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString x = match.captured(1);
    x.replace(QChar(0x2212), QLatin1Char('-'));
    return QPoint(x.toInt(), match.captured(2).toInt());
}

Hand parseHand(const QString& text) {
    if (text == QStringLiteral("left"))
        return Hand::Left;
    if (text != QStringLiteral("right"))
        qFatal("bad hand in a transcription row");
    return Hand::Right;
}

struct SlotRule {
    Hand hand;
    std::optional<QPoint> halfway; // none: no movement
    std::optional<QPoint> atKey;
};

// Key slot name -> rule, from kFrameRows.
std::map<QString, SlotRule> slotRules() {
    std::map<QString, SlotRule> rules;
    for (const char* row : kFrameRows) {
        const QStringList cells = QString::fromUtf8(row).split(QLatin1Char('|'));
        // "", slots, hand, frame 2, frame 3, ""
        for (const QString& slot : cells[1].split(QLatin1Char(',')))
            rules[slot.trimmed()] = {parseHand(cells[2].trimmed()), parsePoint(cells[3]),
                                     parsePoint(cells[4])};
    }
    return rules;
}

struct ExceptionRule {
    QString text; // the row, for messages
    Hand hand;
    QList<AnsiChar> characters;
    QStringList keys;
    bool stays = false;
    std::optional<QPoint> halfway; // none: as the key
    std::optional<QPoint> atKey;
};

std::vector<ExceptionRule> exceptionRules() {
    std::vector<ExceptionRule> rules;
    for (const char* row : kExceptionRows) {
        const QString text = QString::fromUtf8(row);
        const QStringList cells = text.split(QLatin1Char('|'));
        ExceptionRule rule{text.simplified(), parseHand(cells[0].trimmed()), {}, {}, {}, {}, {}};
        for (const QString& character : cells[1].split(QLatin1Char(' '), Qt::SkipEmptyParts))
            rule.characters << toWindows1252(character.at(0)).value();
        rule.keys = cells[2].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString what = cells[3].trimmed();
        if (what == QStringLiteral("no movement")) {
            rule.stays = true;
        } else if (what.startsWith(QStringLiteral("frame 2"))) {
            rule.halfway = parsePoint(what);
        } else if (what.startsWith(QStringLiteral("frame 3"))) {
            rule.atKey = parsePoint(what);
        } else {
            const QStringList both = what.split(QStringLiteral("->"));
            rule.halfway = parsePoint(both[0]);
            rule.atKey = parsePoint(both[1]);
        }
        rules.push_back(rule);
    }
    return rules;
}

// The key slot a key code sits on in a layout, by its rectangle ("none" without a key).
QString slotName(KeyCode code, Nationality nationality) {
    const std::optional<KeyEntry> entry = keyEntry(code, nationality);
    if (!entry)
        return kNoKey;
    for (std::size_t i = 0; i < kSlotGeometry.size(); ++i) {
        const KeyRect& rect = kSlotGeometry[i].rect;
        if (rect.top == entry->rect.top && rect.right == entry->rect.right)
            return kSlotNames.at(qsizetype(i));
    }
    return kNoKey;
}

// Where the published tables put a hand for a character on a key, or nothing: stays where it is.
std::optional<QPoint> expectedOrigin(Hand hand, int frame, AnsiChar character,
                                     const QString& slot) {
    for (const ExceptionRule& rule : exceptionRules()) {
        if (rule.hand != hand || !rule.characters.contains(character) || !rule.keys.contains(slot))
            continue;
        if (rule.stays)
            return std::nullopt;
        const std::optional<QPoint>& own = frame == 2 ? rule.halfway : rule.atKey;
        if (own)
            return own;
        break;
    }
    const std::map<QString, SlotRule> rules = slotRules();
    const auto rule = rules.find(slot);
    if (rule == rules.end() || rule->second.hand != hand)
        return std::nullopt;
    return frame == 2 ? rule->second.halfway : rule->second.atKey;
}

QPoint originAfter(Hand hand, int frame, AnsiChar character, Nationality nationality) {
    HandAnimationState state;
    state.handX = kSentinel.x();
    state.handY = kSentinel.y();
    if (hand == Hand::Left)
        handPositionLeft(state, frame, character, nationality);
    else
        handPositionRight(state, frame, character, nationality);
    return {state.handX, state.handY};
}

QString describe(AnsiChar character, Nationality nationality) {
    return QStringLiteral("\"%1\" on %2")
        .arg(fromWindows1252(character))
        .arg(kNationalityNames.at(std::size_t(nationality)));
}

QString pointText(std::optional<QPoint> point) {
    return point ? QStringLiteral("(%1, %2)").arg(point->x()).arg(point->y())
                 : QStringLiteral("no movement");
}

// Checks both hands for one character; returns a failure text or nothing.
QString checkCharacter(KeyCode code, Nationality nationality, int frame) {
    const AnsiChar character = characterOfKeyCode(code);
    const QString slot = slotName(code, nationality);
    for (const Hand hand : {Hand::Left, Hand::Right}) {
        const std::optional<QPoint> expected = expectedOrigin(hand, frame, character, slot);
        const QPoint actual = originAfter(hand, frame, character, nationality);
        if (actual != expected.value_or(kSentinel))
            return QStringLiteral("%1 frame %2, %3, %4 hand: expected %5, got %6")
                .arg(slot)
                .arg(frame)
                .arg(describe(character, nationality))
                .arg(hand == Hand::Left ? QStringLiteral("left") : QStringLiteral("right"))
                .arg(pointText(expected))
                .arg(actual == kSentinel ? pointText(std::nullopt) : pointText(actual));
    }
    return {};
}

// A point on a long straight stretch of each outline: the left hand's middle finger and the right
// hand's ring finger, both drawn downwards.
constexpr QPoint kLeftOutlinePoint{65, 20};
constexpr QPoint kRightOutlinePoint{369, 80};

QPoint outlinePoint(bool leftHand, QPoint origin) {
    return origin + (leftHand ? kLeftOutlinePoint : kRightOutlinePoint);
}

HandScene sceneFor(const CurrentKey& key, Nationality nationality, bool awaitingEnter = false) {
    HandScene scene;
    scene.key = key;
    scene.highlight = {awaitingEnter, nationality, false};
    scene.style = {1, qRgb(200, 30, 200), 900};
    return scene;
}

// One hand, the left or the right, reaching for G on the US keyboard.
HandScene oneHandSceneForG(bool leftHand) {
    CurrentKey key = currentKeyFor(QStringLiteral("G"), Nationality::EnglishUS);
    key.leftHand = leftHand;
    key.rightHand = !leftHand;
    return sceneFor(key, Nationality::EnglishUS);
}

HandAnimationState handsAt(QPoint origin) {
    HandAnimationState state;
    state.handX = origin.x();
    state.handY = origin.y();
    return state;
}

CurrentKey enterKey() {
    CurrentKey key;
    key.character = 13;
    key.leftHand = false;
    key.rightHand = true;
    return key;
}

// When Timer1's ticks fall: the orders of the animation laid out on a clock in milliseconds.
class Timeline {
public:
    void apply(const HandTimerOrder& order) {
        if (!order.running)
            m_due.reset();
        else if (order.restart || !m_due)
            m_due = m_now + order.intervalMs;
    }
    void advanceTo(int ms) { m_now = ms; }
    // Runs ticks until Timer1 stops or `until` is reached; returns their times.
    QList<int> run(HandAnimationState& state, const HandScene& scene, int until = 100000) {
        QList<int> ticks;
        QImage picture;
        const QImage clean = keyboardPicture();
        while (m_due && *m_due <= until) {
            m_now = *m_due;
            ticks << m_now;
            const HandTimerOrder order = animateHands(state, scene, picture, clean);
            m_due.reset();
            if (order.running)
                m_due = m_now + order.intervalMs;
        }
        return ticks;
    }

private:
    int m_now = 0;
    std::optional<int> m_due;
};

} // namespace

class tst_HandAnimation : public QObject {
    Q_OBJECT

private slots:
    void frameOriginsFollowThePublishedTable_data();
    void frameOriginsFollowThePublishedTable();
    void everyExceptionMeetsACharacter_data();
    void everyExceptionMeetsACharacter();
    void keysAndOriginsAgreeOnTheHand();
    void charactersWithoutAKeyStay();
    void framesOfATarget_data();
    void framesOfATarget();
    void marksComeWithEveryFrame();
    void handTimerIntervals_data();
    void handTimerIntervals();
    void spaceAgainRestartsTheReplay();
    void handTimerFollowsTheOrders();
    void penWidthAndColourFromTheRecord_data();
    void penWidthAndColourFromTheRecord();
    void outlinesHaveTheirPoints();
    void negativeDelayShowsTheHandsAtOnce();
    void readyOutlinesDrawTheStrokedPixels_data();
    void readyOutlinesDrawTheStrokedPixels();
    void handsAreaHoldsEveryPixelOfTheHands_data();
    void handsAreaHoldsEveryPixelOfTheHands();
};

void tst_HandAnimation::frameOriginsFollowThePublishedTable_data() {
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("frame");
    for (const QString& slot : kSlotNames)
        for (const int frame : {2, 3})
            QTest::addRow("%s frame %d", qPrintable(slot), frame) << slot << frame;
}

// Every key code on every keyboard, grouped by the key it sits on: both hands' origins for the
// frame against the published table and its exceptions.
void tst_HandAnimation::frameOriginsFollowThePublishedTable() {
    QFETCH(QString, slot);
    QFETCH(int, frame);

    int checked = 0;
    for (KeyCode code = 1; code <= 166; ++code) {
        for (int n = 0; n < kNationalityCount; ++n) {
            const auto nationality = static_cast<Nationality>(n);
            if (slotName(code, nationality) != slot)
                continue;
            const QString failure = checkCharacter(code, nationality, frame);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            ++checked;
        }
    }
    QVERIFY2(checked > 0, "no character sits on this key");
}

void tst_HandAnimation::everyExceptionMeetsACharacter_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < kExceptionRows.size(); ++i)
        QTest::newRow(kExceptionRows[i]) << int(i);
}

// An exception that no layout has would be a mistyped key or character in one of the tables.
void tst_HandAnimation::everyExceptionMeetsACharacter() {
    QFETCH(int, row);
    const ExceptionRule rule = exceptionRules().at(std::size_t(row));

    int met = 0;
    for (const AnsiChar character : rule.characters) {
        const KeyCode code = keyCodeOfCharacter(character).value();
        for (int n = 0; n < kNationalityCount; ++n) {
            const auto nationality = static_cast<Nationality>(n);
            if (!rule.keys.contains(slotName(code, nationality)))
                continue;
            ++met;
            for (const int frame : {2, 3}) {
                const QString failure = checkCharacter(code, nationality, frame);
                QVERIFY2(failure.isEmpty(), qPrintable(failure));
            }
        }
    }
    QVERIFY2(met > 0, qPrintable(QStringLiteral("no layout has ") + rule.text));
}

// The hand that types a key (key table) is the hand the origin table moves for that key.
void tst_HandAnimation::keysAndOriginsAgreeOnTheHand() {
    const std::map<QString, SlotRule> rules = slotRules();
    for (KeyCode code = 1; code <= 166; ++code) {
        for (int n = 0; n < kNationalityCount; ++n) {
            const auto nationality = static_cast<Nationality>(n);
            const std::optional<KeyEntry> entry = keyEntry(code, nationality);
            if (!entry)
                continue;
            const QString slot = slotName(code, nationality);
            QVERIFY2(rules.at(slot).hand == entry->hand,
                     qPrintable(describe(entry->character, nationality) + QStringLiteral(" on ") +
                                slot));
        }
    }
}

void tst_HandAnimation::charactersWithoutAKeyStay() {
    // ~ has no key on these keyboards; the left hand goes where the English ~ key is.
    for (const Nationality n : {Nationality::Spanish, Nationality::Italian, Nationality::French}) {
        QCOMPARE(originAfter(Hand::Left, 2, '~', n), QPoint(43, 70));
        QCOMPARE(originAfter(Hand::Left, 3, '~', n), QPoint(15, 29));
        QCOMPARE(originAfter(Hand::Right, 3, '~', n), kSentinel);
    }
    // No key and no exception: neither hand moves.
    const AnsiChar aAcute = toWindows1252(QChar(0xE1)).value();
    for (const int frame : {2, 3}) {
        QCOMPARE(originAfter(Hand::Left, frame, aAcute, Nationality::EnglishUS), kSentinel);
        QCOMPARE(originAfter(Hand::Right, frame, '`', Nationality::Spanish), kSentinel);
        QCOMPARE(originAfter(Hand::Right, frame, 13, Nationality::EnglishUS), kSentinel);
    }
    // Only frames 2 and 3 have origins.
    QCOMPARE(originAfter(Hand::Left, 1, 'g', Nationality::EnglishUS), kSentinel);
    QCOMPARE(originAfter(Hand::Left, 4, 'g', Nationality::EnglishUS), kSentinel);
}

void tst_HandAnimation::framesOfATarget_data() {
    QTest::addColumn<QString>("target"); // "Enter" for the closing Enter
    QTest::addColumn<int>("nationality");
    QTest::addColumn<bool>("leftHand");
    QTest::addColumn<QList<QPoint>>("frames");

    auto row = [](const char* tag, const char* target, Nationality n, bool left,
                  QList<QPoint> frames) {
        QTest::newRow(tag) << QString::fromUtf8(target) << int(n) << left << frames;
    };
    using enum Nationality;
    row("f, home key: one frame", "f", EnglishUS, true, {{80, 115}});
    row("A, home key", "A", EnglishUS, true, {{80, 110}});
    row("s, home key", "s", German, true, {{81, 116}});
    row("j, home key", "j", EnglishUS, false, {{46, 114}});
    row("K, home key", "K", Italian, false, {{44, 115}});
    row("l, home key", "l", French, false, {{42, 114}});
    row(";, home key on English", ";", EnglishUS, false, {{44, 111}});
    row(";, home key on Spanish", ";", Spanish, false, {{44, 111}});
    row(":, home key on English", ":", EnglishUK, false, {{45, 113}});
    row(":, a reach on Spanish", ":", Spanish, false, {{45, 113}, {56, 138}, {61, 158}});
    row("q, home key on French", "q", French, true, {{80, 116}});
    row("m, home key on French", "m", French, false, {{45, 113}});
    row("a on French", "a", French, true, {{80, 110}, {74, 92}, {68, 70}});
    row("g", "g", EnglishUS, true, {{80, 116}, {101, 119}, {117, 119}});
    row("h", "h", EnglishUS, false, {{45, 113}, {28, 116}, {9, 116}});
    row("y on German: left hand from B1", "y", German, true, {{80, 116}, {90, 138}, {100, 152}});
    row("y on English US: T5", "y", EnglishUS, false, {{45, 113}, {19, 93}, {-1, 75}});
    row("z on German: T5", "z", German, false, {{45, 113}, {23, 92}, {-1, 75}});
    row("@ on German", "@", German, true, {{80, 116}, {74, 92}, {68, 70}});
    row("ñ on Spanish: no movement, three frames", "ñ", Spanish, false,
        {{45, 113}, {45, 113}, {45, 113}});
    row("Enter on English US", "Enter", EnglishUS, false, {{44, 111}, {84, 111}, {124, 111}});
    row("Enter on French", "Enter", French, false, {{44, 111}, {104, 111}, {154, 111}});
    row("Enter on German", "Enter", German, false, {{44, 111}, {104, 111}, {154, 111}});
}

void tst_HandAnimation::framesOfATarget() {
    QFETCH(QString, target);
    QFETCH(int, nationality);
    QFETCH(bool, leftHand);
    QFETCH(QList<QPoint>, frames);

    const auto n = static_cast<Nationality>(nationality);
    const bool enter = target == QStringLiteral("Enter");
    const HandScene scene =
        enter ? sceneFor(enterKey(), n, true) : sceneFor(currentKeyFor(target, n), n);
    QCOMPARE(scene.key.leftHand, leftHand);

    const QImage clean = keyboardPicture();
    QImage picture;
    HandAnimationState state;
    setHandDelay(state, scene.style.delayMs);
    startHands(state);
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const HandTimerOrder order = animateHands(state, scene, picture, clean);
        const QPoint origin(state.handX, state.handY);
        QCOMPARE(origin, frames[i]);
        const bool last = i == frames.size() - 1;
        QCOMPARE(order.running, !last);
        QCOMPARE(order.intervalMs, last ? scene.style.delayMs : kHandFrameInterval);
        QCOMPARE(QColor(picture.pixel(outlinePoint(leftHand, origin))), QColor(scene.style.colour));
        // The frame is drawn on a fresh copy of the clean picture: nothing of earlier frames.
        QImage expected = clean;
        drawHands(expected, state, scene);
        QVERIFY2(picture == expected, "the frame is the clean picture, the marks and one hand");
    }
    QCOMPARE(state.handPhase, 1);
    QVERIFY(!state.handTimerRunning);
}

// With no hand active a frame is only the marks: they appear with frame 1 and are drawn again on
// every later frame, each on the clean picture.
void tst_HandAnimation::marksComeWithEveryFrame() {
    CurrentKey key = currentKeyFor(QStringLiteral("G"), Nationality::EnglishUS);
    key.leftHand = false;
    key.rightHand = false;
    const HandScene scene = sceneFor(key, Nationality::EnglishUS);
    const QPoint insideTarget(255, 130); // H4, below its label
    const QPoint insideRightShift(540, 170);

    QImage clean = keyboardPicture();
    QImage picture = clean;
    HandAnimationState state;
    startHands(state);
    for (int frame = 1; frame <= 3; ++frame) {
        picture.setPixel(10, 270, qRgb(1, 2, 3)); // a stray mark that the reset must remove
        animateHands(state, scene, picture, clean);
        QCOMPARE(QColor(picture.pixel(insideTarget)), QColor(qRgb(112, 180, 126)));
        QCOMPARE(QColor(picture.pixel(insideRightShift)), QColor(qRgb(239, 241, 160)));
        QCOMPARE(picture.pixel(10, 270), clean.pixel(10, 270));
    }
    QCOMPARE(clean.pixel(insideTarget), keyboardPicture().pixel(insideTarget));
}

void tst_HandAnimation::handTimerIntervals_data() {
    QTest::addColumn<bool>("optionsClosed"); // the options window set the hand delay, 900 ms
    QTest::addColumn<bool>("replay");        // Space during a set instead of a new target
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("pressAt"); // the student types the key then (-1: after the frames)
    QTest::addColumn<QList<int>>("ticks");
    QTest::addColumn<int>("nextTargetAt");
    QTest::addColumn<QList<int>>("nextTicks");

    QTest::newRow("new window: the first animation waits the design 1000 ms")
        << false << false << QStringLiteral("g") << -1 << QList<int>{1000, 1400, 1800} << 5000
        << QList<int>{5900, 6300, 6700};
    QTest::newRow("after the options window: the hand delay")
        << true << false << QStringLiteral("g") << -1 << QList<int>{900, 1300, 1700} << 5000
        << QList<int>{5900, 6300, 6700};
    QTest::newRow("Space replays after 200 ms, then the delay is back")
        << true << true << QStringLiteral("g") << -1 << QList<int>{200, 600, 1000} << 5000
        << QList<int>{5900, 6300, 6700};
    QTest::newRow("a press after frame 2 leaves 400 ms for the next target")
        << true << false << QStringLiteral("g") << 1400 << QList<int>{900, 1300} << 1400
        << QList<int>{1800, 2200, 2600};
    QTest::newRow("a press before frame 1 leaves the delay")
        << true << false << QStringLiteral("g") << 500 << QList<int>{} << 500
        << QList<int>{1400, 1800, 2200};
    QTest::newRow("a home key ends after frame 1 and puts the delay back")
        << true << false << QStringLiteral("f") << -1 << QList<int>{900} << 5000
        << QList<int>{5900, 6300, 6700};
}

void tst_HandAnimation::handTimerIntervals() {
    QFETCH(bool, optionsClosed);
    QFETCH(bool, replay);
    QFETCH(QString, target);
    QFETCH(int, pressAt);
    QFETCH(QList<int>, ticks);
    QFETCH(int, nextTargetAt);
    QFETCH(QList<int>, nextTicks);

    const HandScene first =
        sceneFor(currentKeyFor(target, Nationality::EnglishUS), Nationality::EnglishUS);
    const HandScene next = sceneFor(currentKeyFor(QStringLiteral("g"), Nationality::EnglishUS),
                                    Nationality::EnglishUS);
    HandAnimationState state;
    Timeline timeline;
    if (optionsClosed)
        timeline.apply(setHandDelay(state, 900));
    timeline.apply(replay ? replayHands(state) : startHands(state));
    QCOMPARE(timeline.run(state, first, pressAt < 0 ? nextTargetAt : pressAt), ticks);

    timeline.advanceTo(nextTargetAt);
    if (pressAt >= 0)
        timeline.apply(stopHands(state));
    timeline.apply(startHands(state));
    QCOMPARE(timeline.run(state, next), nextTicks);
    QCOMPARE(state.handTimerInterval, 900);
}

// Space pressed again while a replay waits: the replay starts 200 ms after the last Space.
void tst_HandAnimation::spaceAgainRestartsTheReplay() {
    const HandScene g = sceneFor(currentKeyFor(QStringLiteral("g"), Nationality::EnglishUS),
                                 Nationality::EnglishUS);
    HandAnimationState state;
    Timeline timeline;
    timeline.apply(setHandDelay(state, 900));
    timeline.apply(replayHands(state));
    QCOMPARE(timeline.run(state, g, 100), QList<int>{});
    timeline.advanceTo(100);
    timeline.apply(replayHands(state));
    QCOMPARE(timeline.run(state, g), (QList<int>{300, 700, 1100}));
}

// The hand timer of the drill's view does what the orders say; the window copies it.
void tst_HandAnimation::handTimerFollowsTheOrders() {
    TimerView timer;
    timer.intervalMs = kHandTimerDesignInterval;
    HandAnimationState state;
    const HandScene g = sceneFor(currentKeyFor(QStringLiteral("g"), Nationality::EnglishUS),
                                 Nationality::EnglishUS);
    const QImage clean = keyboardPicture();
    QImage picture;

    applyHandTimerOrder(timer, setHandDelay(state, 2000));
    QVERIFY(!timer.running);
    QCOMPARE(timer.intervalMs, 2000);
    applyHandTimerOrder(timer, startHands(state));
    QVERIFY(timer.running);
    QCOMPARE(timer.starts, 1U); // a new target counts the delay from now
    QCOMPARE(timer.intervalMs, 2000);
    applyHandTimerOrder(timer, animateHands(state, g, picture, clean));
    QVERIFY(timer.running);
    QCOMPARE(timer.intervalMs, kHandFrameInterval);
    applyHandTimerOrder(timer, stopHands(state));
    QVERIFY(!timer.running);
    QCOMPARE(timer.intervalMs, kHandFrameInterval);
    applyHandTimerOrder(timer, replayHands(state));
    QVERIFY(timer.running);
    QCOMPARE(timer.intervalMs, kHandReplayInterval);
    for (int frame = 1; frame <= 3; ++frame)
        applyHandTimerOrder(timer, animateHands(state, g, picture, clean));
    QVERIFY(!timer.running);
    QCOMPARE(timer.intervalMs, 900); // the scene's hand delay
}

void tst_HandAnimation::penWidthAndColourFromTheRecord_data() {
    QTest::addColumn<int>("penSetting");
    QTest::addColumn<bool>("twoLines");
    QTest::addColumn<bool>("leftHand");

    QTest::newRow("Two Lines, left hand") << 2 << true << true;
    QTest::newRow("One Line, left hand") << 1 << false << true;
    QTest::newRow("Two Lines, right hand") << 2 << true << false;
    QTest::newRow("One Line, right hand") << 1 << false << false;
    QTest::newRow("any other value draws one line") << 3 << false << true;
    QTest::newRow("zero draws one line") << 0 << false << false;
}

void tst_HandAnimation::penWidthAndColourFromTheRecord() {
    QFETCH(int, penSetting);
    QFETCH(bool, twoLines);
    QFETCH(bool, leftHand);

    StudentRecord record;
    record.applyCreateDefaults();
    record.setI32(32456, penSetting);
    record.setI32(97612, 0x00563412); // blue 0x56, green 0x34, red 0x12
    record.setI32(32464, 2000);
    const QColor handColour(0x12, 0x34, 0x56);

    const CurrentKey key =
        currentKeyFor(leftHand ? QStringLiteral("f") : QStringLiteral("j"), Nationality::EnglishUS);
    const HandScene scene = makeHandScene(key, false, record, false);
    QCOMPARE(scene.style.delayMs, 2000);

    const QImage clean = keyboardPicture();
    QImage picture;
    HandAnimationState state;
    animateHands(state, scene, picture, clean);
    const QPoint point = outlinePoint(leftHand, {state.handX, state.handY});
    // The stretch is drawn downwards: a second line lies on its left.
    QCOMPARE(QColor(picture.pixel(point)), handColour);
    QCOMPARE(QColor(picture.pixel(point + QPoint(-1, 0))) == handColour, twoLines);
    QVERIFY(QColor(picture.pixel(point + QPoint(1, 0))) != handColour);
}

void tst_HandAnimation::outlinesHaveTheirPoints() {
    QCOMPARE(kLeftHandOutline.size(), std::size_t(83));
    QCOMPARE(kRightHandOutline.size(), std::size_t(92));
    // The left hand closes at the wrist where it began; the right one stops just short of it.
    QCOMPARE(kLeftHandOutline.front(), kLeftHandOutline.back());
    QCOMPARE(kRightHandOutline.front(), QPoint(203, 77));
    QCOMPARE(kRightHandOutline.back(), QPoint(202, 75));
}

// A negative delay from a damaged student file would keep Timer1 from ever starting.
void tst_HandAnimation::negativeDelayShowsTheHandsAtOnce() {
    StudentRecord record;
    record.applyCreateDefaults();
    record.setI32(32464, -5);
    QCOMPARE(handStyle(record).delayMs, 0);
    record.setI32(32464, 200);
    QCOMPARE(handStyle(record).delayMs, 200);
}

// The frames copy ready outlines instead of stroking them: the pixels must be the very ones the
// stroke gives, for either hand and pen, anywhere on the picture, partly off it included, and
// after the student changes the style.
void tst_HandAnimation::readyOutlinesDrawTheStrokedPixels_data() {
    QTest::addColumn<bool>("leftHand");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("left, two lines") << true << 2 << QPoint(40, 90);
    QTest::newRow("left, one line") << true << 1 << QPoint(40, 90);
    QTest::newRow("right, two lines") << false << 2 << QPoint(160, 60);
    QTest::newRow("right, one line") << false << 1 << QPoint(160, 60);
    QTest::newRow("left, off the top left") << true << 2 << QPoint(-70, -40);
    QTest::newRow("right, off the bottom right") << false << 2 << QPoint(420, 200);
}

void tst_HandAnimation::readyOutlinesDrawTheStrokedPixels() {
    QFETCH(bool, leftHand);
    QFETCH(int, penWidth);
    QFETCH(QPoint, origin);
    HandScene scene = oneHandSceneForG(leftHand);
    const HandAnimationState state = handsAt(origin);
    HandSprites sprites;
    for (const QRgb colour : {qRgb(61, 99, 90), qRgb(200, 30, 40)}) {
        scene.style.penWidth = penWidth;
        scene.style.colour = colour;
        scene.sprites = nullptr;
        QImage stroked = keyboardPicture();
        drawHands(stroked, state, scene);
        scene.sprites = &sprites;
        QImage copied = keyboardPicture();
        drawHands(copied, state, scene);
        QVERIFY(stroked != keyboardPicture());
        QVERIFY2(copied == stroked, qPrintable(QStringLiteral("colour %1").arg(colour, 0, 16)));
    }
}

// The drill window repaints only handsArea between two frames of one target: a hand pixel
// outside it would stay on the screen.
void tst_HandAnimation::handsAreaHoldsEveryPixelOfTheHands_data() {
    readyOutlinesDrawTheStrokedPixels_data();
}

void tst_HandAnimation::handsAreaHoldsEveryPixelOfTheHands() {
    QFETCH(bool, leftHand);
    QFETCH(int, penWidth);
    QFETCH(QPoint, origin);
    HandScene scene = oneHandSceneForG(leftHand);
    scene.style.penWidth = penWidth;
    const HandAnimationState state = handsAt(origin);
    HandSprites ready;
    for (HandSprites* sprites : {static_cast<HandSprites*>(nullptr), &ready}) {
        scene.sprites = sprites;
        QImage marksOnly = keyboardPicture().convertToFormat(QImage::Format_RGB32);
        drawHighlights(marksOnly, scene.key, scene.highlight);
        QImage frame = keyboardPicture().convertToFormat(QImage::Format_RGB32);
        drawHands(frame, state, scene);
        const QRect drawn = PictureView::changedArea(marksOnly, frame);
        const QRect area = handsArea(state, scene);
        QVERIFY2(area.contains(drawn) || drawn.isEmpty(),
                 qPrintable(QStringLiteral("hands drawn in %1,%2 %3x%4, area %5,%6 %7x%8")
                                .arg(drawn.x())
                                .arg(drawn.y())
                                .arg(drawn.width())
                                .arg(drawn.height())
                                .arg(area.x())
                                .arg(area.y())
                                .arg(area.width())
                                .arg(area.height())));
    }
}

QTEST_MAIN(tst_HandAnimation)
#include "tst_HandAnimation.moc"
