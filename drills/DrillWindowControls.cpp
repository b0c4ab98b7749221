// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the drill window and where they go: built once, when the window is created.

#include "drills/DrillCaption.h"
#include "drills/DrillGlyphs.h"
#include "drills/DrillLayout.h"
#include "drills/DrillWindow.h"
#include "drills/DrillWindowStyle.h"
#include "widgets/PictureView.h"
#include "widgets/SchemePicture.h"
#include "widgets/TranslatedText.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <optional>

namespace kf {

using namespace begstyle;

namespace {

// A container panel.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    return panel;
}

constexpr const char* kContext = "DrillWindow";
constexpr const char* kMissedMark = QT_TRANSLATE_NOOP("DrillWindow", "Missed");
constexpr const char* kOwnKeysInstructions =
    QT_TRANSLATE_NOOP("DrillWindow", "Type between 2 and 10 characters to practice, then click the "
                                     "\"Verify these Keys\" button. After that, click the \"Begin "
                                     "Typing\" button. Unallowed characters will be deleted.");

// A panel or label that shows a caption: a fixed text (in the interface language) or, without
// one, what the drill writes into it.
QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(parent);
    if (caption != nullptr)
        setUiText(label, kContext, caption);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* makeCaptionPanel(QWidget* parent, const char* name, const QRect& geometry,
                         quint32 background = kWhite) {
    QLabel* panel = makeLabel(parent, name, nullptr, geometry, Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackground(panel, background);
    return panel;
}

QLabel* makeImage(QWidget* parent, const char* name, const QRect& geometry) {
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setGeometry(geometry);
    return image;
}

// A frame or background in the colour scheme, painted by paintSchemePictures.
SchemePicture* makeSchemePicture(QWidget* parent, const char* name, SchemePicture::Kind kind,
                                 const QRect& geometry) {
    auto* picture = new SchemePicture(kind, parent);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(geometry);
    return picture;
}

QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QRect& geometry,
                             const char* caption, const char* hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    setUiText(button, kContext, caption);
    if (*hint != '\0')
        setUiToolTip(button, kContext, hint);
    // A caption names the button; a picture button is named by its hint.
    if (*caption == '\0') {
        nameByToolTip(button);
    } else {
        setUiAccessibleName(button, kContext, caption);
        if (*hint != '\0')
            setUiAccessibleDescription(button, kContext, hint);
    }
    // Speed buttons take the focus from Tab only, so they work without a mouse (Enter presses
    // them while no set runs); a click leaves the focus on the drill.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(parent);
    setUiText(button, kContext, caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter presses the focused button, so the own-keys panel works from the keyboard.
    button->setAutoDefault(true);
    return button;
}

// The tool buttons down the two sides of the keyboard.
struct ToolButton {
    const char* name;
    const char* caption;
    const char* hint;
    std::optional<DrillGlyph> glyph;
};

constexpr std::array<ToolButton, 6> kLeftTools = {{
    {"SpeedButton5", "", QT_TRANSLATE_NOOP("DrillWindow", "Adjust Hand Delay"),
     DrillGlyph::HandDelay},
    {"SpeedButton6", "10", QT_TRANSLATE_NOOP("DrillWindow", "Do 10 Letters at a time"),
     std::nullopt},
    {"SpeedButton7", "20", QT_TRANSLATE_NOOP("DrillWindow", "Do 20 Letters at a time"),
     std::nullopt},
    {"SpeedButton8", "30", QT_TRANSLATE_NOOP("DrillWindow", "Do 30 Letters at a time"),
     std::nullopt},
    {"SpeedButton9", "", QT_TRANSLATE_NOOP("DrillWindow", "Sound On"), DrillGlyph::Sound},
    {"SpeedButton11", "", QT_TRANSLATE_NOOP("DrillWindow", "Colors"), DrillGlyph::Colours},
}};

constexpr std::array<ToolButton, 7> kRightTools = {{
    {"SpeedButton12", "", QT_TRANSLATE_NOOP("DrillWindow", "Charts"), DrillGlyph::Charts},
    {"SpeedButton13", "", QT_TRANSLATE_NOOP("DrillWindow", "Show All Keys"), DrillGlyph::ShowKeys},
    {"SpeedButton14", "", QT_TRANSLATE_NOOP("DrillWindow", "Hide Keys on Keyboard"),
     DrillGlyph::HideKeys},
    {"SpeedButton15", "A", QT_TRANSLATE_NOOP("DrillWindow", "Include Upper Case Letters"),
     std::nullopt},
    {"SpeedButton16", "a", QT_TRANSLATE_NOOP("DrillWindow", "Lower Case Only"), std::nullopt},
    {"SpeedButton18", QT_TRANSLATE_NOOP("DrillWindow", "Options"),
     QT_TRANSLATE_NOOP("DrillWindow", "Open options window"), std::nullopt},
    {"SpeedButton17", "", QT_TRANSLATE_NOOP("DrillWindow", "Exit Lessons"),
     DrillGlyph::ExitLessons},
}};

constexpr int kToolWidth = 72;
constexpr int kToolHeight = 34;
constexpr int kToolStep = 38;
constexpr int kToolPanelWidth = kToolWidth + 8;

// The rows of the statistics panel: caption, value panel, remark.
struct StatisticsRow {
    const char* captionName;
    const char* caption;
    const char* valueName;
    const char* remark; // none: ""
};
constexpr std::array<StatisticsRow, 8> kStatisticsRows = {{
    {"LabelNumberMissed", QT_TRANSLATE_NOOP("DrillWindow", "Number missed:"), "Panel35",
     QT_TRANSLATE_NOOP("DrillWindow", "(Total missed keys)")},
    {"LabelTimeThisSet", QT_TRANSLATE_NOOP("DrillWindow", "Time this set:"), "Panel28",
     QT_TRANSLATE_NOOP("DrillWindow", "(Time in seconds)")},
    {"LabelBestTime", QT_TRANSLATE_NOOP("DrillWindow", "Best Time:"), "Panel29",
     QT_TRANSLATE_NOOP("DrillWindow", "(Quickest time)")},
    {"LabelCorrectThisSet", QT_TRANSLATE_NOOP("DrillWindow", "Correct this set:"), "Panel30",
     QT_TRANSLATE_NOOP("DrillWindow", "(Correct percent)")},
    {"LabelCorrectThisSession", QT_TRANSLATE_NOOP("DrillWindow", "Correct this session:"),
     "Panel31", QT_TRANSLATE_NOOP("DrillWindow", "(Correct percent of all)")},
    {"LabelSlowestThisSet", QT_TRANSLATE_NOOP("DrillWindow", "Slowest this set:"), "Panel33",
     QT_TRANSLATE_NOOP("DrillWindow", "(Took longest to type)")},
    {"LabelYouMissed", QT_TRANSLATE_NOOP("DrillWindow", "You Missed:"), "Panel25", ""},
    {"LabelByTyping", QT_TRANSLATE_NOOP("DrillWindow", "by typing:"), "Panel54", ""},
}};

// Where the running figures sit inside Panel1.
constexpr QRect kDoneBox{8, 8, 96, 66};
constexpr QRect kTargetBox{112, 8, kTargetBoxWidth, 66};
constexpr QRect kTimeBox{356, 8, 110, 66};
constexpr QRect kLastCorrectBox{474, 8, 248, 66};
constexpr QRect kMissesBox{8, 82, 260, 104};
constexpr QRect kInstructionsBox{276, 82, 446, 104};
constexpr QSize kGuidanceSize{370, 87}; // the guidance sentence's label, word-wrapped

} // namespace

// ---- Building the window -------------------------------------------------------------------

void DrillWindow::buildWindow() {
    buildMenu();
    // The window takes the main window's place and size, or the design size on its own.
    const int menuHeight = menuBar()->sizeHint().height();
    if (QWidget* mainWindow = parentWidget()) {
        setGeometry(mainWindow->geometry());
        m_client = QSize(mainWindow->width(), mainWindow->height() - menuHeight);
    } else {
        m_client = kDrillClientSize;
        resize(m_client.width(), m_client.height() + menuHeight);
    }
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(m_client);
    client->setFocusPolicy(Qt::StrongFocus);
    client->setAttribute(Qt::WA_InputMethodEnabled);
    // The focus rests here during a drill: its accessible name and description say what the
    // screen shows, and change with it.
    client->setAccessibleName(QCoreApplication::translate("DrillWindow", "Drill"));
    setCentralWidget(client);
    setFixedSize(m_client.width(), m_client.height() + menuHeight);

    buildTopArea(client);
    buildToolPanels(client);
    m_keyboardLabel = new PictureView(client);
    m_keyboardLabel->setObjectName(QStringLiteral("Image1"));
    m_keyboardLabel->setGeometry(QRect(QPoint(0, 0), kKeyboardPictureSize));
    m_keyboardLabel->setAccessibleName(QCoreApplication::translate("DrillWindow", "Keyboard"));
    m_cleanKeyboardLabel = makeImage(client, "Image2", QRect(-200, -200, 105, 105));
    m_cleanKeyboardLabel->hide();
    buildStatistics(client);
    buildTips(client);
    buildOwnKeys(client);
    buildTimers();
    layOut();
}

void DrillWindow::buildTopArea(QWidget* client) {
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
    buildRunningFigures(figures);
}

void DrillWindow::buildRunningFigures(QWidget* figures) {
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
    m_targetPanel =
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
    setUiAccessibleName(hitMark, kContext, QT_TRANSLATE_NOOP("DrillWindow", "Correct"));

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
    setUiAccessibleName(missedMark, kContext, kMissedMark);
    makeSpeedButton(misses, "SpeedButton3", QRect(4, 60, 22, 22), "", "");
    setTextColour(makeLabel(misses, "Label91", QT_TRANSLATE_NOOP("DrillWindow", "by typing:"),
                            QRect(30, 60, 110, 22)),
                  rowCaption);
    QLabel* typedInstead = makeCaptionPanel(misses, "Panel61", QRect(142, 56, 60, 32));
    setTextColour(typedInstead, fromBgr(kRed));
    QLabel* typedMark = makeImage(misses, "Image7", QRect(212, 58, kMarkSize, kMarkSize));
    typedMark->setPixmap(missMark);
    setUiAccessibleName(typedMark, kContext, kMissedMark);

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
}

void DrillWindow::buildToolPanels(QWidget* client) {
    const auto buildSide = [&](const char* sideName, const char* imageName, const char* toolsName,
                               auto& tools) {
        QFrame* side = makePanel(client, sideName, QRect());
        makeSchemePicture(side, imageName, SchemePicture::Kind::Frame, QRect());
        const int height = static_cast<int>(tools.size()) * kToolStep + 4;
        QFrame* panel = makePanel(side, toolsName, QRect(0, 0, kToolPanelWidth, height));
        setBackground(panel, kCream);
        int y = 4;
        for (const ToolButton& t : tools) {
            QToolButton* button = makeSpeedButton(
                panel, t.name, QRect(4, y, kToolWidth, kToolHeight), t.caption, t.hint);
            if (t.glyph) {
                button->setIcon(QPixmap::fromImage(drawDrillGlyph(*t.glyph)));
                button->setIconSize(QSize(kToolGlyphSize, kToolGlyphSize));
            }
            y += kToolStep;
        }
    };
    buildSide("PanelLeft", "Image3", "Panel36", kLeftTools);
    buildSide("PanelRight", "Image4", "Panel37", kRightTools);
}

void DrillWindow::buildStatistics(QWidget* client) {
    QFrame* stats = makePanel(client, "Panel11", QRect(QPoint(0, 0), kStatisticsPanelSize));
    setBackground(stats, kBlueGrey);
    makeSchemePicture(stats, "Image9", SchemePicture::Kind::Background, stats->rect());
    QLabel* title = makeLabel(stats, "Label2", QT_TRANSLATE_NOOP("DrillWindow", "Beginners Stats"),
                              QRect(0, 8, kStatisticsPanelSize.width(), 26), Qt::AlignCenter);
    title->setFont(verdana(14, true));
    setTextColour(title, fromBgr(kStatsTitle));
    int y = 40;
    for (const StatisticsRow& row : kStatisticsRows) {
        const bool wide = *row.remark == '\0';
        QLabel* caption = makeLabel(stats, row.captionName, row.caption, QRect(12, y, 190, 24));
        setTextColour(caption, fromBgr(kCream));
        makeCaptionPanel(stats, row.valueName, QRect(204, y, wide ? 250 : 60, 24));
        if (!wide) {
            QLabel* remark = makeLabel(stats, "", row.remark, QRect(270, y, 190, 24));
            remark->setObjectName(QString::fromLatin1(row.valueName) + QStringLiteral("Remark"));
            remark->setFont(courier(9));
            setTextColour(remark, fromBgr(kCream));
        }
        y += 26;
    }
    // The missed targets and the typed keys line up character by character.
    for (const char* name : {"Panel25", "Panel54"})
        stats->findChild<QLabel*>(QString::fromLatin1(name))
            ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    stats->hide();
}

void DrillWindow::buildOwnKeys(QWidget* client) {
    QFrame* own = makePanel(client, "Panel2", QRect(QPoint(0, 0), kOwnKeysPanelSize));
    setBackground(own, kCream);
    makeSchemePicture(own, "Image11", SchemePicture::Kind::Background, own->rect());
    QLabel* ownKeysHelp = makeLabel(own, "Label11", kOwnKeysInstructions, QRect(12, 10, 376, 70),
                                    Qt::AlignLeft | Qt::AlignTop);
    ownKeysHelp->setWordWrap(true);
    ownKeysHelp->setFont(verdana(9));
    setTextColour(ownKeysHelp, Qt::white);
    m_ownKeysEdit = new QLineEdit(own);
    m_ownKeysEdit->setObjectName(QStringLiteral("Edit1"));
    m_ownKeysEdit->setGeometry(12, 86, 180, 28);
    setUiAccessibleName(m_ownKeysEdit, kContext,
                        QT_TRANSLATE_NOOP("DrillWindow", "Keys to practise"));
    setUiAccessibleDescription(m_ownKeysEdit, kContext, kOwnKeysInstructions);
    makeButton(own, "Button1", QT_TRANSLATE_NOOP("DrillWindow", "Verify these Keys"),
               QRect(204, 86, 184, 28));
    makeButton(own, "Button2", QT_TRANSLATE_NOOP("DrillWindow", "Begin Typing"),
               QRect(204, 120, 184, 28));
    makeButton(own, "Button3", QT_TRANSLATE_NOOP("DrillWindow", "Exit to Main Menu"),
               QRect(204, 154, 184, 28));
    setTextColour(makeLabel(own, "Label12", QT_TRANSLATE_NOOP("DrillWindow", "You will be typing:"),
                            QRect(12, 118, 376, 20)),
                  Qt::white);
    makeCaptionPanel(own, "Panel4", QRect(12, 138, 180, 26));
    setTextColour(makeLabel(own, "Label13",
                            QT_TRANSLATE_NOOP("DrillWindow", "Characters not allowed:"),
                            QRect(12, 170, 376, 20)),
                  Qt::white);
    makeCaptionPanel(own, "Panel3", QRect(12, 190, 180, 26));
    own->hide();
}

void DrillWindow::buildTips(QWidget* client) {
    QFrame* tips = makePanel(client, "Panel5", QRect(QPoint(0, 0), kTipsPanelSize));
    QFrame* shape = makePanel(tips, "Shape2", tips->rect());
    setBackground(shape, kTipsGreen);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(2);
    const int width = kTipsPanelSize.width() - 24;
    const QFont font = verdana(10);
    const QFontMetrics metrics(font);
    int top = 12;
    for (const auto& [name, text] :
         {std::pair{"Label15", QT_TRANSLATE_NOOP("DrillWindow",
                                                 "Tip: You can adjust how fast you are shown the "
                                                 "key to type on the keyboard.")},
          std::pair{"Label14", QT_TRANSLATE_NOOP("DrillWindow",
                                                 "Tip: Point your mouse over the various Option "
                                                 "buttons to see what they are for.")},
          std::pair{"Label10", QT_TRANSLATE_NOOP("DrillWindow",
                                                 "Tip: Use the Escape Key to quit in the middle "
                                                 "of an exercise.")}}) {
        const QString caption = QCoreApplication::translate(kContext, text);
        const int height =
            metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, caption).height();
        QLabel* tip = makeLabel(
            tips, name, text, QRect(centredLeft(kTipsPanelSize.width(), width), top, width, height),
            Qt::AlignHCenter | Qt::AlignTop);
        tip->setWordWrap(true);
        tip->setFont(font);
        top += height + 4;
    }
}

void DrillWindow::buildMenu() {
    QMenu* help = menuBar()->addMenu(QString());
    setUiText(help, kContext, QT_TRANSLATE_NOOP("DrillWindow", "&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* open = help->addAction(QString());
    setUiText(open, kContext, QT_TRANSLATE_NOOP("DrillWindow", "&Open"));
    open->setObjectName(QStringLiteral("Open1"));
    connect(open, &QAction::triggered, this, [this] { openHelpClick(); });
    QMenu* exit = menuBar()->addMenu(QString());
    setUiText(exit, kContext, QT_TRANSLATE_NOOP("DrillWindow", "&Exit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    QAction* close = exit->addAction(QString());
    setUiText(close, kContext, QT_TRANSLATE_NOOP("DrillWindow", "&Close Beginners Drills"));
    close->setObjectName(QStringLiteral("CloseBeginnersDrills1"));
    connect(close, &QAction::triggered, this, [this] { exitLessonsClick(); });
}

// The layout at creation: the keyboard at the bottom centre, the title area above it, the tool
// panels beside it, the own-keys, statistics and tips boxes centred.
void DrillWindow::layOut() {
    const DrillLayout l = computeDrillLayout(m_client, kKeyboardPictureSize);
    m_keyboardLabel->setGeometry(l.keyboardPicture);

    auto* top = findChild<QFrame*>(QStringLiteral("PanelTop"));
    top->setGeometry(l.panelTop);
    findChild<SchemePicture*>(QStringLiteral("Image10"))->setGeometry(top->rect());
    auto* left = findChild<QFrame*>(QStringLiteral("PanelLeft"));
    left->setGeometry(l.panelLeft);
    findChild<SchemePicture*>(QStringLiteral("Image3"))->setGeometry(left->rect());
    auto* right = findChild<QFrame*>(QStringLiteral("PanelRight"));
    right->setGeometry(l.panelRight);
    findChild<SchemePicture*>(QStringLiteral("Image4"))->setGeometry(right->rect());

    auto* figures = findChild<QFrame*>(QStringLiteral("Panel1"));
    figures->setGeometry(22, 48, l.panelTop.width() - 44, l.panelTop.height() - 48 - 4);
    findChild<SchemePicture*>(QStringLiteral("Image8"))->setGeometry(figures->rect());

    auto* heading = findChild<QLabel*>(QStringLiteral("Label1"));
    heading->setGeometry(QRect(QPoint(17, 13), heading->sizeHint()));
    auto* drillTitle = findChild<QLabel*>(QStringLiteral("Label3"));
    const int titleLeft = heading->x() + heading->width() + 17;
    drillTitle->setGeometry(titleLeft, 12, l.panelTop.width() - titleLeft - 4,
                            heading->height() + 2);
    // The white copy lies two pixels down and right, behind the title, as its shadow.
    findChild<QLabel*>(QStringLiteral("Label4"))
        ->setGeometry(drillTitle->geometry().translated(2, 2));
    drillTitle->raise();

    for (const auto& [side, tools] : {std::pair{left, "Panel36"}, std::pair{right, "Panel37"}}) {
        auto* panel = side->findChild<QFrame*>(QString::fromLatin1(tools));
        panel->move(centredLeft(side->width(), panel->width()),
                    centredLeft(side->height(), panel->height()));
    }

    findChild<QFrame*>(QStringLiteral("Panel2"))->setGeometry(l.ownKeysBox);
    findChild<QFrame*>(QStringLiteral("Panel11"))->setGeometry(l.statisticsBox);
    findChild<QFrame*>(QStringLiteral("Panel5"))->setGeometry(l.tipsBox);
    // The boxes lie over the keyboard and the title area.
    for (const char* name : {"Panel11", "Panel5", "Panel2"})
        findChild<QFrame*>(QString::fromLatin1(name))->raise();
}

} // namespace kf
