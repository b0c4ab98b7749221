// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "options/OptionGroups.h"
#include "students/StudentContext.h"

#include <QDialog>
#include <QList>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace kf {

struct Services;
struct OptionGroup;

// What the Preferences window changes in the window that opened it.
struct OptionsHooks {
    std::function<void()> schemeChanged;             // repaint frames and backgrounds
    std::function<void()> charactersShownChanged;    // reload the keyboard pictures
    std::function<void(int)> closedDuringDrill;      // the drill's hand delay, in milliseconds
    std::function<void(bool)> speakKeysChanged = {}; // spoken guidance turned on or off
};

// "Preferences": every control shows and writes one setting of the student record at once;
// the student file is written when the window closes.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    PreferencesDialog(const StudentContext& student, Services& services, OptionsHooks hooks,
                      QWidget* parent = nullptr);

    void showPage(OptionsPage page);
    OptionsPage currentPage() const;

    void done(int result) override;
    void changeEvent(QEvent* event) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void closeWithClick();
    QWidget* buildGlobalPage();
    QWidget* buildBeginnersPage();
    QWidget* buildLessonsPage();
    QWidget* buildAdvancedPage();
    QWidget* buildTimedTestsPage();
    QGroupBox* buildGroup(const OptionGroup& group);
    QCheckBox* buildSpeakKeysBox();
    QComboBox* buildDelayBox(const char* name, std::size_t offset, bool enabled);
    void addUpDownRows(QGridLayout& grid, int row, const char* caption, const char* name,
                       const char* shownName, const char* explanation);
    void addDelayBox(QGridLayout& grid, int column, const char* caption, const char* name,
                     std::size_t offset, bool enabled);
    QSpinBox* buildUpDown(const char* name, QLabel* shownIn);
    void groupChosen(const OptionGroup& group, int index, const QString& text);
    void changeHandColour();
    void chooseTimedTestFont(bool roman);

    StudentContext m_student;
    Services& m_services;
    OptionsHooks m_hooks;
    QTabWidget* m_pages = nullptr;
    QRadioButton* m_timedLarge = nullptr;
    QRadioButton* m_timedSmall = nullptr;
    QList<QComboBox*> m_delayBoxes; // their items follow the interface language
    bool m_closed = false;
};

// Creates the Preferences window, shows it (modeless, on top) on the page asked for or the one
// the activity chooses, and releases it when it closes.
PreferencesDialog* openOptions(const StudentContext& student, Services& services,
                               OptionsHooks hooks, std::optional<OptionsPage> page,
                               QWidget* parent = nullptr);

} // namespace kf
