// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the drill window and where they go: built once, when the window is created.
#include "drills/DrillWindowControls.h"

#include "drills/DrillControlKinds.h"
#include "drills/DrillGlyphs.h"
#include "drills/DrillLayout.h"
#include "drills/DrillTexts.h"
#include "drills/DrillTopArea.h"
#include "widgets/PictureView.h"
#include "widgets/ProgramPictures.h"
#include "widgets/TranslatedText.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <optional>

namespace kf {

using namespace drillstyle;
using namespace drillcontrols;

namespace {

constexpr const char* kOwnKeysInstructions =
    QT_TRANSLATE_NOOP("DrillWindow", "Type between 2 and 10 characters to practice, then click the "
                                     "\"Verify these Keys\" button. After that, click the \"Begin "
                                     "Typing\" button. Unallowed characters will be deleted.");

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

// Eight letters of the window font fit a caption ("Optionen", "Opciones").
constexpr int kToolWidth = 76;
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

void buildToolPanels(QWidget* client) {
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

// The keyboard picture and its unmarked copy, hidden.
void buildKeyboardPictures(QWidget* client, DrillWindowControls& controls) {
    controls.keyboard = new PictureView(client);
    controls.keyboard->setObjectName(QStringLiteral("Image1"));
    controls.keyboard->setGeometry(QRect(QPoint(0, 0), kKeyboardPictureSize));
    controls.keyboard->setAccessibleName(QCoreApplication::translate("DrillWindow", "Keyboard"));
    controls.cleanKeyboard = makeImage(client, "Image2", QRect(-200, -200, 105, 105));
    controls.cleanKeyboard->hide();
}

void buildStatistics(QWidget* client) {
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

void buildOwnKeys(QWidget* client, DrillWindowControls& controls) {
    QFrame* own = makePanel(client, "Panel2", QRect(QPoint(0, 0), kOwnKeysPanelSize));
    controls.ownKeysPanel = own;
    setBackground(own, kCream);
    makeSchemePicture(own, "Image11", SchemePicture::Kind::Background, own->rect());
    QLabel* ownKeysHelp = makeLabel(own, "Label11", kOwnKeysInstructions, QRect(12, 10, 376, 70),
                                    Qt::AlignLeft | Qt::AlignTop);
    ownKeysHelp->setWordWrap(true);
    ownKeysHelp->setFont(verdana(9));
    setTextColour(ownKeysHelp, Qt::white);
    controls.ownKeysEdit = new QLineEdit(own);
    controls.ownKeysEdit->setObjectName(QStringLiteral("Edit1"));
    controls.ownKeysEdit->setGeometry(12, 86, 180, 28);
    setUiAccessibleName(controls.ownKeysEdit, kDrillWindowContext,
                        QT_TRANSLATE_NOOP("DrillWindow", "Keys to practise"));
    setUiAccessibleDescription(controls.ownKeysEdit, kDrillWindowContext, kOwnKeysInstructions);
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

void buildTips(QWidget* client) {
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
        const QString caption = QCoreApplication::translate(kDrillWindowContext, text);
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

void buildMenu(QMainWindow& window, DrillWindowControls& controls) {
    QMenu* help = window.menuBar()->addMenu(QString());
    setUiText(help, kDrillWindowContext, QT_TRANSLATE_NOOP("DrillWindow", "&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    controls.openHelp = help->addAction(QString());
    setUiText(controls.openHelp, kDrillWindowContext, QT_TRANSLATE_NOOP("DrillWindow", "&Open"));
    controls.openHelp->setObjectName(QStringLiteral("Open1"));
    QMenu* exit = window.menuBar()->addMenu(QString());
    setUiText(exit, kDrillWindowContext, QT_TRANSLATE_NOOP("DrillWindow", "&Exit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    controls.closeDrills = exit->addAction(QString());
    setUiText(controls.closeDrills, kDrillWindowContext,
              QT_TRANSLATE_NOOP("DrillWindow", "&Close Beginners Drills"));
    controls.closeDrills->setObjectName(QStringLiteral("CloseBeginnersDrills1"));
}

DrillTimers buildTimers(QMainWindow& window) {
    DrillTimers timers{};
    const char* names[] = {"Timer1", "Timer2", "Timer3", "Timer4"};
    for (std::size_t i = 0; i < timers.size(); ++i) {
        auto* timer = new QTimer(&window);
        timer->setObjectName(QString::fromLatin1(names[i]));
        timers[i] = timer;
    }
    // The set clock and the reaction clock only refresh what is shown, from the monotonic
    // clock; precise timers keep that refresh close to the second.
    timers[2]->setTimerType(Qt::PreciseTimer);
    timers[3]->setTimerType(Qt::PreciseTimer);
    return timers;
}

// The layout at creation: the keyboard at the bottom centre, the title area above it, the tool
// panels beside it, the own-keys, statistics and tips boxes centred.
void layOut(QWidget& client, QSize clientSize, PictureView& keyboard) {
    const DrillLayout l = computeDrillLayout(clientSize, kKeyboardPictureSize);
    keyboard.setGeometry(l.keyboardPicture);
    layOutDrillTopArea(client, l.panelTop);

    auto* left = client.findChild<QFrame*>(QStringLiteral("PanelLeft"));
    left->setGeometry(l.panelLeft);
    left->findChild<SchemePicture*>(QStringLiteral("Image3"))->setGeometry(left->rect());
    auto* right = client.findChild<QFrame*>(QStringLiteral("PanelRight"));
    right->setGeometry(l.panelRight);
    right->findChild<SchemePicture*>(QStringLiteral("Image4"))->setGeometry(right->rect());
    for (const auto& [side, tools] : {std::pair{left, "Panel36"}, std::pair{right, "Panel37"}}) {
        auto* panel = side->findChild<QFrame*>(QString::fromLatin1(tools));
        panel->move(centredLeft(side->width(), panel->width()),
                    centredLeft(side->height(), panel->height()));
    }

    client.findChild<QFrame*>(QStringLiteral("Panel2"))->setGeometry(l.ownKeysBox);
    client.findChild<QFrame*>(QStringLiteral("Panel11"))->setGeometry(l.statisticsBox);
    client.findChild<QFrame*>(QStringLiteral("Panel5"))->setGeometry(l.tipsBox);
    // The boxes lie over the keyboard and the title area.
    for (const char* name : {"Panel11", "Panel5", "Panel2"})
        client.findChild<QFrame*>(QString::fromLatin1(name))->raise();
}

} // namespace

DrillWindowControls buildDrillWindow(QMainWindow& window) {
    window.setObjectName(QStringLiteral("BegForm"));
    setUiWindowTitle(&window, kDrillWindowContext,
                     QT_TRANSLATE_NOOP("DrillWindow", "Keyfarer Typing Tutor (Beginners Drills)"));
    window.setFont(windowFont());
    window.setProperty("helpFile", QString::fromLatin1(kHelpFile));
    window.setProperty("helpContext", 50);
    window.setAttribute(Qt::WA_InputMethodEnabled);

    DrillWindowControls controls;
    buildMenu(window, controls);
    // The window takes the main window's place and size, or the design size on its own.
    const int menuHeight = window.menuBar()->sizeHint().height();
    QSize clientSize;
    if (QWidget* mainWindow = window.parentWidget()) {
        window.setGeometry(mainWindow->geometry());
        clientSize = QSize(mainWindow->width(), mainWindow->height() - menuHeight);
    } else {
        clientSize = kDrillClientSize;
        window.resize(clientSize.width(), clientSize.height() + menuHeight);
    }
    auto* client = new QWidget(&window);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(clientSize);
    client->setFocusPolicy(Qt::StrongFocus);
    client->setAttribute(Qt::WA_InputMethodEnabled);
    // The focus rests here during a drill: its accessible name and description say what the
    // screen shows, and change with it.
    client->setAccessibleName(QCoreApplication::translate("DrillWindow", "Drill"));
    window.setCentralWidget(client);
    window.setFixedSize(clientSize.width(), clientSize.height() + menuHeight);

    controls.targetPanel = buildDrillTopArea(client);
    buildToolPanels(client);
    buildKeyboardPictures(client, controls);
    buildStatistics(client);
    buildTips(client);
    buildOwnKeys(client, controls);
    controls.timers = buildTimers(window);
    layOut(*client, clientSize, *controls.keyboard);
    return controls;
}

} // namespace kf
