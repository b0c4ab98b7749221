// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/beg.h"

#include "app/Globals.h"
#include "app/Services.h"
#include "app/stuff.h"
#include "drills/DrillCaption.h"
#include "drills/DrillGlyphs.h"
#include "drills/DrillKeyInput.h"
#include "drills/DrillLayout.h"
#include "options/optionsForm.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace kf {

namespace {

using C = DrillControl;

// Colours of the design, as 0x00BBGGRR values.
constexpr quint32 kCream = 16187134;      // panel background
constexpr quint32 kBlueGrey = 10393692;   // statistics and top panel
constexpr quint32 kTitleText = 4210688;   // drill title at design
constexpr quint32 kRowCaption = 4227072;  // captions of the rows
constexpr quint32 kStatsTitle = 13102058; // "Beginners Stats"
constexpr quint32 kNavy = 0x800000;
constexpr quint32 kMaroon = 0x000080;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kTipsGreen = 0x00C8E6C8; // the tips box's shape

QColor fromBgr(quint32 bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

QString str(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Font families: the design's Verdana has no metric twin on this system, so DejaVu Sans is
// chosen outright; Courier New and Times New Roman map to their Liberation twins.
QFont courier(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont verdana(int pixels, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QFont timesNewRoman(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void setBackground(QWidget* w, quint32 bgr) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fromBgr(bgr));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// A container panel.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    return panel;
}

// A panel or label that shows a caption.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(displayedCaption(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* makeCaptionPanel(QWidget* parent, const char* name, const QRect& geometry,
                         quint32 background = kWhite) {
    QLabel* panel = makeLabel(parent, name, QString(), geometry, Qt::AlignCenter);
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

QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QRect& geometry,
                             const QString& caption, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setText(caption);
    button->setToolTip(hint);
    // Speed buttons never take the focus: keys always go to the drill.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    // Enter presses the focused button, so the own-keys panel works from the keyboard.
    button->setAutoDefault(true);
    return button;
}

// The tool buttons down the two sides of the keyboard.
struct ToolButton {
    const char* name;
    std::string_view caption;
    std::string_view hint;
    std::optional<DrillGlyph> glyph;
};

constexpr std::array<ToolButton, 6> kLeftTools = {{
    {"SpeedButton5", "", "Adjust Hand Delay", DrillGlyph::HandDelay},
    {"SpeedButton6", "10", "Do 10 Letters at a time", std::nullopt},
    {"SpeedButton7", "20", "Do 20 Letters at a time", std::nullopt},
    {"SpeedButton8", "30", "Do 30 Letters at a time", std::nullopt},
    {"SpeedButton9", "", "Sound On", DrillGlyph::Sound},
    {"SpeedButton11", "", "Colors", DrillGlyph::Colours},
}};

constexpr std::array<ToolButton, 7> kRightTools = {{
    {"SpeedButton12", "", "Charts", DrillGlyph::Charts},
    {"SpeedButton13", "", "Show All Keys", DrillGlyph::ShowKeys},
    {"SpeedButton14", "", "Hide Keys on Keyboard", DrillGlyph::HideKeys},
    {"SpeedButton15", "A", "Include Upper Case Letters", std::nullopt},
    {"SpeedButton16", "a", "Lower Case Only", std::nullopt},
    {"SpeedButton18", "Options", "Open options window", std::nullopt},
    {"SpeedButton17", "", "Exit Lessons", DrillGlyph::ExitLessons},
}};

constexpr int kToolWidth = 72;
constexpr int kToolHeight = 34;
constexpr int kToolStep = 38;
constexpr int kToolPanelWidth = kToolWidth + 8;

// The hide/show buttons of the rows: which row, and the hint while it is hidden.
struct RowButton {
    DrillRow row;
    const char* name;
    std::string_view hiddenHint;
};
constexpr std::array<RowButton, kDrillRowCount> kRowButtons = {{
    {DrillRow::LastCorrect, "SpeedButton1", "Click to see Last Correct"},
    {DrillRow::Missed, "SpeedButton2", "Click to see Missed Letters"},
    {DrillRow::Typed, "SpeedButton3", "Click to see Errors here"},
    {DrillRow::Instructions, "SpeedButton4", "Click to see text description"},
}};
constexpr std::string_view kShownRowHint = "Hide this if Distracting";

// The rows of the statistics panel: caption, value panel, remark.
struct StatisticsRow {
    const char* captionName;
    std::string_view caption;
    const char* valueName;
    std::string_view remark;
};
constexpr std::array<StatisticsRow, 8> kStatisticsRows = {{
    {"LabelNumberMissed", "Number missed:", "Panel35", "(Total missed keys)"},
    {"LabelTimeThisSet", "Time this set:", "Panel28", "(Time in seconds)"},
    {"LabelBestTime", "Best Time:", "Panel29", "(Quickest time)"},
    {"LabelCorrectThisSet", "Correct this set:", "Panel30", "(Correct percent)"},
    {"LabelCorrectThisSession", "Correct this session:", "Panel31", "(Correct percent of all)"},
    {"LabelSlowestThisSet", "Slowest this set:", "Panel33", "(Took longest to type)"},
    {"LabelYouMissed", "You Missed:", "Panel25", ""},
    {"LabelByTyping", "by typing:", "Panel54", ""},
}};

// Where the running figures sit inside Panel1.
constexpr QRect kPanel16{8, 8, 96, 66};
constexpr QRect kPanel18{112, 8, kTargetBoxWidth, 66};
constexpr QRect kPanel20{356, 8, 110, 66};
constexpr QRect kPanel22{474, 8, 248, 66};
constexpr QRect kPanel24{8, 82, 260, 104};
constexpr QRect kPanel10{276, 82, 446, 104};
constexpr int kTargetTop = 12;
constexpr int kTargetHeight = 40;

const QString kHelpFile = QStringLiteral("kftyping.hlp");

} // namespace

TBegForm::TBegForm(Globals& globals, Services& services, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_globals(globals)
    , m_services(services)
    , m_engine(globals, services) {
    setObjectName(QStringLiteral("BegForm"));
    setWindowTitle(QStringLiteral("Keyfarer Typing Tutor (Beginners Drills)"));
    setFont(courier(15));
    setProperty("helpFile", kHelpFile);
    setProperty("helpContext", 50);
    setAttribute(Qt::WA_InputMethodEnabled);
    buildWindow();
    cacheControls();
    connectButtons();
    loadKeyboardPictures();
    // Each tick of Timer1 draws the next frame of the hands, with the key marks, on a fresh copy
    // of the keyboard picture.
    m_engine.setHandAnimation([this](HandAnimationState& hands) {
        const HandScene scene = makeHandScene(m_globals.currentKey, m_engine.awaitingEnter(),
                                              m_globals.record, m_globals.activity.largeFont);
        const Timer1Order order = AnimateHands(hands, scene, m_keyboard, m_cleanKeyboard);
        showKeyboardImage();
        return order;
    });
    for (const RowButton& b : kRowButtons)
        showRowButton(b.row);
    render();
}

TBegForm::~TBegForm() {
    if (m_filtering)
        qApp->removeEventFilter(this);
}

// ---- Building the window -------------------------------------------------------------------

void TBegForm::buildWindow() {
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
    setCentralWidget(client);
    setFixedSize(m_client.width(), m_client.height() + menuHeight);

    buildTopArea(client);
    buildToolPanels(client);
    m_image1 = makeImage(client, "Image1", QRect(QPoint(0, 0), kKeyboardPictureSize));
    m_image2 = makeImage(client, "Image2", QRect(-200, -200, 105, 105));
    m_image2->hide();
    buildStatistics(client);
    buildTips(client);
    buildOwnKeys(client);
    buildTimers();
    layOut();
}

void TBegForm::buildTopArea(QWidget* client) {
    QFrame* top = makePanel(client, "PanelTop", QRect());
    setBackground(top, kBlueGrey);
    makeImage(top, "Image10", QRect());
    QLabel* label1 = makeLabel(top, "Label1", QStringLiteral("Beginners Drills:"), QRect());
    label1->setFont(verdana(24, true));
    QLabel* label4 = makeLabel(top, "Label4", QString(), QRect());
    label4->setFont(verdana(24, true));
    setTextColour(label4, Qt::white);
    QLabel* label3 = makeLabel(top, "Label3", QString(), QRect());
    label3->setFont(verdana(24, true));
    setTextColour(label3, fromBgr(kTitleText));

    QFrame* panel1 = makePanel(top, "Panel1", QRect());
    makeImage(panel1, "Image8", QRect());
    buildRunningFigures(panel1);
}

void TBegForm::buildRunningFigures(QWidget* panel1) {
    const QColor rowCaption = fromBgr(kRowCaption);

    QFrame* done = makePanel(panel1, "Panel16", kPanel16);
    setBackground(done, kCream);
    makeCaptionPanel(done, "Panel17", QRect(8, 6, 80, 32));
    setTextColour(
        makeLabel(done, "Label25", QStringLiteral("Done"), QRect(8, 40, 80, 22), Qt::AlignCenter),
        rowCaption);

    QFrame* target = makePanel(panel1, "Panel18", kPanel18);
    setBackground(target, kCream);
    setTextColour(makeLabel(target, "Label82", QStringLiteral("Type the"), QRect(4, 22, 86, 22)),
                  rowCaption);
    m_panel19 = makeCaptionPanel(target, "Panel19", QRect(93, kTargetTop, 50, kTargetHeight));
    setTextColour(makeLabel(target, "Label83", QStringLiteral("Character"), QRect(147, 22, 88, 22)),
                  rowCaption);

    QFrame* time = makePanel(panel1, "Panel20", kPanel20);
    setBackground(time, kCream);
    setTextColour(makeLabel(time, "Label26", QStringLiteral("Time:"), QRect(8, 4, 94, 22)),
                  rowCaption);
    makeCaptionPanel(time, "Panel21", QRect(8, 28, 94, 32));

    QFrame* lastCorrect = makePanel(panel1, "Panel22", kPanel22);
    setBackground(lastCorrect, kCream);
    makeSpeedButton(lastCorrect, "SpeedButton1", QRect(4, 4, 22, 22), QString(), QString());
    setTextColour(
        makeLabel(lastCorrect, "Label81", QStringLiteral("Last correct:"), QRect(30, 4, 150, 22)),
        rowCaption);
    makeCaptionPanel(lastCorrect, "Panel23", QRect(30, 28, 60, 32));
    makeImage(lastCorrect, "Image5", QRect(100, 30, kMarkSize, kMarkSize))
        ->setPixmap(QPixmap::fromImage(drawDrillGlyph(DrillGlyph::HitMark)));

    QFrame* misses = makePanel(panel1, "Panel24", kPanel24);
    setBackground(misses, kCream);
    makeSpeedButton(misses, "SpeedButton2", QRect(4, 8, 22, 22), QString(), QString());
    setTextColour(
        makeLabel(misses, "Label90", QStringLiteral("You missed:"), QRect(30, 8, 110, 22)),
        rowCaption);
    QLabel* panel60 = makeCaptionPanel(misses, "Panel60", QRect(142, 4, 60, 32));
    setTextColour(panel60, fromBgr(kMaroon));
    const QPixmap missMark = QPixmap::fromImage(drawDrillGlyph(DrillGlyph::MissMark));
    makeImage(misses, "Image6", QRect(212, 6, kMarkSize, kMarkSize))->setPixmap(missMark);
    makeSpeedButton(misses, "SpeedButton3", QRect(4, 60, 22, 22), QString(), QString());
    setTextColour(
        makeLabel(misses, "Label91", QStringLiteral("by typing:"), QRect(30, 60, 110, 22)),
        rowCaption);
    QLabel* panel61 = makeCaptionPanel(misses, "Panel61", QRect(142, 56, 60, 32));
    setTextColour(panel61, fromBgr(kRed));
    makeImage(misses, "Image7", QRect(212, 58, kMarkSize, kMarkSize))->setPixmap(missMark);

    QFrame* instructions = makePanel(panel1, "Panel10", kPanel10);
    setBackground(instructions, kWhite);
    QLabel* label17 = makeLabel(instructions, "Label17", QString(),
                                QRect(8, 4, kPanel10.width() - 44, kPanel10.height() - 8),
                                Qt::AlignLeft | Qt::AlignTop);
    label17->setWordWrap(true);
    label17->setFont(verdana(13));
    setTextColour(label17, fromBgr(kNavy));
    makeSpeedButton(instructions, "SpeedButton4", QRect(kPanel10.width() - 30, 4, 22, 22),
                    QString(), QStringLiteral("Click to Hide"));

    // The pause box lies over the instructions.
    QFrame* pause = makePanel(panel1, "Panel62", kPanel10);
    setBackground(pause, kWhite);
    pause->setFrameStyle(QFrame::Box);
    QLabel* label92 = makeLabel(pause, "Label92", QStringLiteral("Pause!"),
                                QRect(8, 2, kPanel10.width() - 16, 28));
    label92->setFont(timesNewRoman(19, true));
    setTextColour(label92, fromBgr(kRed));
    QLabel* label93 = makeLabel(pause, "Label93", QString(),
                                QRect(8, 32, kPanel10.width() - 16, kPanel10.height() - 36),
                                Qt::AlignLeft | Qt::AlignTop);
    label93->setWordWrap(true);
    setTextColour(label93, fromBgr(kMaroon));
    pause->raise();
    pause->hide();
}

void TBegForm::buildToolPanels(QWidget* client) {
    const auto buildSide = [&](const char* sideName, const char* imageName, const char* toolsName,
                               auto& tools) {
        QFrame* side = makePanel(client, sideName, QRect());
        makeImage(side, imageName, QRect());
        const int height = static_cast<int>(tools.size()) * kToolStep + 4;
        QFrame* panel = makePanel(side, toolsName, QRect(0, 0, kToolPanelWidth, height));
        setBackground(panel, kCream);
        int y = 4;
        for (const ToolButton& t : tools) {
            QToolButton* button = makeSpeedButton(
                panel, t.name, QRect(4, y, kToolWidth, kToolHeight), str(t.caption), str(t.hint));
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

void TBegForm::buildStatistics(QWidget* client) {
    QFrame* stats = makePanel(client, "Panel11", QRect(QPoint(0, 0), kStatisticsPanelSize));
    setBackground(stats, kBlueGrey);
    makeImage(stats, "Image9", stats->rect());
    QLabel* title = makeLabel(stats, "Label2", QStringLiteral("Beginners Stats"),
                              QRect(0, 8, kStatisticsPanelSize.width(), 26), Qt::AlignCenter);
    title->setFont(verdana(18, true));
    setTextColour(title, fromBgr(kStatsTitle));
    int y = 40;
    for (const StatisticsRow& row : kStatisticsRows) {
        const bool wide = row.remark.empty();
        QLabel* caption =
            makeLabel(stats, row.captionName, str(row.caption), QRect(12, y, 190, 24));
        setTextColour(caption, fromBgr(kCream));
        makeCaptionPanel(stats, row.valueName, QRect(204, y, wide ? 250 : 60, 24));
        if (!wide) {
            QLabel* remark = makeLabel(stats, "", str(row.remark), QRect(270, y, 190, 24));
            remark->setObjectName(QString::fromLatin1(row.valueName) + QStringLiteral("Remark"));
            remark->setFont(courier(12));
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

void TBegForm::buildOwnKeys(QWidget* client) {
    QFrame* own = makePanel(client, "Panel2", QRect(QPoint(0, 0), kOwnKeysPanelSize));
    setBackground(own, kCream);
    makeImage(own, "Image11", own->rect());
    const QChar q = u'"';
    QLabel* label11 = makeLabel(
        own, "Label11",
        QStringLiteral("Type between 2 and 10 characters to practice, then click the ") + q +
            QStringLiteral("Verify these Keys") + q +
            QStringLiteral(" button. After that, click the ") + q + QStringLiteral("Begin Typing") +
            q + QStringLiteral(" button. Unallowed characters will be deleted."),
        QRect(12, 10, 376, 70), Qt::AlignLeft | Qt::AlignTop);
    label11->setWordWrap(true);
    label11->setFont(verdana(12));
    setTextColour(label11, Qt::white);
    m_edit1 = new QLineEdit(own);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setGeometry(12, 86, 180, 28);
    makeButton(own, "Button1", QStringLiteral("Verify these Keys"), QRect(204, 86, 184, 28));
    makeButton(own, "Button2", QStringLiteral("Begin Typing"), QRect(204, 120, 184, 28));
    makeButton(own, "Button3", QStringLiteral("Exit to Main Menu"), QRect(204, 154, 184, 28));
    setTextColour(
        makeLabel(own, "Label12", QStringLiteral("You will be typing:"), QRect(12, 118, 376, 20)),
        Qt::white);
    makeCaptionPanel(own, "Panel4", QRect(12, 138, 180, 26));
    setTextColour(makeLabel(own, "Label13", QStringLiteral("Characters not allowed:"),
                            QRect(12, 170, 376, 20)),
                  Qt::white);
    makeCaptionPanel(own, "Panel3", QRect(12, 190, 180, 26));
    own->hide();
}

void TBegForm::buildTips(QWidget* client) {
    QFrame* tips = makePanel(client, "Panel5", QRect(QPoint(0, 0), kTipsPanelSize));
    QFrame* shape = makePanel(tips, "Shape2", tips->rect());
    setBackground(shape, kTipsGreen);
    shape->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape->setLineWidth(2);
    const int width = kTipsPanelSize.width() - 24;
    const QFont font = verdana(13);
    const QFontMetrics metrics(font);
    int top = 12;
    for (const auto& [name, text] :
         {std::pair{"Label15", "Tip: You can adjust how fast you are shown the key to type on "
                               "the keyboard."},
          std::pair{"Label14", "Tip: Point your mouse over the various Option buttons to see "
                               "what they are for."},
          std::pair{"Label10", "Tip: Use the Escape Key to quit in the middle of an exercise."}}) {
        const QString caption = QString::fromLatin1(text);
        const int height =
            metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, caption).height();
        QLabel* tip =
            makeLabel(tips, name, caption,
                      QRect(centredLeft(kTipsPanelSize.width(), width), top, width, height),
                      Qt::AlignHCenter | Qt::AlignTop);
        tip->setWordWrap(true);
        tip->setFont(font);
        top += height + 4;
    }
}

void TBegForm::buildMenu() {
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* open = help->addAction(QStringLiteral("&Open"));
    open->setObjectName(QStringLiteral("Open1"));
    connect(open, &QAction::triggered, this, [this] { OpenHelpClick(); });
    QMenu* exit = menuBar()->addMenu(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    QAction* close = exit->addAction(QStringLiteral("&Close Beginners Drills"));
    close->setObjectName(QStringLiteral("CloseBeginnersDrills1"));
    connect(close, &QAction::triggered, this, [this] { ExitLessonsClick(); });
}

void TBegForm::buildTimers() {
    const char* names[] = {"Timer1", "Timer2", "Timer3", "Timer4"};
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(names[i]));
        m_timers[i] = timer;
    }
    // The set clock and the reaction clock only refresh what is shown, from the monotonic
    // clock; precise timers keep that refresh close to the second.
    m_timers[2]->setTimerType(Qt::PreciseTimer);
    m_timers[3]->setTimerType(Qt::PreciseTimer);
    connect(m_timers[0], &QTimer::timeout, this, &TBegForm::Timer1Timer);
    connect(m_timers[1], &QTimer::timeout, this, &TBegForm::Timer2Timer);
    connect(m_timers[2], &QTimer::timeout, this, &TBegForm::Timer3Timer);
    connect(m_timers[3], &QTimer::timeout, this, &TBegForm::Timer4Timer);
}

void TBegForm::Timer1Timer() {
    m_engine.Timer1Timer();
    render();
}

void TBegForm::Timer2Timer() {
    m_engine.Timer2Timer();
    render();
}

void TBegForm::Timer3Timer() {
    m_engine.Timer3Timer();
    render();
}

void TBegForm::Timer4Timer() {
    m_engine.Timer4Timer();
    render();
}

// The layout at creation: the keyboard at the bottom centre, the title area above it, the tool
// panels beside it, the own-keys, statistics and tips boxes centred.
void TBegForm::layOut() {
    const DrillLayout l = computeDrillLayout(m_client, kKeyboardPictureSize);
    m_image1->setGeometry(l.image1);

    auto* top = findChild<QFrame*>(QStringLiteral("PanelTop"));
    top->setGeometry(l.panelTop);
    findChild<QLabel*>(QStringLiteral("Image10"))->setGeometry(top->rect());
    auto* left = findChild<QFrame*>(QStringLiteral("PanelLeft"));
    left->setGeometry(l.panelLeft);
    findChild<QLabel*>(QStringLiteral("Image3"))->setGeometry(left->rect());
    auto* right = findChild<QFrame*>(QStringLiteral("PanelRight"));
    right->setGeometry(l.panelRight);
    findChild<QLabel*>(QStringLiteral("Image4"))->setGeometry(right->rect());

    auto* panel1 = findChild<QFrame*>(QStringLiteral("Panel1"));
    panel1->setGeometry(22, 48, l.panelTop.width() - 44, l.panelTop.height() - 48 - 4);
    findChild<QLabel*>(QStringLiteral("Image8"))->setGeometry(panel1->rect());

    auto* label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    label1->setGeometry(QRect(QPoint(17, 13), label1->sizeHint()));
    auto* label3 = findChild<QLabel*>(QStringLiteral("Label3"));
    const int titleLeft = label1->x() + label1->width() + 17;
    label3->setGeometry(titleLeft, 12, l.panelTop.width() - titleLeft - 4, label1->height() + 2);
    // The white copy lies two pixels down and right, behind the title, as its shadow.
    findChild<QLabel*>(QStringLiteral("Label4"))->setGeometry(label3->geometry().translated(2, 2));
    label3->raise();

    for (const auto& [side, tools] : {std::pair{left, "Panel36"}, std::pair{right, "Panel37"}}) {
        auto* panel = side->findChild<QFrame*>(QString::fromLatin1(tools));
        panel->move(centredLeft(side->width(), panel->width()),
                    centredLeft(side->height(), panel->height()));
    }

    findChild<QFrame*>(QStringLiteral("Panel2"))->setGeometry(l.panel2);
    findChild<QFrame*>(QStringLiteral("Panel11"))->setGeometry(l.panel11);
    findChild<QFrame*>(QStringLiteral("Panel5"))->setGeometry(l.panel5);
    // The boxes lie over the keyboard and the title area.
    for (const char* name : {"Panel11", "Panel5", "Panel2"})
        findChild<QFrame*>(QString::fromLatin1(name))->raise();
}

void TBegForm::cacheControls() {
    for (std::size_t i = 0; i < kDrillControlCount; ++i) {
        m_controls[i] = findChild<QWidget*>(str(kDrillControlNames[i]));
        Q_ASSERT_X(m_controls[i], "TBegForm", kDrillControlNames[i].data());
    }
}

void TBegForm::connectButtons() {
    const auto onClick = [this](const char* name, auto handler) {
        auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name));
        connect(button, &QAbstractButton::clicked, this, [this, handler] {
            handler();
            render();
        });
    };
    onClick("SpeedButton6", [this] { m_engine.ChooseSetLength(10); });
    onClick("SpeedButton7", [this] { m_engine.ChooseSetLength(20); });
    onClick("SpeedButton8", [this] { m_engine.ChooseSetLength(30); });
    onClick("SpeedButton15", [this] { m_engine.ChooseLowerCaseOnly(false); });
    onClick("SpeedButton16", [this] { m_engine.ChooseLowerCaseOnly(true); });
    onClick("SpeedButton5", [this] { openOptions(OptionsPage::BeginnersIntermediate); });
    onClick("SpeedButton18", [this] { openOptions(OptionsPage::BeginnersIntermediate); });
    onClick("SpeedButton9", [this] { openOptions(OptionsPage::GlobalOptions); });
    onClick("SpeedButton11", [this] { openOptions(OptionsPage::GlobalOptions); });
    onClick("SpeedButton12", [this] { openCharts(); });
    onClick("SpeedButton13", [this] { showKeysOnKeyboard(true); });
    onClick("SpeedButton14", [this] { showKeysOnKeyboard(false); });
    onClick("SpeedButton17", [this] { ExitLessonsClick(); });
    onClick("SpeedButton1", [this] { toggleRow(DrillRow::LastCorrect); });
    onClick("SpeedButton2", [this] { toggleRow(DrillRow::Missed); });
    onClick("SpeedButton3", [this] { toggleRow(DrillRow::Typed); });
    onClick("SpeedButton4", [this] { toggleRow(DrillRow::Instructions); });
    onClick("Button1", [this] { Button1Click(); });
    onClick("Button2", [this] { Button2Click(); });
    onClick("Button3", [this] { Button3Click(); });
}

// ---- Pictures ------------------------------------------------------------------------------

void TBegForm::loadKeyboardPictures() {
    KeyboardPicture picture = loadKeyboardPicture(m_globals);
    switch (picture.status) {
    case KeyboardPicture::Status::Loaded:
        break;
    case KeyboardPicture::Status::FellBack:
        m_services.dialogs.information(picture.message);
        break;
    case KeyboardPicture::Status::Unchanged:
        return;
    case KeyboardPicture::Status::Missing:
        m_services.dialogs.error(picture.message);
        if (!m_cleanKeyboard.isNull())
            return;
        // Without any keyboard picture the drill still runs, over a blank one.
        picture.image = QImage(kKeyboardPictureSize, QImage::Format_RGB32);
        picture.image.fill(kPaperColour);
        break;
    }
    m_cleanKeyboard = picture.image;
    m_keyboard = picture.image;
    m_image2->setPixmap(QPixmap::fromImage(m_cleanKeyboard));
    showKeyboardImage();
}

void TBegForm::showKeyboardImage() {
    m_image1->setPixmap(QPixmap::fromImage(m_keyboard));
}

void TBegForm::paintSchemePictures() {
    const SchemeColours scheme = schemeColours(m_globals.record.colourScheme());
    const auto paint = [&](const char* name, bool frame) {
        auto* image = findChild<QLabel*>(QString::fromLatin1(name));
        QImage picture(image->size(), QImage::Format_RGB32);
        if (frame)
            paintFrame(picture, scheme.frame);
        else
            paintBackground(picture, scheme.frame);
        image->setPixmap(QPixmap::fromImage(picture));
    };
    for (const char* name : {"Image10", "Image3", "Image4"})
        paint(name, true);
    for (const char* name : {"Image8", "Image9"})
        paint(name, false);
    if (m_engine.ownKeysDrill())
        paint("Image11", false);
    setTextColour(findChild<QLabel*>(QStringLiteral("Label3")), QColor::fromRgb(scheme.drillTitle));
}

// ---- Showing and closing -------------------------------------------------------------------

void TBegForm::showEvent(QShowEvent* event) {
    if (!m_filtering) {
        // Every key of this window comes to the drill first, whatever has the focus.
        qApp->installEventFilter(this);
        m_filtering = true;
    }
    QMainWindow::showEvent(event);
    if (!m_shownOnce && !event->spontaneous()) {
        m_shownOnce = true;
        FormShow();
    }
}

void TBegForm::FormShow() {
    auto* label1 = findChild<QLabel*>(QStringLiteral("Label1"));
    setTextColour(label1, Qt::black);
    label1->raise();
    findChild<QLabel*>(QStringLiteral("Label3"))->raise();
    paintSchemePictures();
    m_engine.DrillStart();
    render();
    if (m_engine.ownKeysDrill())
        m_edit1->setFocus();
    else
        centralWidget()->setFocus();
}

void TBegForm::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (m_filtering && !event->spontaneous()) {
        qApp->removeEventFilter(this);
        m_filtering = false;
    }
}

void TBegForm::closeEvent(QCloseEvent* event) {
    m_engine.StopAllTimers();
    render();
    // The main window comes back where the drill window was.
    if (QWidget* mainWindow = parentWidget()) {
        mainWindow->setGeometry(geometry());
        mainWindow->show();
    }
    m_globals.activity.activity = ActivityCode::MainWindow;
    event->accept();
    emit closed();
}

// ---- Keys ----------------------------------------------------------------------------------

bool TBegForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::InputMethod &&
        type != QEvent::InputMethodQuery)
        return false;
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (!receiver || receiver->window() != this)
        return false;
    if (type == QEvent::InputMethodQuery)
        return answerInputMethodQuery(receiver, event);
    return handleKeyEvent(receiver, event);
}

// Dead keys and compose sequences reach a widget only when it accepts input methods, so every
// control of this window says it does; the own-keys field answers for itself.
bool TBegForm::answerInputMethodQuery(QWidget* receiver, QEvent* event) {
    if (receiver->testAttribute(Qt::WA_InputMethodEnabled) && receiver != this &&
        receiver != centralWidget())
        return false;
    auto* query = static_cast<QInputMethodQueryEvent*>(event);
    if (query->queries() & Qt::ImEnabled)
        query->setValue(Qt::ImEnabled, true);
    if (query->queries() & Qt::ImHints)
        query->setValue(Qt::ImHints, static_cast<int>(Qt::ImhNone));
    if (query->queries() & Qt::ImCursorRectangle)
        query->setValue(Qt::ImCursorRectangle, QRect());
    query->accept();
    return true;
}

// Every key press and input-method text of this window is the drill's first, and only once:
// the filter always takes the event, and hands it on to the control it was meant for only
// where that control should have it too (typing into the own-keys field; keys without a drill
// meaning, such as Tab between the own-keys buttons, while no set runs). Space, Enter and
// Escape never reach a button.
bool TBegForm::handleKeyEvent(QWidget* receiver, QEvent* event) {
    const bool intoEdit = receiver == m_edit1 && m_edit1->isVisible();
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool drillKey = key == Qt::Key_Space || key == Qt::Key_Escape ||
                              key == Qt::Key_Return || key == Qt::Key_Enter;
        return drillKey && !intoEdit;
    }

    QList<DrillKey> keys;
    bool byKey = false; // Space, Enter or Escape
    bool escape = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        keys = drillKeysOf(*keyEvent);
        escape = keyEvent->key() == Qt::Key_Escape;
        byKey = escape || keyEvent->key() == Qt::Key_Space || keyEvent->key() == Qt::Key_Return ||
                keyEvent->key() == Qt::Key_Enter;
    } else {
        keys = drillKeysOf(*static_cast<QInputMethodEvent*>(event));
    }
    // Enter may also press a focused button of the own-keys panel, which shows only while no
    // set runs; Space may not.
    const bool enter = byKey && !escape && keys.size() == 1 && keys.first().is(DrillKey::kEnter);
    const bool ownKeysButton = qobject_cast<QPushButton*>(receiver) &&
                               m_controls[static_cast<std::size_t>(C::Panel2)]->isVisible();
    const bool handOn = !escape && (intoEdit || (enter && ownKeysButton) ||
                                    (!byKey && (keys.isEmpty() || !m_engine.setRunning())));
    FormKeyPress(keys);
    if (handOn && !m_engine.view().closeRequested) {
        // Straight to the control: the application's filters, this one included, have run.
        static_cast<QObject*>(receiver)->event(event);
    }
    // Taken: the event must not travel on to the parents and come back here.
    event->accept();
    return true;
}

void TBegForm::FormKeyPress(const QList<DrillKey>& keys) {
    for (const DrillKey& key : keys) {
        m_engine.HandleDrillKey(key);
        if (m_engine.view().closeRequested)
            break;
    }
    render();
}

// ---- Rendering -----------------------------------------------------------------------------

void TBegForm::render() {
    const DrillView& view = m_engine.view();
    for (std::size_t i = 0; i < kDrillControlCount; ++i) {
        QWidget* w = m_controls[i];
        const ControlView& c = view.controls[i];
        // Captions belong to labels and caption panels; the mark images hold pictures.
        if (auto* label = qobject_cast<QLabel*>(w);
            label && !kDrillControlNames[i].starts_with("Image"))
            label->setText(displayedCaption(c.caption));
        if (w->isHidden() == c.visible)
            w->setVisible(c.visible);
        if (w->isEnabledTo(w->parentWidget()) != c.enabled)
            w->setEnabled(c.enabled);
    }
    renderTargetPanel();
    if (view.pictureResets != m_pictureResets) {
        m_pictureResets = view.pictureResets;
        m_keyboard = m_cleanKeyboard;
        showKeyboardImage();
    }
    for (std::size_t i = 0; i < m_timers.size(); ++i)
        renderTimer(m_timers[i], static_cast<DrillTimer>(i));
    if (view.closeRequested && isVisible())
        close();
}

void TBegForm::renderTargetPanel() {
    const TargetPanelView& t = m_engine.view().target;
    if (t.left != m_shownTarget.left || t.width != m_shownTarget.width)
        m_panel19->setGeometry(t.left, kTargetTop, t.width, kTargetHeight);
    if (t.fontSize != m_shownTarget.fontSize) {
        QFont font = courier(15, true);
        font.setPointSize(t.fontSize);
        m_panel19->setFont(font);
    }
    if (t.fontColour != m_shownTarget.fontColour)
        setTextColour(m_panel19, QColor::fromRgb(t.fontColour));
    m_shownTarget = t;
}

void TBegForm::renderTimer(QTimer* timer, DrillTimer which) {
    const TimerView& v = m_engine.view().timer(which);
    std::uint64_t& seen = m_timerStarts[static_cast<std::size_t>(which)];
    if (!v.running) {
        if (timer->isActive())
            timer->stop();
    } else if (!timer->isActive() || v.starts != seen) {
        timer->start(v.intervalMs);
    } else if (timer->interval() != v.intervalMs) {
        timer->setInterval(v.intervalMs);
    }
    if (timer->interval() != v.intervalMs && !v.running)
        timer->setInterval(v.intervalMs);
    seen = v.starts;
}

// ---- Buttons and menu ----------------------------------------------------------------------

void TBegForm::toggleRow(DrillRow row) {
    m_engine.ToggleRow(row);
    showRowButton(row);
}

void TBegForm::showRowButton(DrillRow row) {
    const RowButton& b = kRowButtons[static_cast<std::size_t>(row)];
    auto* button = findChild<QToolButton*>(QString::fromLatin1(b.name));
    const bool hidden = m_engine.rowHidden(row);
    const QString glyph = hidden ? QStringLiteral("up.bmp") : QStringLiteral("down.bmp");
    // A missing glyph file leaves the button without a picture.
    button->setIcon(QIcon(QPixmap(m_globals.folder.filePath(glyph))));
    if (hidden || button->toolTip() != QStringLiteral("Click to Hide"))
        button->setToolTip(str(hidden ? b.hiddenHint : kShownRowHint));
}

void TBegForm::Button1Click() {
    const OwnKeysResult result = m_engine.VerifyOwnKeys(m_edit1->text());
    if (!result.enough) {
        m_services.dialogs.information(QStringLiteral("You need at least two characters to type."));
        m_edit1->setFocus();
    }
}

void TBegForm::Button2Click() {
    m_engine.BeginOwnKeys();
    centralWidget()->setFocus();
}

void TBegForm::Button3Click() {
    m_engine.LeaveDrill();
}

void TBegForm::OpenHelpClick() {
    if (m_globals.folder.exists(kHelpFile))
        m_services.shell.openFile(m_globals.folder.filePath(kHelpFile), Shell::Window::Normal);
}

void TBegForm::ExitLessonsClick() {
    m_engine.StopAllTimers();
    render();
    close();
}

void TBegForm::showKeysOnKeyboard(bool shown) {
    m_globals.record.setFlag(layout::kCharactersShown, shown);
    loadKeyboardPictures();
}

void TBegForm::openOptions(OptionsPage page) {
    if (m_openOptions)
        m_openOptions(*this, page);
    else
        openPreferences(page);
}

// The options window, on top of the drill: a new colour scheme repaints this window, showing or
// hiding the characters reloads its keyboard pictures, and closing it hands the hand delay to
// Timer1.
void TBegForm::openPreferences(OptionsPage page) {
    OptionsHooks hooks;
    hooks.schemeChanged = [this] { paintSchemePictures(); };
    hooks.charactersShownChanged = [this] { loadKeyboardPictures(); };
    hooks.closedDuringDrill = [this](int) { applyHandDelay(); };
    kf::openOptions(m_globals, m_services, std::move(hooks), page, this);
}

void TBegForm::openCharts() {
    if (m_openCharts)
        m_openCharts(*this);
}

void TBegForm::applyHandDelay() {
    m_engine.ApplyHandDelay();
    render();
}

} // namespace kf
