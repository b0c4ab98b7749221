// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/DrillWindowHost.h"
#include "app/MainMenu.h"
#include "core/ActivityState.h"
#include "options/OptionGroups.h"
#include "options/PreferencesTarget.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class QTimer;

namespace kf {

class SpokenNotice;

class ClickableLabel;
class InterfaceLanguage;
class SchemePicture;
class LanguageMenu;
class UserPanels;
struct Globals;
struct Services;

// The main window: the title area with the logo and the user panel's links, the keyboard
// picture at the bottom centre between two decorated side panels, and the main menu. It lives
// for the whole run; the drill window replaces it on screen while a drill runs.
class MainWindow : public QMainWindow, public PreferencesTarget {
    Q_OBJECT
public:
    // Makes the drill window for the drill kind already set in the shared state. The window is
    // a top-level window; the main window shows it, hides itself, and when the drill window is
    // hidden (closing hides it) takes its place again and deletes it.
    using DrillWindowFactory = DrillWindowHost::Factory;

    // The five links of the user panel, in the order they stand.
    enum class UserLink { NewUser, SelectUser, LastLesson, YourStats, Preferences };
    static constexpr int kUserLinkCount = 5;

    MainWindow(Globals& globals, Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    void setDrillWindowFactory(DrillWindowFactory factory);

    // The translations the language menu switches; the language spoken when it is handed over
    // is the desktop's, which a student without a choice of their own gets. Without one the
    // language menu does nothing.
    void setInterfaceLanguage(InterfaceLanguage* language);
    // A student became current: their own choice of language, or the desktop's, applies.
    void applyStudentLanguage();

    // The user panel, for the roster to act on. A link's clicked signal comes after the main
    // window has stopped the hint's blink, hidden the hint and played the click.
    ClickableLabel& link(UserLink which) const;
    QLabel& userLine() const;        // Label3: "User = " and the name
    QFrame& newUserPanel() const;    // Panel1
    QFrame& selectUserPanel() const; // Panel2
    void applyLinksOn();             // every link but "Next Lesson" enabled
    void applyLinksOff();            // every link disabled
    void applyMenusOn();             // "&Beginners Drills", "A&dditional" and "&Help" enabled
    // Every menu of the menu bar disabled but "A&dditional", where only "&Class Overview" stays
    // on: a teacher looks at the class without being a student.
    void applyMenusOff();
    void stopHintBlink();
    // The user line (Label3) names this student.
    void showUserName(const QString& name);
    // A student became current: the focus goes to the first link to follow and a screen reader
    // is told the user line.
    void greetCurrentUser();

    // Loads the keyboard picture for the student's nationality and characters-shown setting,
    // telling the student when it fell back to the English US picture (in the caller's words
    // when it has some), and closing the window when no keyboard picture is there at all (then
    // it returns false).
    bool showKeyboardPicture(const QString& fellBackMessage = {});
    void setKeyboardPicture(QImage picture);
    QImage keyboardPicture() const;

    // Gives the title frame and the side frames the student's colour scheme.
    void repaintSchemePictures();
    // Gives the new-user and select-user panels' backgrounds the student's colour scheme.
    void paintUserPanelBackgrounds();

    const MainMenu& menu() const { return m_menu; }

    // Opens Preferences on a page (or the activity's page). Whoever asks, it acts on the window
    // the activity code names when a setting changes, and it lives as long as this window, so
    // closing a drill window never takes it away unsaved.
    void openPreferences(std::optional<OptionsPage> page);

    void preferencesSchemeChanged() override;
    void preferencesCharactersShownChanged() override;
    void preferencesClosed() override {}

public slots:
    // The hint picture blinks: three toggles 400 ms apart, then it stays as it is.
    void blinkTick();
    // Starts a Beginners drill of the given kind.
    void beginDrill(kf::DrillKind kind);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void layOutAtStart();
    void layOut(QSize picture);
    void connectMenu();
    void activated();
    void openRoster();
    void linkClicked();
    void openClassOverview();
    void openReportOf(const QString& name);
    void openTroubleKeys();
    // "Practise These Keys": Choose Your Own Keys opens with the keys filled in.
    void practiseKeys(const QString& keys);
    QRgb schemeColour() const;

    Globals& m_globals;
    Services& m_services;
    MainMenu m_menu;
    // Opened, shown and taken back in this window's place; its drill window goes with it.
    std::unique_ptr<DrillWindowHost> m_drillHost;
    QPointer<QWidget> m_classOverview;

    QLabel* m_keyboardLabel = nullptr;
    QFrame* m_title = nullptr;
    SchemePicture* m_titlePicture = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_hint = nullptr;
    QFrame* m_left = nullptr;
    SchemePicture* m_leftPicture = nullptr;
    QFrame* m_right = nullptr;
    SchemePicture* m_rightPicture = nullptr;
    QFrame* m_newUserPanel = nullptr;
    SchemePicture* m_newUserPicture = nullptr;
    QFrame* m_selectUserPanel = nullptr;
    SchemePicture* m_selectUserPicture = nullptr;
    QLabel* m_userLine = nullptr;
    std::unique_ptr<SpokenNotice> m_notice;
    QString m_userLineName; // the name the user line shows after "User = "
    std::array<ClickableLabel*, kUserLinkCount> m_links{};
    QTimer* m_hintBlinkTimer = nullptr;

    bool m_activatedOnce = false;
    int m_blinkCount = 0;
    // A fallback is told once until a picture loads as asked again: each message box closing
    // activates the window again, which reloads the picture and would tell it again, forever.
    bool m_fallbackTold = false;
    // "New User", "Select User" and the changes of student they make.
    UserPanels* m_userPanels = nullptr;
    LanguageMenu* m_languageMenu = nullptr;
};

} // namespace kf
