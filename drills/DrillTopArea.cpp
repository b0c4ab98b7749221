// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/DrillTopArea.h"

#include "drills/DrillControlKinds.h"
#include "drills/DrillGlyphs.h"
#include "drills/DrillLayout.h"
#include "drills/DrillTexts.h"
#include "widgets/TranslatedText.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

namespace kf {

using namespace drillstyle;
using namespace drillcontrols;

namespace {

constexpr const char* kMissedMark = QT_TRANSLATE_NOOP("DrillWindow", "Missed");

// Where the running figures sit inside Panel1.
constexpr QRect kDoneBox{8, 8, 96, 66};
constexpr QRect kTargetBox{112, 8, kTargetBoxWidth, 66};
constexpr QRect kTimeBox{356, 8, 110, 66};
constexpr QRect kLastCorrectBox{474, 8, 248, 66};
constexpr QRect kMissesBox{8, 82, 260, 104};
constexpr QRect kInstructionsBox{276, 82, 446, 104};
constexpr QSize kGuidanceSize{370, 87}; // the guidance sentence's label, word-wrapped

// Returns the target panel.
QLabel* buildRunningFigures(QWidget* figures) {
    const QColor rowCaption = fromBgr(kRowCaption);

    QFrame* done = makePanel(figures, "Panel16", kDoneBox);
    setBackground(done, kCream);
    makeCaptionPanel(done, "Panel17", QRect(8, 6, 80, 32));
    setTextColour(makeLabel(done, "Label25", QT_TRANSLATE_NOOP("DrillWindow", "Done"),
                            QRect(8, 40, 80, 22), Qt::AlignCenter),
                  rowCaption);

    QFrame* target = makePanel(figures, "Panel18", kTargetBox);
    setBackground(target, kCream);
    setTextColour(makeLabel(target, "Label82", QT_TRANSLATE_NOOP("DrillWindow", "Type the"),
                            QRect(4, 22, 86, 22)),
                  rowCaption);
    QLabel* targetPanel =
        makeCaptionPanel(target, "Panel19", QRect(93, kTargetPanelTop, 50, kTargetPanelHeight));
    setTextColour(makeLabel(target, "Label83", QT_TRANSLATE_NOOP("DrillWindow", "Character"),
                            QRect(147, 22, 88, 22)),
                  rowCaption);

    QFrame* time = makePanel(figures, "Panel20", kTimeBox);
    setBackground(time, kCream);
    setTextColour(
        makeLabel(time, "Label26", QT_TRANSLATE_NOOP("DrillWindow", "Time:"), QRect(8, 4, 94, 22)),
        rowCaption);
    makeCaptionPanel(time, "Panel21", QRect(8, 28, 94, 32));

    QFrame* lastCorrect = makePanel(figures, "Panel22", kLastCorrectBox);
    setBackground(lastCorrect, kCream);
    makeSpeedButton(lastCorrect, "SpeedButton1", QRect(4, 4, 22, 22), "", "");
    setTextColour(makeLabel(lastCorrect, "Label81",
                            QT_TRANSLATE_NOOP("DrillWindow", "Last correct:"),
                            QRect(30, 4, 150, 22)),
                  rowCaption);
    makeCaptionPanel(lastCorrect, "Panel23", QRect(30, 28, 60, 32));
    QLabel* hitMark = makeImage(lastCorrect, "Image5", QRect(100, 30, kMarkSize, kMarkSize));
    hitMark->setPixmap(QPixmap::fromImage(drawDrillGlyph(DrillGlyph::HitMark)));
    setUiAccessibleName(hitMark, kDrillWindowContext, QT_TRANSLATE_NOOP("DrillWindow", "Correct"));

    QFrame* misses = makePanel(figures, "Panel24", kMissesBox);
    setBackground(misses, kCream);
    makeSpeedButton(misses, "SpeedButton2", QRect(4, 8, 22, 22), "", "");
    setTextColour(makeLabel(misses, "Label90", QT_TRANSLATE_NOOP("DrillWindow", "You missed:"),
                            QRect(30, 8, 110, 22)),
                  rowCaption);
    QLabel* missedTarget = makeCaptionPanel(misses, "Panel60", QRect(142, 4, 60, 32));
    setTextColour(missedTarget, fromBgr(kMaroon));
    const QPixmap missMark = QPixmap::fromImage(drawDrillGlyph(DrillGlyph::MissMark));
    QLabel* missedMark = makeImage(misses, "Image6", QRect(212, 6, kMarkSize, kMarkSize));
    missedMark->setPixmap(missMark);
    setUiAccessibleName(missedMark, kDrillWindowContext, kMissedMark);
    makeSpeedButton(misses, "SpeedButton3", QRect(4, 60, 22, 22), "", "");
    setTextColour(makeLabel(misses, "Label91", QT_TRANSLATE_NOOP("DrillWindow", "by typing:"),
                            QRect(30, 60, 110, 22)),
                  rowCaption);
    QLabel* typedInstead = makeCaptionPanel(misses, "Panel61", QRect(142, 56, 60, 32));
    setTextColour(typedInstead, fromBgr(kRed));
    QLabel* typedMark = makeImage(misses, "Image7", QRect(212, 58, kMarkSize, kMarkSize));
    typedMark->setPixmap(missMark);
    setUiAccessibleName(typedMark, kDrillWindowContext, kMissedMark);

    QFrame* instructions = makePanel(figures, "Panel10", kInstructionsBox);
    setBackground(instructions, kWhite);
    QLabel* guidance = makeLabel(instructions, "Label17", nullptr,
                                 QRect(QPoint(8, 4), kGuidanceSize), Qt::AlignLeft | Qt::AlignTop);
    guidance->setWordWrap(true);
    guidance->setFont(verdana(13));
    setTextColour(guidance, fromBgr(kNavy));
    makeSpeedButton(instructions, "SpeedButton4", QRect(kInstructionsBox.width() - 30, 4, 22, 22),
                    "", QT_TRANSLATE_NOOP("DrillWindow", "Click to Hide"));

    // The pause box lies over the instructions.
    QFrame* pause = makePanel(figures, "Panel62", kInstructionsBox);
    setBackground(pause, kWhite);
    pause->setFrameStyle(QFrame::Box);
    QLabel* pauseCaption = makeLabel(pause, "Label92", QT_TRANSLATE_NOOP("DrillWindow", "Pause!"),
                                     QRect(8, 2, kInstructionsBox.width() - 16, 28));
    pauseCaption->setFont(timesNewRoman(19, true));
    setTextColour(pauseCaption, fromBgr(kRed));
    QLabel* pauseExplanation =
        makeLabel(pause, "Label93", nullptr,
                  QRect(8, 32, kInstructionsBox.width() - 16, kInstructionsBox.height() - 36),
                  Qt::AlignLeft | Qt::AlignTop);
    pauseExplanation->setWordWrap(true);
    setTextColour(pauseExplanation, fromBgr(kMaroon));
    pause->raise();
    pause->hide();
    return targetPanel;
}

} // namespace

QLabel* buildDrillTopArea(QWidget* client) {
    QFrame* top = makePanel(client, "PanelTop", QRect());
    setBackground(top, kBlueGrey);
    makeSchemePicture(top, "Image10", SchemePicture::Kind::Frame, QRect());
    QLabel* heading =
        makeLabel(top, "Label1", QT_TRANSLATE_NOOP("DrillWindow", "Beginners Drills:"), QRect());
    heading->setFont(verdana(24, true));
    QLabel* drillTitleShadow = makeLabel(top, "Label4", nullptr, QRect());
    drillTitleShadow->setFont(verdana(24, true));
    setTextColour(drillTitleShadow, Qt::white);
    QLabel* drillTitle = makeLabel(top, "Label3", nullptr, QRect());
    drillTitle->setFont(verdana(24, true));
    setTextColour(drillTitle, fromBgr(kTitleText));

    QFrame* figures = makePanel(top, "Panel1", QRect());
    makeSchemePicture(figures, "Image8", SchemePicture::Kind::Background, QRect());
    return buildRunningFigures(figures);
}

void layOutDrillTopArea(QWidget& client, const QRect& geometry) {
    auto* top = client.findChild<QFrame*>(QStringLiteral("PanelTop"));
    top->setGeometry(geometry);
    top->findChild<SchemePicture*>(QStringLiteral("Image10"))->setGeometry(top->rect());

    auto* figures = top->findChild<QFrame*>(QStringLiteral("Panel1"));
    figures->setGeometry(22, 48, geometry.width() - 44, geometry.height() - 48 - 4);
    figures->findChild<SchemePicture*>(QStringLiteral("Image8"))->setGeometry(figures->rect());

    auto* heading = top->findChild<QLabel*>(QStringLiteral("Label1"));
    heading->setGeometry(QRect(QPoint(17, 13), heading->sizeHint()));
    auto* drillTitle = top->findChild<QLabel*>(QStringLiteral("Label3"));
    const int titleLeft = heading->x() + heading->width() + 17;
    drillTitle->setGeometry(titleLeft, 12, geometry.width() - titleLeft - 4, heading->height() + 2);
    // The white copy lies two pixels down and right, behind the title, as its shadow.
    top->findChild<QLabel*>(QStringLiteral("Label4"))
        ->setGeometry(drillTitle->geometry().translated(2, 2));
    drillTitle->raise();
}

} // namespace kf
