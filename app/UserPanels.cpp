// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserPanels.h"

#include "app/Globals.h"
#include "app/MainWindow.h"
#include "core/ColourScheme.h"
#include "core/TranslationContext.h"
#include "options/PreferencesDialog.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "widgets/ClickableLabel.h"
#include "widgets/TextColour.h"
#include "widgets/TranslatedText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kf {

namespace {

constexpr const char* kContext = "UserPanels";
constexpr const char* kNewUserPrompt =
    QT_TRANSLATE_NOOP("UserPanels", "Type in a new user name below and click the OK button.");
constexpr const char* kSelectPrompt =
    QT_TRANSLATE_NOOP("UserPanels", "Select a name from the list below.");
constexpr const char* kNameExists =
    QT_TRANSLATE_NOOP("UserPanels", "This username already exists and Cannot be created.");
constexpr const char* kNoUserFileYet =
    QT_TRANSLATE_NOOP("UserPanels", "You cannot begin to type until you have created a user file.");
constexpr const char* kNoUserChosenYet = QT_TRANSLATE_NOOP(
    "UserPanels", "You cannot begin to type until you have selected a user name from the list.");
constexpr const char* kWrongPassword =
    QT_TRANSLATE_NOOP("UserPanels", "You need to type the correct password to delete a username");
constexpr const char* kReallyDelete =
    QT_TRANSLATE_NOOP("UserPanels", "Do you want to delete this username?");

constexpr TranslationContext text{kContext};

// Places inside the 294 x 220 new-user panel and the 294 x 318 select-user panel.
constexpr QRect kNewUserPromptPlace{16, 14, 262, 48};
constexpr QRect kNewUserNamePlace{16, 74, 262, 26};
constexpr QRect kNewUserOkPlace{40, 130, 95, 30};
constexpr QRect kNewUserCancelPlace{160, 130, 95, 30};
constexpr QRect kSelectPromptPlace{16, 10, 262, 26};
constexpr QRect kNamesPlace{16, 40, 262, 150};
constexpr QRect kUseNamePlace{16, 198, 262, 28};
constexpr QRect kPasswordPlace{16, 238, 150, 26};
constexpr QRect kDeleteNamePlace{174, 236, 104, 30};
constexpr QRect kSelectCancelPlace{97, 278, 100, 28};

template <typename Control>
Control* place(Control* control, const QString& name, QRect where) {
    control->setObjectName(name);
    control->setGeometry(where);
    control->raise(); // above the panel's background picture
    return control;
}

QPushButton* button(const char* caption, const QString& name, QRect where, QWidget* panel) {
    QPushButton* made = place(new QPushButton(panel), name, where);
    setUiText(made, kContext, caption);
    return made;
}

QLabel* prompt(const QString& name, QRect where, QWidget* panel) {
    auto* label = place(new QLabel(panel), name, where);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    // Paper-coloured bold text stands out on every scheme colour of the panel's background.
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    setTextColour(label, QColor(kPaperColour));
    return label;
}

void showPanel(QWidget& panel) {
    panel.show();
    panel.raise();
}

} // namespace

UserPanels::UserPanels(MainWindow& window, Globals& globals, Services& services)
    : QObject(&window)
    , m_window(window)
    , m_globals(globals)
    , m_services(services)
    , m_roster(globals.folder) {
    // The panels' controls are made when a panel first opens: most starts open one of them at
    // most, and a list and two line edits held hidden cost some 0.6 MiB from the start.
    connectLinks();
}

void UserPanels::buildNewUserPanel() {
    QWidget* panel = &m_window.newUserPanel();
    m_newUserPrompt = prompt(QStringLiteral("LabelNewUserPrompt"), kNewUserPromptPlace, panel);
    m_newUserName = place(new QLineEdit(panel), QStringLiteral("EditNewUser"), kNewUserNamePlace);
    // Room for blanks around a name of the longest length; the name is trimmed before checking.
    m_newUserName->setMaxLength(roster::kLongestName * 2);
    // The prompt above changes; the field's own name stays.
    setUiAccessibleName(m_newUserName, kContext, QT_TRANSLATE_NOOP("UserPanels", "New user name"));
    m_newUserOk = button(QT_TRANSLATE_NOOP("UserPanels", "OK"), QStringLiteral("ButtonNewUserOk"),
                         kNewUserOkPlace, panel);
    m_newUserCancel = button(QT_TRANSLATE_NOOP("UserPanels", "Cancel"),
                             QStringLiteral("ButtonNewUserCancel"), kNewUserCancelPlace, panel);
    connect(m_newUserName, &QLineEdit::returnPressed, this, &UserPanels::createUser);
    connect(m_newUserOk, &QPushButton::clicked, this, &UserPanels::createUser);
    connect(m_newUserCancel, &QPushButton::clicked, this, &UserPanels::cancelNewUser);
}

void UserPanels::buildSelectUserPanel() {
    QWidget* panel = &m_window.selectUserPanel();
    m_selectPrompt = prompt(QStringLiteral("LabelSelectUserPrompt"), kSelectPromptPlace, panel);
    m_names = place(new QListWidget(panel), QStringLiteral("ListBoxUsers"), kNamesPlace);
    m_useName = button(QT_TRANSLATE_NOOP("UserPanels", "Use this Name"),
                       QStringLiteral("ButtonUseName"), kUseNamePlace, panel);
    m_password = place(new QLineEdit(panel), QStringLiteral("EditPassword"), kPasswordPlace);
    m_password->setEchoMode(QLineEdit::Password);
    setUiAccessibleName(m_names, kContext, QT_TRANSLATE_NOOP("UserPanels", "User names"));
    setUiAccessibleName(m_password, kContext,
                        QT_TRANSLATE_NOOP("UserPanels", "Password to delete a name"));
    m_deleteName = button(QT_TRANSLATE_NOOP("UserPanels", "Delete Name"),
                          QStringLiteral("ButtonDeleteName"), kDeleteNamePlace, panel);
    m_selectCancel = button(QT_TRANSLATE_NOOP("UserPanels", "Cancel"),
                            QStringLiteral("ButtonSelectCancel"), kSelectCancelPlace, panel);
    // Deleting waits until a name is in use, so the one in use can be told apart from the others.
    m_password->setEnabled(m_nameInUse);
    m_deleteName->setEnabled(m_nameInUse);
    connect(m_useName, &QPushButton::clicked, this, &UserPanels::useSelectedName);
    connect(m_deleteName, &QPushButton::clicked, this, &UserPanels::deleteSelectedName);
    connect(m_selectCancel, &QPushButton::clicked, this, &UserPanels::cancelSelection);
}

void UserPanels::connectLinks() {
    // The window has hidden the hint and played the click before these run.
    connect(&m_window.link(MainWindow::UserLink::NewUser), &ClickableLabel::clicked, this,
            &UserPanels::openNewUserPanel);
    connect(&m_window.link(MainWindow::UserLink::SelectUser), &ClickableLabel::clicked, this,
            &UserPanels::openSelectUserPanel);
    connect(&m_window.link(MainWindow::UserLink::YourStats), &ClickableLabel::clicked, this,
            &UserPanels::chartsWindowRequested);
    connect(&m_window.link(MainWindow::UserLink::Preferences), &ClickableLabel::clicked, this,
            &UserPanels::openPreferences);
}

void UserPanels::openNewUserPanel() {
    if (m_newUserName == nullptr)
        buildNewUserPanel();
    // Opened from the list of names, when no student is current yet: the list gives way.
    m_window.selectUserPanel().hide();
    showPanel(m_window.newUserPanel());
    m_newUserName->clear();
    m_window.paintUserPanelBackgrounds();
    setUiText(m_newUserPrompt, kContext, kNewUserPrompt);
    m_newUserName->setFocus();
    m_window.applyLinksOff();
}

void UserPanels::refuseName(const QString& problem) {
    m_services.dialogs.titledMessage(
        Dialogs::Kind::Information,
        QCoreApplication::translate("Roster", roster::kInvalidNameTitle), problem,
        Dialogs::Buttons::Ok);
    m_newUserName->setFocus();
}

void UserPanels::createUser() {
    // Nothing changes until the new student's file is really there and the outgoing student's
    // work is safe: a refused or failed name leaves the current student, its session and the
    // links as they were, with the panel open to type again.
    const roster::NameCheck check = roster::checkUserName(m_newUserName->text());
    if (!check.ok()) {
        refuseName(check.problem);
        return;
    }
    const ChangeOutcome outcome =
        changeStudent([&] { return m_globals.session.takeNew(check.name); });
    if (outcome.status == ChangeOutcome::Status::Exists) {
        m_services.dialogs.information(text(kNameExists) + whatIsInTheWay(check.name));
        m_newUserName->clear();
        m_newUserName->setFocus();
        return;
    }
    if (!outcome.changed()) {
        m_services.dialogs.error(outcome.message);
        m_newUserName->setFocus();
        return;
    }
    if (!m_window.showKeyboardPicture())
        return; // no keyboard picture at all: the window is closing
    m_window.newUserPanel().hide();
    userIsCurrent();
}

// A name is refused as existing when anything of that name, in any letter case, is in the folder;
// what is not on the list (a folder, "Zed.STU") is named so the student knows what to ask about.
QString UserPanels::whatIsInTheWay(const QString& name) const {
    const QFileInfo found(m_roster.filePath(name));
    if (found.isDir())
        return QCoreApplication::translate("UserPanels", " A folder called \"%1\" is in the way.")
            .arg(found.fileName());
    if (m_roster.names().contains(name, Qt::CaseInsensitive))
        return {};
    return QCoreApplication::translate("UserPanels", " The file \"%1\" is in the way.")
        .arg(found.fileName());
}

void UserPanels::cancelNewUser() {
    if (!m_roster.hasStudentFiles()) {
        m_services.dialogs.information(text(kNoUserFileYet));
        m_newUserName->setFocus();
        return;
    }
    m_newUserName->clear();
    m_window.newUserPanel().hide();
    m_window.applyLinksOn();
}

void UserPanels::openSelectUserPanel() {
    if (m_names == nullptr)
        buildSelectUserPanel();
    showPanel(m_window.selectUserPanel());
    m_window.paintUserPanelBackgrounds();
    setUiText(m_selectPrompt, kContext, kSelectPrompt);
    m_names->setFocus();
    m_names->clear();
    m_names->addItems(m_roster.names());
    m_window.applyLinksOff();
    // Every name may be held by another running copy: a pupil without a student can still make
    // her own.
    if (m_globals.currentUserName.isEmpty())
        m_window.link(MainWindow::UserLink::NewUser).setEnabled(true);
    m_names->setCurrentRow(0);
}

void UserPanels::useSelectedName() {
    const QListWidgetItem* item = m_names->currentItem();
    if (item == nullptr)
        return;
    // The outgoing student's session gets its history entry and is written before the incoming
    // record replaces it; anything that fails on the way changes nothing.
    const QString name = item->text();
    const ChangeOutcome outcome = changeStudent([&] { return m_globals.session.take(name); });
    if (!outcome.changed()) {
        m_services.dialogs.error(outcome.message);
        return;
    }
    if (!m_window.showKeyboardPicture(QCoreApplication::translate(
            "UserPanels",
            "Choose a keyboard from the Additional/Keyboard Nationality Menu above.")))
        return;
    m_window.selectUserPanel().hide();
    userIsCurrent();
}

void UserPanels::deleteSelectedName() {
    QListWidgetItem* item = m_names->currentItem();
    if (item == nullptr)
        return;
    if (!roster::isPurgeKey(m_password->text())) {
        m_services.dialogs.information(text(kWrongPassword));
        return;
    }
    if (!m_services.dialogs.askYesNo(text(kReallyDelete)))
        return;
    const QString name = item->text();
    if (const auto refusal =
            roster::deletionRefusal(name, m_names->count(), m_globals.currentUserName)) {
        m_services.dialogs.information(*refusal);
        return;
    }
    // Held while it goes, so that no copy takes the student meanwhile; one that has her keeps
    // her file.
    StudentStore& store = *m_globals.store;
    const LockOutcome held = store.lock(name);
    if (held.status == LockOutcome::Status::InUseElsewhere) {
        m_services.dialogs.error(
            QCoreApplication::translate("UserPanels", "%1 cannot be deleted while another copy of "
                                                      "Keyfarer has this student. Close it there "
                                                      "first, then delete the name.")
                .arg(name));
        return;
    }
    const FileOutcome removed = m_roster.remove(name);
    if (held.status == LockOutcome::Status::Held)
        store.unlock(name);
    if (!removed.done()) {
        m_services.dialogs.error(removed.message);
        return;
    }
    delete m_names->takeItem(m_names->row(item));
    m_password->clear();
    m_window.selectUserPanel().hide();
    m_window.applyLinksOn();
    m_window.applyMenusOn();
}

void UserPanels::cancelSelection() {
    if (m_globals.currentUserName.isEmpty()) {
        m_services.dialogs.information(text(kNoUserChosenYet));
        m_names->setFocus();
        return;
    }
    m_password->clear();
    m_window.selectUserPanel().hide();
    m_window.applyLinksOn();
}

void UserPanels::openPreferences() {
    m_window.openPreferences(std::nullopt);
}

// The outgoing student hears first when her file went or was replaced from outside, as at a
// set's end: yes writes it anew and then the change goes on; no lets it go on without it, now
// that she knows. Writing anew that fails changes nothing and says why. The files are read and
// written off the window's thread: on a slow file server the window keeps painting meanwhile.
ChangeOutcome UserPanels::changeStudent(const std::function<ChangeOutcome()>& change) {
    StudentStore& store = *m_globals.store;
    for (;;) {
        ChangeOutcome outcome;
        m_folderWait.run(store, [&] { outcome = change(); });
        if (outcome.status != ChangeOutcome::Status::Gone)
            return outcome;
        if (!m_services.dialogs.askYesNo(outcome.message))
            continue; // told now, so the change goes on
        SaveOutcome written;
        m_folderWait.run(store, [&] { written = m_globals.session.writeAnew(); });
        if (written.status == SaveOutcome::Status::Failed)
            return {ChangeOutcome::Status::SaveFailed, written.message};
    }
}

void UserPanels::userIsCurrent() {
    m_nameInUse = true;
    if (m_names != nullptr) {
        m_password->setEnabled(true);
        m_deleteName->setEnabled(true);
        m_password->clear();
    }
    m_window.applyLinksOn();
    m_window.applyMenusOn();
    m_window.showUserName(m_globals.currentUserName);
    m_window.repaintSchemePictures();
    m_window.applyStudentLanguage();
    m_window.greetCurrentUser();
}

} // namespace kf
