// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/optionsForm.h"

#include "app/ColourValue.h"
#include "app/Globals.h"
#include "app/SaveStudent.h"
#include "app/Services.h"
#include "app/stuff.h"
#include "options/HandDelay.h"
#include "platform/Dialogs.h"
#include "platform/SpeechOutput.h"
#include "students/StudentSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kf {

namespace {

using namespace layout;

constexpr QSize kClientSize(635, 342);
constexpr std::int32_t kDefaultHandColour = 5923645; // red 61, green 99, blue 90

QLabel* wrappedText(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

TFormOptions::TFormOptions(Globals& globals, Services& services, OptionsHooks hooks,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_globals(globals)
    , m_services(services)
    , m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("FormOptions"));
    setWindowTitle(QStringLiteral("Preferences"));
    setModal(false);
    setFixedSize(kClientSize);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(buildGlobalPage(), QStringLiteral("Global Options"));
    m_pages->addTab(buildBeginnersPage(), QStringLiteral("Beginners && Intermediate"));
    m_pages->addTab(buildLessonsPage(), QStringLiteral("Lessons"));
    m_pages->addTab(buildAdvancedPage(), QStringLiteral("Advanced && Keyfarer"));
    m_pages->addTab(buildTimedTestsPage(), QStringLiteral("Timed Tests"));

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("BitBtn13"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &TFormOptions::closeWithClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_pages);
    layout->addWidget(close, 0, Qt::AlignRight);

    showPage(pageForActivity());
}

OptionsPage TFormOptions::pageForActivity() const {
    switch (static_cast<int>(m_globals.activity.activity)) {
    case 1:
        return OptionsPage::Lessons;
    case 2:
    case 3:
        return OptionsPage::BeginnersIntermediate;
    case 4:
    case 5:
        return OptionsPage::AdvancedKeyfarer;
    case 9:
        return OptionsPage::TimedTests;
    default:
        return OptionsPage::GlobalOptions;
    }
}

void TFormOptions::showPage(OptionsPage page) {
    m_pages->setCurrentIndex(static_cast<int>(page));
}

OptionsPage TFormOptions::currentPage() const {
    return static_cast<OptionsPage>(m_pages->currentIndex());
}

QGroupBox* TFormOptions::buildGroup(const OptionGroup& group) {
    auto* box = new QGroupBox(QLatin1String(group.caption));
    box->setObjectName(QLatin1String(group.name));
    box->setEnabled(group.enabled);
    auto* buttons = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    const int selected = selectedIndex(group, m_globals.record);
    for (std::size_t i = 0; i < group.itemCount; ++i) {
        auto* button = new QRadioButton(QLatin1String(group.items[i]), box);
        button->setChecked(static_cast<int>(i) == selected);
        buttons->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    connect(buttons, &QButtonGroup::idClicked, this, [this, &group, buttons](int id) {
        groupChosen(group, id, buttons->button(id)->text());
    });
    return box;
}

void TFormOptions::groupChosen(const OptionGroup& group, int index, const QString& text) {
    storeChoice(group, index, text, m_globals.record);
    const QLatin1String name(group.name);
    if (name == QLatin1String("RadioGroup8") && m_hooks.schemeChanged)
        m_hooks.schemeChanged();
    if (name == QLatin1String("RadioGroup9") && m_hooks.charactersShownChanged)
        m_hooks.charactersShownChanged();
}

QComboBox* TFormOptions::buildDelayBox(const char* name, std::size_t offset, bool enabled) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->setEnabled(enabled);
    for (const HandDelayItem& item : kHandDelays)
        box->addItem(QLatin1String(item.text));
    box->setCurrentIndex(handDelayIndexOfMilliseconds(m_globals.record.i32(offset)));
    connect(box, &QComboBox::textActivated, this, [this, box, offset](const QString& text) {
        const int index = handDelayIndexOfText(text);
        m_globals.record.setI32(offset, kHandDelays[static_cast<std::size_t>(index)].milliseconds);
        box->setCurrentIndex(index);
    });
    return box;
}

QSpinBox* TFormOptions::buildUpDown(const char* name, int minimum, int maximum, std::size_t offset,
                                    QLabel* shownIn, bool saveAtOnce) {
    auto* upDown = new QSpinBox;
    upDown->setObjectName(QLatin1String(name));
    upDown->setRange(minimum, maximum);
    upDown->setValue(m_globals.record.i32(offset));
    shownIn->setNum(upDown->value());
    connect(upDown, &QSpinBox::valueChanged, this, [this, offset, shownIn, saveAtOnce](int value) {
        m_globals.record.setI32(offset, value);
        shownIn->setNum(value);
        if (saveAtOnce)
            saveStudent(m_globals, m_services.dialogs);
    });
    return upDown;
}

QWidget* TFormOptions::buildGlobalPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const char* const groups[] = {"RadioGroup8", "RadioGroup1", "RadioGroup5",
                                  "RadioGroup2", "RadioGroup9", "RadioGroup3"};
    const int places[][3] = {{0, 0, 3}, {0, 1, 1}, {1, 1, 1}, {2, 1, 1}, {0, 2, 1}, {1, 2, 1}};
    for (std::size_t i = 0; i < std::size(groups); ++i)
        grid->addWidget(buildGroup(*optionGroup(groups[i])), places[i][0], places[i][1],
                        places[i][2], 1);

    auto* colour = new QGroupBox(QStringLiteral("Hand Color"));
    colour->setObjectName(QStringLiteral("GroupBox1"));
    auto* colourLayout = new QVBoxLayout(colour);
    auto* change = new QPushButton(QStringLiteral("Change Color"));
    change->setObjectName(QStringLiteral("Button1"));
    auto* standard = new QPushButton(QStringLiteral("Default Color"));
    standard->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {change, standard}) {
        b->setAutoDefault(false);
        colourLayout->addWidget(b);
    }
    connect(change, &QPushButton::clicked, this, &TFormOptions::changeHandColour);
    connect(standard, &QPushButton::clicked, this,
            [this] { m_globals.record.setI32(kHandColour, kDefaultHandColour); });
    grid->addWidget(colour, 2, 2);
    return page;
}

void TFormOptions::changeHandColour() {
    const auto chosen =
        m_services.dialogs.chooseColour(rgbOfColourValue(m_globals.record.i32(kHandColour)));
    if (chosen)
        m_globals.record.setI32(kHandColour, colourValueOfRgb(*chosen));
}

QWidget* TFormOptions::buildBeginnersPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    auto* beginnersLabel = new QLabel(QStringLiteral("Beginners Hand Delay"));
    grid->addWidget(beginnersLabel, 0, 0);
    QComboBox* beginnersDelay = buildDelayBox("ComboBox2", kBegHandDelay, true);
    // Each list is named by the caption above it, for those who cannot see where it stands.
    beginnersDelay->setAccessibleName(beginnersLabel->text());
    grid->addWidget(beginnersDelay, 1, 0);
    grid->addWidget(wrappedText(QStringLiteral("Above you can select the amount of seconds delay "
                                               "before the hands appear in the Beginners "
                                               "Section.")),
                    2, 0);
    grid->addWidget(buildGroup(*optionGroup("RadioGroup4")), 3, 0);
    auto* intermediateLabel = new QLabel(QStringLiteral("Intermediate Hand Delay"));
    intermediateLabel->setEnabled(false);
    grid->addWidget(intermediateLabel, 0, 1);
    QComboBox* intermediateDelay = buildDelayBox("ComboBox3", kIntHandDelay, false);
    intermediateDelay->setAccessibleName(intermediateLabel->text());
    grid->addWidget(intermediateDelay, 1, 1);
    grid->addWidget(buildGroup(*optionGroup("RadioGroup10")), 3, 1);
    grid->addWidget(buildSpeakKeysBox(), 4, 0, 1, 2);
    return page;
}

// Spoken guidance is the student's own setting, kept beside the student file. Without a speech
// engine the box stays off and says why; nothing else changes.
QCheckBox* TFormOptions::buildSpeakKeysBox() {
    auto* box = new QCheckBox(tr("Speak each key and finger"));
    box->setObjectName(QStringLiteral("CheckBoxSpeakKeys"));
    const QString problem = m_globals.currentUserName.isEmpty()
                                ? tr("Choose a user name first.")
                                : m_services.speech.unavailableReason();
    if (!problem.isEmpty()) {
        box->setEnabled(false);
        box->setToolTip(problem);
        return box;
    }
    box->setToolTip(tr("Each new key and its finger are read aloud during a drill."));
    box->setChecked(
        StudentSettings(m_globals.folder.path(), m_globals.currentUserName).speakKeys());
    connect(box, &QCheckBox::toggled, this, [this](bool on) {
        StudentSettings(m_globals.folder.path(), m_globals.currentUserName).setSpeakKeys(on);
        if (m_hooks.speakKeysChanged)
            m_hooks.speakKeysChanged(on);
    });
    return box;
}

QWidget* TFormOptions::buildLessonsPage() {
    auto* page = new QWidget;
    page->setEnabled(false); // the lessons are not offered in this build
    auto* grid = new QGridLayout(page);
    auto* turns = new QLabel;
    turns->setObjectName(QStringLiteral("Panel23"));
    auto* wpm = new QLabel;
    wpm->setObjectName(QStringLiteral("Panel32"));
    auto* turnsLabel = new QLabel(QStringLiteral("Turns"));
    grid->addWidget(turnsLabel, 0, 0);
    QSpinBox* turnsUpDown = buildUpDown("UpDown1", 3, 7, kLessonsTurns, turns, true);
    turnsUpDown->setAccessibleName(turnsLabel->text());
    grid->addWidget(turnsUpDown, 0, 1);
    grid->addWidget(turns, 0, 2);
    grid->addWidget(wrappedText(QStringLiteral("Turns: how many times each pair of lines is "
                                               "typed.")),
                    1, 0, 1, 3);
    auto* wpmLabel = new QLabel(QStringLiteral("WPM"));
    grid->addWidget(wpmLabel, 2, 0);
    QSpinBox* wpmUpDown = buildUpDown("UpDown2", 15, 60, kLessonsWpmGoal, wpm, true);
    wpmUpDown->setAccessibleName(wpmLabel->text());
    grid->addWidget(wpmUpDown, 2, 1);
    grid->addWidget(wpm, 2, 2);
    grid->addWidget(wrappedText(QStringLiteral("WPM: the words per minute to aim for.")), 3, 0, 1,
                    3);
    auto* lessonsDelayLabel = new QLabel(QStringLiteral("Lessons Hand Delay"));
    grid->addWidget(lessonsDelayLabel, 0, 3);
    QComboBox* lessonsDelay = buildDelayBox("ComboBox1", kLessonsHandDelay, true);
    lessonsDelay->setAccessibleName(lessonsDelayLabel->text());
    grid->addWidget(lessonsDelay, 1, 3);
    grid->addWidget(wrappedText(QStringLiteral("Above you can select the amount of seconds delay "
                                               "before the hands appear.")),
                    2, 3);

    auto* fontGroup = new QGroupBox(QStringLiteral("Line Font Used"));
    fontGroup->setObjectName(QStringLiteral("RadioGroup6"));
    auto* fontLayout = new QVBoxLayout(fontGroup);
    auto* times = new QRadioButton(QStringLiteral("Times New Roman"));
    auto* sans = new QRadioButton(QStringLiteral("Sans Serif"));
    fontLayout->addWidget(times);
    fontLayout->addWidget(sans);
    (lessonsFontIsTimesNewRoman(m_globals.record) ? times : sans)->setChecked(true);
    connect(times, &QRadioButton::clicked, this,
            [this] { storeLessonsFont(true, m_globals.activity.largeFont, m_globals.record); });
    connect(sans, &QRadioButton::clicked, this,
            [this] { storeLessonsFont(false, m_globals.activity.largeFont, m_globals.record); });
    grid->addWidget(fontGroup, 3, 3);
    grid->addWidget(buildGroup(*optionGroup("RadioGroup7")), 4, 3);
    return page;
}

QWidget* TFormOptions::buildAdvancedPage() {
    auto* page = new QWidget;
    page->setEnabled(false); // advanced drills and the letter game are not offered here
    auto* grid = new QGridLayout(page);
    const char* const groups[] = {"RadioGroup11", "RadioGroup14", "RadioGroup12", "RadioGroup13",
                                  "RadioGroup15"};
    for (std::size_t i = 0; i < std::size(groups); ++i)
        grid->addWidget(buildGroup(*optionGroup(groups[i])), int(i % 3), int(i / 3));
    return page;
}

QWidget* TFormOptions::buildTimedTestsPage() {
    auto* page = new QWidget;
    page->setEnabled(false); // the timed tests are not offered in this build
    auto* grid = new QGridLayout(page);
    auto* minutes = new QLabel;
    minutes->setObjectName(QStringLiteral("Panel1"));
    grid->addWidget(wrappedText(QStringLiteral("Use the Up/Down arrow buttons below to choose how "
                                               "many minutes you want to type.")),
                    0, 0, 1, 2);
    QSpinBox* minutesUpDown = buildUpDown("UpDown3", 1, 15, kTimedMinutes, minutes, false);
    minutesUpDown->setAccessibleName(tr("Minutes"));
    grid->addWidget(minutesUpDown, 1, 0);
    grid->addWidget(minutes, 1, 1);

    auto pair = [&](const QString& caption, const char* first, const QString& firstText,
                    const char* second, const QString& secondText, bool firstChecked) {
        auto* box = new QGroupBox(caption);
        auto* layout = new QVBoxLayout(box);
        auto* a = new QRadioButton(firstText);
        a->setObjectName(QLatin1String(first));
        auto* b = new QRadioButton(secondText);
        b->setObjectName(QLatin1String(second));
        layout->addWidget(a);
        layout->addWidget(b);
        (firstChecked ? a : b)->setChecked(true);
        return std::pair{box, std::pair{a, b}};
    };
    const StudentRecord& r = m_globals.record;
    auto [backspace, backspaceButtons] =
        pair(QStringLiteral("Backspace"), "RadioButton1", QStringLiteral("Backspace allowed"),
             "RadioButton2", QStringLiteral("No Backspace"), r.flag(kTimedBackspace));
    connect(backspaceButtons.first, &QRadioButton::clicked, this,
            [this] { m_globals.record.setByte(kTimedBackspace, 1); });
    connect(backspaceButtons.second, &QRadioButton::clicked, this,
            [this] { m_globals.record.setByte(kTimedBackspace, 0); });
    const bool roman = r.shortString(kTimedFontName, 40) == QByteArrayLiteral("Times New Roman");
    auto [font, fontButtons] = pair(QStringLiteral("Font"), "RadioButton5", QStringLiteral("Roman"),
                                    "RadioButton6", QStringLiteral("Arial"), roman);
    connect(fontButtons.first, &QRadioButton::clicked, this, [this] { chooseTimedTestFont(true); });
    connect(fontButtons.second, &QRadioButton::clicked, this,
            [this] { chooseTimedTestFont(false); });
    auto [size, sizeButtons] =
        pair(QStringLiteral("Font Size"), "RadioButton3", QStringLiteral("Large"), "RadioButton4",
             QStringLiteral("Small"), r.flag(kTimedLargeFont));
    m_timedLarge = sizeButtons.first;
    m_timedSmall = sizeButtons.second;
    auto [type, typeButtons] =
        pair(QStringLiteral("Font Type"), "RadioButton7", QStringLiteral("Bold"), "RadioButton8",
             QStringLiteral("Regular"), true);
    auto [used, usedButtons] =
        pair(QStringLiteral("Time Used Gauge"), "RadioButton9", QStringLiteral("Visible"),
             "RadioButton10", QStringLiteral("Hidden"), true);
    auto [done, doneButtons] =
        pair(QStringLiteral("Completed Gauge"), "RadioButton11", QStringLiteral("Visible"),
             "RadioButton12", QStringLiteral("Hidden"), true);
    grid->addWidget(backspace, 2, 0);
    grid->addWidget(font, 2, 1);
    grid->addWidget(size, 2, 2);
    grid->addWidget(type, 3, 0);
    grid->addWidget(used, 3, 1);
    grid->addWidget(done, 3, 2);
    grid->addWidget(wrappedText(QStringLiteral("Sound can be adjusted by clicking the Global "
                                               "Options tab above and to the left.")),
                    4, 0, 1, 3);
    return page;
}

void TFormOptions::chooseTimedTestFont(bool roman) {
    StudentRecord& r = m_globals.record;
    r.setShortString(kTimedFontName, 40,
                     roman ? QByteArrayLiteral("Times New Roman") : QByteArrayLiteral("Arial"));
    if (roman && r.flag(kTimedForceSmall)) {
        m_timedSmall->setChecked(true);
        m_timedLarge->setEnabled(false);
        r.setByte(kTimedLargeFont, 0);
    }
    if (!roman)
        m_timedLarge->setEnabled(true);
}

void TFormOptions::closeWithClick() {
    playSound(m_globals, m_services.sound, kSoundClick);
    reject();
}

// Escape is the Close button's key, click included.
void TFormOptions::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeWithClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormOptions::done(int result) {
    // Every way of closing passes here once: the Close button, Escape and the title bar.
    if (!m_closed) {
        m_closed = true;
        if (m_globals.activity.activity == ActivityCode::BeginnersDrills &&
            m_hooks.closedDuringDrill)
            m_hooks.closedDuringDrill(m_globals.record.i32(kBegHandDelay));
        saveStudent(m_globals, m_services.dialogs);
    }
    QDialog::done(result);
}

TFormOptions* openOptions(Globals& globals, Services& services, OptionsHooks hooks,
                          std::optional<OptionsPage> page, QWidget* parent) {
    auto* window = new TFormOptions(globals, services, std::move(hooks), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(window, &QDialog::finished, window, &QObject::deleteLater);
    if (page)
        window->showPage(*page);
    if (const QScreen* screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    return window;
}

} // namespace kf
