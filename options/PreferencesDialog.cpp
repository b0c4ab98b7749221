// SPDX-License-Identifier: GPL-3.0-or-later
#include "options/PreferencesDialog.h"

#include "options/HandDelay.h"
#include "options/PreferenceChoices.h"
#include "platform/Dialogs.h"
#include "platform/EventSounds.h"
#include "platform/Services.h"
#include "platform/SpeechOutput.h"
#include "students/SaveStudent.h"
#include "students/StudentContext.h"
#include "students/StudentSettings.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

constexpr const char* kContext = "PreferencesDialog";

QLabel* label(const char* source) {
    auto* made = new QLabel;
    setUiText(made, kContext, source);
    return made;
}

QLabel* wrappedText(const char* source) {
    QLabel* made = label(source);
    made->setWordWrap(true);
    return made;
}

} // namespace

PreferencesDialog::PreferencesDialog(const StudentContext& student, Services& services,
                                     OptionsHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_student(student)
    , m_services(services)
    , m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("FormOptions"));
    setUiWindowTitle(this, kContext, QT_TRANSLATE_NOOP("PreferencesDialog", "Preferences"));
    setModal(false);
    setFixedSize(kClientSize);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    const std::pair<QWidget*, const char*> pages[] = {
        {buildGlobalPage(), QT_TRANSLATE_NOOP("PreferencesDialog", "Global Options")},
        {buildBeginnersPage(), QT_TRANSLATE_NOOP("PreferencesDialog", "Beginners && Intermediate")},
        {buildLessonsPage(), QT_TRANSLATE_NOOP("PreferencesDialog", "Lessons")},
        {buildAdvancedPage(), QT_TRANSLATE_NOOP("PreferencesDialog", "Advanced && Keyfarer")},
        {buildTimedTestsPage(), QT_TRANSLATE_NOOP("PreferencesDialog", "Timed Tests")},
    };
    for (const auto& [page, title] : pages)
        setUiTabText(m_pages, m_pages->addTab(page, QString()), kContext, title);

    auto* close = uiButton(QStringLiteral("BitBtn13"), kContext,
                           QT_TRANSLATE_NOOP("PreferencesDialog", "Close"), this);
    connect(close, &QPushButton::clicked, this, &PreferencesDialog::closeWithClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_pages);
    layout->addWidget(close, 0, Qt::AlignRight);

    showPage(pageForActivity(m_student.activity.activity));
}

void PreferencesDialog::showPage(OptionsPage page) {
    m_pages->setCurrentIndex(static_cast<int>(page));
}

OptionsPage PreferencesDialog::currentPage() const {
    return static_cast<OptionsPage>(m_pages->currentIndex());
}

QGroupBox* PreferencesDialog::buildGroup(const OptionGroup& group) {
    auto* box = new QGroupBox;
    setUiText(box, kContext, group.caption);
    box->setObjectName(QLatin1String(group.name));
    box->setEnabled(group.enabled);
    auto* buttons = new QButtonGroup(box);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    const int selected = selectedIndex(group, m_student.record);
    for (std::size_t i = 0; i < group.itemCount; ++i) {
        auto* button = new QRadioButton(box);
        setUiText(button, kContext, group.items[i]);
        // Tab reaches the group on its choice, as the arrows then move it; Tab leaves it after.
        connect(button, &QRadioButton::toggled, button, [button](bool on) {
            button->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
        });
        button->setFocusPolicy(Qt::ClickFocus);
        button->setChecked(static_cast<int>(i) == selected);
        buttons->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    // The record is told the English item, whatever language the button shows.
    connect(buttons, &QButtonGroup::idClicked, this, [this, &group](int id) {
        groupChosen(group, id, QLatin1String(group.items[static_cast<std::size_t>(id)]));
    });
    return box;
}

void PreferencesDialog::groupChosen(const OptionGroup& group, int index, const QString& text) {
    storeChoice(group, index, text, m_student.record);
    const QLatin1String name(group.name);
    if (name == QLatin1String("RadioGroup8") && m_hooks.schemeChanged)
        m_hooks.schemeChanged();
    if (name == QLatin1String("RadioGroup9") && m_hooks.charactersShownChanged)
        m_hooks.charactersShownChanged();
}

QComboBox* PreferencesDialog::buildDelayBox(const char* name, std::size_t offset, bool enabled) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->setEnabled(enabled);
    for (const HandDelayItem& item : kHandDelays)
        box->addItem(QCoreApplication::translate(kContext, item.text));
    box->setCurrentIndex(shownHandDelay(m_student.record, offset));
    m_delayBoxes.append(box);
    // The record is told the English item, whatever language the box shows.
    connect(box, &QComboBox::textActivated, this, [this, box, offset](const QString& text) {
        const int shown = box->findText(text);
        const QString english =
            shown < 0 ? text : QLatin1String(kHandDelays[static_cast<std::size_t>(shown)].text);
        box->setCurrentIndex(storeHandDelay(english, offset, m_student.record));
    });
    return box;
}

// A delay box in the first two rows of a column, under its caption. Each list is named by its
// caption, for those who cannot see where it stands; on Linux a list's accessible name is the
// item it shows, so the caption is also its label (the buddy) that a screen reader reads first.
void PreferencesDialog::addDelayBox(QGridLayout& grid, int column, const char* caption,
                                    const char* name, std::size_t offset, bool enabled) {
    QLabel* above = label(caption);
    above->setEnabled(enabled);
    grid.addWidget(above, 0, column);
    QComboBox* box = buildDelayBox(name, offset, enabled);
    nameAfter(box, above);
    above->setBuddy(box);
    grid.addWidget(box, 1, column);
}

// An up-down after its caption, which names it, with the number it holds after it and its
// explanation on the row below.
void PreferencesDialog::addUpDownRows(QGridLayout& grid, int row, const char* caption,
                                      const char* name, const char* shownName,
                                      const char* explanation) {
    QLabel* before = label(caption);
    grid.addWidget(before, row, 0);
    auto* shown = new QLabel;
    shown->setObjectName(QLatin1String(shownName));
    QSpinBox* upDown = buildUpDown(name, shown);
    nameAfter(upDown, before);
    before->setBuddy(upDown);
    grid.addWidget(upDown, row, 1);
    grid.addWidget(shown, row, 2);
    grid.addWidget(wrappedText(explanation), row + 1, 0, 1, 3);
}

QSpinBox* PreferencesDialog::buildUpDown(const char* name, QLabel* shownIn) {
    const NumberSetting& setting = numberSetting(name);
    auto* upDown = new QSpinBox;
    upDown->setObjectName(QLatin1String(name));
    upDown->setRange(setting.minimum, setting.maximum);
    upDown->setValue(storedNumber(setting, m_student.record));
    shownIn->setNum(upDown->value());
    connect(upDown, &QSpinBox::valueChanged, this, [this, &setting, shownIn](int value) {
        storeNumber(setting, value, m_student.record);
        shownIn->setNum(value);
        if (setting.saveAtOnce)
            saveStudent(m_student.session, m_services.dialogs);
    });
    return upDown;
}

QWidget* PreferencesDialog::buildGlobalPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    const char* const groups[] = {"RadioGroup8", "RadioGroup1", "RadioGroup5",
                                  "RadioGroup2", "RadioGroup9", "RadioGroup3"};
    const int places[][3] = {{0, 0, 3}, {0, 1, 1}, {1, 1, 1}, {2, 1, 1}, {0, 2, 1}, {1, 2, 1}};
    for (std::size_t i = 0; i < std::size(groups); ++i)
        grid->addWidget(buildGroup(*optionGroup(groups[i])), places[i][0], places[i][1],
                        places[i][2], 1);

    auto* colour = new QGroupBox;
    setUiText(colour, kContext, QT_TRANSLATE_NOOP("PreferencesDialog", "Hand Color"));
    colour->setObjectName(QStringLiteral("GroupBox1"));
    auto* colourLayout = new QVBoxLayout(colour);
    auto* change = uiButton(QStringLiteral("Button1"), kContext,
                            QT_TRANSLATE_NOOP("PreferencesDialog", "Change Color"));
    auto* standard = uiButton(QStringLiteral("Button2"), kContext,
                              QT_TRANSLATE_NOOP("PreferencesDialog", "Default Color"));
    colourLayout->addWidget(change);
    colourLayout->addWidget(standard);
    connect(change, &QPushButton::clicked, this, &PreferencesDialog::changeHandColour);
    connect(standard, &QPushButton::clicked, this,
            [this] { restoreDefaultHandColour(m_student.record); });
    grid->addWidget(colour, 2, 2);
    return page;
}

void PreferencesDialog::changeHandColour() {
    if (const auto chosen = m_services.dialogs.chooseColour(handColour(m_student.record)))
        storeHandColour(*chosen, m_student.record);
}

QWidget* PreferencesDialog::buildBeginnersPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    addDelayBox(*grid, 0, QT_TRANSLATE_NOOP("PreferencesDialog", "Beginners Hand Delay"),
                "ComboBox2", kBegHandDelay, true);
    grid->addWidget(wrappedText(QT_TRANSLATE_NOOP(
                        "PreferencesDialog", "Above you can select the amount of seconds delay "
                                             "before the hands appear in the Beginners "
                                             "Section.")),
                    2, 0);
    grid->addWidget(buildGroup(*optionGroup("RadioGroup4")), 3, 0);
    addDelayBox(*grid, 1, QT_TRANSLATE_NOOP("PreferencesDialog", "Intermediate Hand Delay"),
                "ComboBox3", kIntHandDelay, false);
    grid->addWidget(buildGroup(*optionGroup("RadioGroup10")), 3, 1);
    grid->addWidget(buildSpeakKeysBox(), 4, 0, 1, 2);
    return page;
}

// Spoken guidance is the student's own setting, kept beside the student file. Without a speech
// engine the box stays off and says why; nothing else changes.
QCheckBox* PreferencesDialog::buildSpeakKeysBox() {
    auto* box = new QCheckBox(
        QCoreApplication::translate("PreferencesDialog", "Speak each key and finger"));
    box->setObjectName(QStringLiteral("CheckBoxSpeakKeys"));
    const QString problem =
        m_student.currentUserName.isEmpty()
            ? QCoreApplication::translate("PreferencesDialog", "Choose a user name first.")
            : m_services.speech.unavailableReason();
    if (!problem.isEmpty()) {
        box->setEnabled(false);
        box->setToolTip(problem);
        return box;
    }
    box->setToolTip(QCoreApplication::translate(
        "PreferencesDialog", "Each new key and its finger are read aloud during a drill."));
    box->setChecked(
        StudentSettings(m_student.folder.path(), m_student.currentUserName).speakKeys());
    connect(box, &QCheckBox::toggled, this, [this](bool on) {
        const QString failed =
            StudentSettings(m_student.folder.path(), m_student.currentUserName).setSpeakKeys(on);
        if (!failed.isEmpty())
            m_services.dialogs.error(failed);
        if (m_hooks.speakKeysChanged)
            m_hooks.speakKeysChanged(on);
    });
    return box;
}

QWidget* PreferencesDialog::buildLessonsPage() {
    auto* page = new QWidget;
    page->setEnabled(false); // the lessons are not offered in this build
    auto* grid = new QGridLayout(page);
    addUpDownRows(*grid, 0, QT_TRANSLATE_NOOP("PreferencesDialog", "Turns"), "UpDown1", "Panel23",
                  QT_TRANSLATE_NOOP("PreferencesDialog",
                                    "Turns: how many times each pair of lines is "
                                    "typed."));
    addUpDownRows(*grid, 2, QT_TRANSLATE_NOOP("PreferencesDialog", "WPM"), "UpDown2", "Panel32",
                  QT_TRANSLATE_NOOP("PreferencesDialog", "WPM: the words per minute to aim for."));
    addDelayBox(*grid, 3, QT_TRANSLATE_NOOP("PreferencesDialog", "Lessons Hand Delay"), "ComboBox1",
                kLessonsHandDelay, true);
    grid->addWidget(wrappedText(QT_TRANSLATE_NOOP(
                        "PreferencesDialog", "Above you can select the amount of seconds delay "
                                             "before the hands appear.")),
                    2, 3);

    auto* fontGroup = new QGroupBox;
    setUiText(fontGroup, kContext, QT_TRANSLATE_NOOP("PreferencesDialog", "Line Font Used"));
    fontGroup->setObjectName(QStringLiteral("RadioGroup6"));
    auto* fontLayout = new QVBoxLayout(fontGroup);
    auto* times = new QRadioButton(QStringLiteral("Times New Roman")); // a font's name
    auto* sans = new QRadioButton;
    setUiText(sans, kContext, QT_TRANSLATE_NOOP("PreferencesDialog", "Sans Serif"));
    fontLayout->addWidget(times);
    fontLayout->addWidget(sans);
    (lessonsFontIsTimesNewRoman(m_student.record) ? times : sans)->setChecked(true);
    connect(times, &QRadioButton::clicked, this,
            [this] { storeLessonsFont(true, m_student.activity.largeFont, m_student.record); });
    connect(sans, &QRadioButton::clicked, this,
            [this] { storeLessonsFont(false, m_student.activity.largeFont, m_student.record); });
    grid->addWidget(fontGroup, 3, 3);
    grid->addWidget(buildGroup(*optionGroup("RadioGroup7")), 4, 3);
    return page;
}

QWidget* PreferencesDialog::buildAdvancedPage() {
    auto* page = new QWidget;
    page->setEnabled(false); // advanced drills and the letter game are not offered here
    auto* grid = new QGridLayout(page);
    const char* const groups[] = {"RadioGroup11", "RadioGroup14", "RadioGroup12", "RadioGroup13",
                                  "RadioGroup15"};
    for (std::size_t i = 0; i < std::size(groups); ++i)
        grid->addWidget(buildGroup(*optionGroup(groups[i])), int(i % 3), int(i / 3));
    return page;
}

QWidget* PreferencesDialog::buildTimedTestsPage() {
    auto* page = new QWidget;
    page->setEnabled(false); // the timed tests are not offered in this build
    auto* grid = new QGridLayout(page);
    auto* minutes = new QLabel;
    minutes->setObjectName(QStringLiteral("Panel1"));
    grid->addWidget(wrappedText(QT_TRANSLATE_NOOP(
                        "PreferencesDialog", "Use the Up/Down arrow buttons below to choose how "
                                             "many minutes you want to type.")),
                    0, 0, 1, 2);
    QSpinBox* minutesUpDown = buildUpDown("UpDown3", minutes);
    minutesUpDown->setAccessibleName(QCoreApplication::translate("PreferencesDialog", "Minutes"));
    grid->addWidget(minutesUpDown, 1, 0);
    grid->addWidget(minutes, 1, 1);

    auto pair = [&](const char* caption, const char* first, const char* firstText,
                    const char* second, const char* secondText, bool firstChecked) {
        auto* box = new QGroupBox;
        setUiText(box, kContext, caption);
        auto* layout = new QVBoxLayout(box);
        auto* a = new QRadioButton;
        setUiText(a, kContext, firstText);
        a->setObjectName(QLatin1String(first));
        auto* b = new QRadioButton;
        setUiText(b, kContext, secondText);
        b->setObjectName(QLatin1String(second));
        layout->addWidget(a);
        layout->addWidget(b);
        (firstChecked ? a : b)->setChecked(true);
        return std::pair{box, std::pair{a, b}};
    };
    const StudentRecord& r = m_student.record;
    auto [backspace, backspaceButtons] =
        pair(QT_TRANSLATE_NOOP("PreferencesDialog", "Backspace"), "RadioButton1",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Backspace allowed"), "RadioButton2",
             QT_TRANSLATE_NOOP("PreferencesDialog", "No Backspace"), timedBackspaceAllowed(r));
    connect(backspaceButtons.first, &QRadioButton::clicked, this,
            [this] { storeTimedBackspace(true, m_student.record); });
    connect(backspaceButtons.second, &QRadioButton::clicked, this,
            [this] { storeTimedBackspace(false, m_student.record); });
    auto [font, fontButtons] =
        pair(QT_TRANSLATE_NOOP("PreferencesDialog", "Font"), "RadioButton5",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Roman"), "RadioButton6",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Arial"), timedFontIsRoman(r));
    connect(fontButtons.first, &QRadioButton::clicked, this, [this] { chooseTimedTestFont(true); });
    connect(fontButtons.second, &QRadioButton::clicked, this,
            [this] { chooseTimedTestFont(false); });
    auto [size, sizeButtons] =
        pair(QT_TRANSLATE_NOOP("PreferencesDialog", "Font Size"), "RadioButton3",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Large"), "RadioButton4",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Small"), timedFontIsLarge(r));
    m_timedLarge = sizeButtons.first;
    m_timedSmall = sizeButtons.second;
    auto [type, typeButtons] =
        pair(QT_TRANSLATE_NOOP("PreferencesDialog", "Font Type"), "RadioButton7",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Bold"), "RadioButton8",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Regular"), true);
    auto [used, usedButtons] =
        pair(QT_TRANSLATE_NOOP("PreferencesDialog", "Time Used Gauge"), "RadioButton9",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Visible"), "RadioButton10",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Hidden"), true);
    auto [done, doneButtons] =
        pair(QT_TRANSLATE_NOOP("PreferencesDialog", "Completed Gauge"), "RadioButton11",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Visible"), "RadioButton12",
             QT_TRANSLATE_NOOP("PreferencesDialog", "Hidden"), true);
    grid->addWidget(backspace, 2, 0);
    grid->addWidget(font, 2, 1);
    grid->addWidget(size, 2, 2);
    grid->addWidget(type, 3, 0);
    grid->addWidget(used, 3, 1);
    grid->addWidget(done, 3, 2);
    grid->addWidget(wrappedText(QT_TRANSLATE_NOOP("PreferencesDialog",
                                                  "Sound can be adjusted by clicking the Global "
                                                  "Options tab above and to the left.")),
                    4, 0, 1, 3);
    return page;
}

void PreferencesDialog::chooseTimedTestFont(bool roman) {
    const TimedFontSize size = storeTimedFont(roman, m_student.record);
    if (size.forcedSmall)
        m_timedSmall->setChecked(true);
    m_timedLarge->setEnabled(size.largeOffered);
}

void PreferencesDialog::closeWithClick() {
    playSound(m_student.soundSettings(), m_services.sound, kSoundClick);
    reject();
}

// Escape is the Close button's key, click included.
void PreferencesDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeWithClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PreferencesDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslate(this);
    for (QComboBox* box : std::as_const(m_delayBoxes)) {
        for (std::size_t i = 0; i < kHandDelays.size(); ++i)
            box->setItemText(static_cast<int>(i),
                             QCoreApplication::translate(kContext, kHandDelays[i].text));
    }
}

void PreferencesDialog::done(int result) {
    // Every way of closing passes here once: the Close button, Escape and the title bar.
    if (!m_closed) {
        m_closed = true;
        if (m_student.activity.activity == ActivityCode::BeginnersDrills &&
            m_hooks.closedDuringDrill)
            m_hooks.closedDuringDrill(beginnersHandDelay(m_student.record));
        saveStudent(m_student.session, m_services.dialogs);
    }
    QDialog::done(result);
}

PreferencesDialog* openOptions(const StudentContext& student, Services& services,
                               OptionsHooks hooks, std::optional<OptionsPage> page,
                               QWidget* parent) {
    auto* window = new PreferencesDialog(student, services, std::move(hooks), parent);
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
