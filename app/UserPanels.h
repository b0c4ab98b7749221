// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/FolderWait.h"
#include "students/Roster.h"

#include <QObject>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kf {

struct Globals;
struct Services;
class MainWindow;
struct ChangeOutcome;

// The main window's user panel at work: the "New User" and "Select User" panels, the links that
// open them, and the changes of student they ask the student session for.
class UserPanels : public QObject {
    Q_OBJECT
public:
    UserPanels(MainWindow& window, Globals& globals, Services& services);

    // "New User" panel (Panel1).
    void openNewUserPanel();
    void createUser(); // "OK", or Enter in the name field
    void cancelNewUser();

    // "Select User" panel (Panel2).
    void openSelectUserPanel();
    void useSelectedName();
    void deleteSelectedName();
    void cancelSelection();

    // "Preferences": the options window, on the page the activity chooses.
    void openPreferences();

    // A change of student waits for the folder: closing the window waits for it in turn.
    FolderWait& folderWait() { return m_folderWait; }

signals:
    // "Your Stats" was clicked: the charts window opens here once there is one.
    void chartsWindowRequested();

private:
    void buildNewUserPanel();
    void buildSelectUserPanel();
    void connectLinks();
    void refuseName(const QString& problem);
    QString whatIsInTheWay(const QString& name) const;
    void userIsCurrent();
    ChangeOutcome changeStudent(const std::function<ChangeOutcome()>& change);

    MainWindow& m_window;
    Globals& m_globals;
    Services& m_services;
    Roster m_roster;

    QLabel* m_newUserPrompt = nullptr;
    QLineEdit* m_newUserName = nullptr;
    QPushButton* m_newUserOk = nullptr;
    QPushButton* m_newUserCancel = nullptr;

    QLabel* m_selectPrompt = nullptr;
    QListWidget* m_names = nullptr;
    QPushButton* m_useName = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_deleteName = nullptr;
    QPushButton* m_selectCancel = nullptr;
    bool m_nameInUse = false; // a student has become current through a panel
    FolderWait m_folderWait;
};

} // namespace kf
