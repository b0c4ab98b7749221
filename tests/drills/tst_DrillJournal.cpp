// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrillHarness.h"
#include "app/MainWindow.h"
#include "drills/DrillWindow.h"
#include "progress/TroubleKeysWindow.h"
#include "students/JournalReader.h"
#include "students/PressJournal.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace kf;
using namespace kf::test;

// The press journal fed by the real drill window, and the way from the Trouble Keys window back
// into a drill of those keys.
class tst_DrillJournal : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedMissIsJournalledWithItsTargetAndTheKeyTyped();
    void practisingTheTroubleKeysOpensTheOwnKeysDrillFilledIn();

private:
    MainWindow& openMainWindow();
    void typeOwnKeysSetWithOneMiss();
    QWidget* client() const { return m_drill->centralWidget(); }

    std::unique_ptr<DrillHarness> m_h;
    std::unique_ptr<MainWindow> m_main;
    DrillWindow* m_drill = nullptr; // owned by the main window
};

void tst_DrillJournal::init() {
    m_h = std::make_unique<DrillHarness>();
    m_h->shipFiles();
}

void tst_DrillJournal::cleanup() {
    m_main.reset();
    m_drill = nullptr;
    m_h.reset();
}

MainWindow& tst_DrillJournal::openMainWindow() {
    m_main = std::make_unique<MainWindow>(m_h->globals, m_h->services);
    m_main->setDrillWindowFactory([this](MainWindow& main) {
        m_drill = new DrillWindow(m_h->globals.drillWindowState(), m_h->services, &main);
        return m_drill;
    });
    m_main->show();
    // The main window starts with nobody chosen: Pat is taken as "Use this Name" does.
    m_h->globals.session.take(QStringLiteral("Pat"));
    m_main->applyMenusOn();
    return *m_main;
}

// Ten targets of f and j typed with key clicks, one of them missed with the other key first.
void tst_DrillJournal::typeOwnKeysSetWithOneMiss() {
    m_drill->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("fj"));
    m_drill->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    m_drill->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
    QTest::keyClick(client(), Qt::Key_Space);
    DrillEngine& engine = m_drill->engine();
    for (int i = 0; i < 10; ++i) {
        const char target = char(engine.targetChar());
        if (i == 4)
            QTest::keyClick(client(), target == 'f' ? 'j' : 'f');
        QTest::keyClick(client(), target);
    }
    if (engine.awaitingEnter())
        QTest::keyClick(client(), Qt::Key_Return);
    m_h->settleSaves(); // the set's journal is written in the store's turn
}

void tst_DrillJournal::typedMissIsJournalledWithItsTargetAndTheKeyTyped() {
    openMainWindow().beginDrill(DrillKind::ChooseYourOwnKeys);
    QVERIFY(m_drill != nullptr);
    const QString path = PressJournal::pathFor(m_h->dir.path(), QStringLiteral("Pat"));
    typeOwnKeysSetWithOneMiss();

    const std::vector<JournalConfusion> confusions = JournalReader(path).confusions(10);
    QCOMPARE(confusions.size(), std::size_t(1));
    QCOMPARE(confusions[0].count, 1);
    QVERIFY((confusions[0].target == 'f' && confusions[0].typed == 'j') ||
            (confusions[0].target == 'j' && confusions[0].typed == 'f'));
    int presses = 0;
    for (const auto& [key, trend] : JournalReader(path).keyTrends())
        presses += trend.presses;
    QCOMPARE(presses, 10); // the press after the miss, typing the target, is not a judged press
}

void tst_DrillJournal::practisingTheTroubleKeysOpensTheOwnKeysDrillFilledIn() {
    PressJournal journal;
    for (int i = 0; i < 10; ++i)
        journal.add({1'800'000'000, 0, 0, 'q', 'w', i % 2 == 0, 400, 0});
    journal.closeSet();
    QCOMPARE(journal.write(PressJournal::pathFor(m_h->dir.path(), QStringLiteral("Pat"))).status,
             JournalOutcome::Status::Written);
    MainWindow& main = openMainWindow();
    QAction* entry = nullptr;
    for (QAction* top : main.menuBar()->actions())
        if (top->text() == QStringLiteral("A&dditional"))
            for (QAction* action : top->menu()->actions())
                if (action->text() == QStringLiteral("&Trouble Keys"))
                    entry = action;
    QVERIFY(entry != nullptr);
    entry->trigger();
    auto* window = main.findChild<TroubleKeysWindow*>();
    QVERIFY(window != nullptr);
    window->findChild<QPushButton*>(QStringLiteral("TroubleKeysPractise"))->click();
    QVERIFY(m_drill != nullptr);
    QCOMPARE(m_h->globals.activity.drillKind(), DrillKind::ChooseYourOwnKeys);
    QCOMPARE(m_drill->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("q"));
}

QTEST_MAIN(tst_DrillJournal)
#include "tst_DrillJournal.moc"
