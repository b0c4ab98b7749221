// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyTable.h"
#include "progress/HeatKeyboardView.h"
#include "progress/KeyHeat.h"
#include "progress/OpenChartsWindow.h"
#include "progress/StatisticsWindow.h"
#include "progress/TroubleKeysWindow.h"
#include "students/PressJournal.h"
#include "tests/common/FileBytes.h"
#include "tests/common/TestWorkingFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace kf;

// The Trouble Keys window as the student meets it, over a journal written to disk: f slow and
// always hit, j quick but missed half the time (typed as k), d at the goal.
class tst_TroubleKeysWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keysAreColouredByAccuracyOrSpeed_data();
    void keysAreColouredByAccuracyOrSpeed();
    void figuresAreReadableWithoutTheColours();
    void confusionsNameTheTargetAndTheKeyTyped();
    void practiseHandsOnTheKeysHoldingTheStudentBack();
    void exportWritesEveryPress();
    void statisticsWindowOpensIt();
    void aStudentWithoutAJournalIsToldSo();

private:
    TroubleKeysWindow& open();
    QRgb keyPixel(Nationality nationality, AnsiChar key);

    std::unique_ptr<test::TestWorkingFolder> m_folder;
    std::unique_ptr<TroubleKeysWindow> m_window;
};

namespace {

void writeJournal(const QString& folder) {
    PressJournal journal;
    for (int set = 0; set < 3; ++set) {
        for (int i = 0; i < 6; ++i) {
            journal.add({1'800'000'000, 0, 0, 'f', 'f', true, 900, 0});
            journal.add({1'800'000'000, 0, 0, 'j', i % 2 == 0 ? 'j' : 'k', i % 2 == 0, 200, 0});
            journal.add({1'800'000'000, 0, 0, 'd', 'd', true, 250, 0});
        }
        journal.closeSet();
    }
    journal.write(PressJournal::pathFor(folder, QStringLiteral("Pat")));
}

// Green is the key at the goal, red the one far below: told apart by the stronger channel.
bool greenish(QRgb pixel) {
    return qGreen(pixel) > qRed(pixel) + 40;
}
bool reddish(QRgb pixel) {
    return qRed(pixel) > qGreen(pixel) + 40;
}

} // namespace

void tst_TroubleKeysWindow::init() {
    m_folder = std::make_unique<test::TestWorkingFolder>();
    QVERIFY(m_folder->provideStartFiles());
    QVERIFY(m_folder->takeNewStudent(QStringLiteral("Pat")));
    writeJournal(m_folder->dir.path());
}

void tst_TroubleKeysWindow::cleanup() {
    m_window.reset();
    m_folder.reset();
}

TroubleKeysWindow& tst_TroubleKeysWindow::open() {
    m_window = std::make_unique<TroubleKeysWindow>(m_folder->globals.student(), m_folder->services,
                                                   nullptr);
    m_window->show();
    return *m_window;
}

// The colour of the rendered picture a little above the middle of the key, clear of its figure.
QRgb tst_TroubleKeysWindow::keyPixel(Nationality nationality, AnsiChar key) {
    const KeyRect rect = keyEntry(*keyCodeOfCharacter(key), nationality)->rect;
    const QImage shown = m_window->findChild<HeatKeyboardView*>()->grab().toImage();
    return shown.pixel(rect.left + 3, rect.top + 6);
}

void tst_TroubleKeysWindow::keysAreColouredByAccuracyOrSpeed_data() {
    QTest::addColumn<bool>("speed");
    QTest::addColumn<char>("green");
    QTest::addColumn<char>("red");
    QTest::newRow("accuracy") << false << 'f' << 'j';
    QTest::newRow("speed") << true << 'j' << 'f';
}

void tst_TroubleKeysWindow::keysAreColouredByAccuracyOrSpeed() {
    QFETCH(bool, speed);
    QFETCH(char, green);
    QFETCH(char, red);
    open();
    m_window->findChild<QCheckBox*>(QStringLiteral("TroubleKeysShowSpeed"))->setChecked(speed);
    const QRgb greenKey = keyPixel(Nationality::EnglishUS, AnsiChar(green));
    const QRgb redKey = keyPixel(Nationality::EnglishUS, AnsiChar(red));
    QVERIFY2(greenish(greenKey), qPrintable(QColor(greenKey).name()));
    QVERIFY2(reddish(redKey), qPrintable(QColor(redKey).name()));
    QVERIFY(greenish(keyPixel(Nationality::EnglishUS, 'd')));
    // A key never typed keeps the picture's own colour.
    const QRgb untyped = keyPixel(Nationality::EnglishUS, 'q');
    QVERIFY(!greenish(untyped) && !reddish(untyped));
}

void tst_TroubleKeysWindow::figuresAreReadableWithoutTheColours() {
    open();
    const auto* picture = m_window->findChild<HeatKeyboardView*>();
    const QString description = picture->accessibleDescription();
    QVERIFY2(description.contains(QStringLiteral("j: 50 % of presses hit, 60 words a minute")),
             qPrintable(description));
    QVERIFY2(description.contains(QStringLiteral("f: 100 % of presses hit, 13 words a minute")),
             qPrintable(description));
    const QString rule = m_window->findChild<QLabel*>(QStringLiteral("TroubleKeysRule"))->text();
    QVERIFY(rule.contains(QStringLiteral("35 words a minute")));
    QVERIFY(rule.contains(QStringLiteral("95 %")));
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("TroubleKeysGoals"))->text(),
             QStringLiteral("Class goals: 35 words a minute and 95 % accuracy. Pat does not meet "
                            "them yet."));
    // One chart for each key holding Pat back, each described in words.
    const QList<QWidget*> charts =
        m_window->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^TroubleKeyChart")));
    QCOMPARE(charts.size(), 2);
    QVERIFY2(
        charts[0]->accessibleDescription().startsWith(QStringLiteral("f over the last 3 sets")),
        qPrintable(charts[0]->accessibleDescription()));
}

void tst_TroubleKeysWindow::confusionsNameTheTargetAndTheKeyTyped() {
    open();
    const auto* table = m_window->findChild<QTableWidget*>(QStringLiteral("TroubleKeysConfusions"));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("j"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("k"));
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("9"));
    QVERIFY(!table->item(0, 3)->text().isEmpty());
}

void tst_TroubleKeysWindow::practiseHandsOnTheKeysHoldingTheStudentBack() {
    open();
    QSignalSpy asked(m_window.get(), &TroubleKeysWindow::practiseKeysRequested);
    m_window->findChild<QPushButton*>(QStringLiteral("TroubleKeysPractise"))->click();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0][0].toString(), QStringLiteral("fj")); // f is the weaker: 343 ms of 900
}

void tst_TroubleKeysWindow::exportWritesEveryPress() {
    open();
    const QString csv = m_folder->path(QStringLiteral("out.csv"));
    m_folder->dialogs.saveAnswers = {csv};
    m_window->findChild<QPushButton*>(QStringLiteral("TroubleKeysExport"))->click();
    const QList<QByteArray> lines = test::readBytes(csv).split('\n');
    QCOMPARE(lines.size(), 1 + 54 + 1); // header, presses, the empty end
    QCOMPARE(lines[0],
             QByteArray("when_utc,drill_kind,nationality,set,target,typed,hit,reaction_ms"));
    QCOMPARE(lines[5], QByteArray("2027-01-15T08:00:00Z,0,0,1,106,107,0,200")); // j, typed k
}

void tst_TroubleKeysWindow::statisticsWindowOpensIt() {
    ChartsHooks hooks;
    QString practised;
    hooks.practiseKeys = [&practised](const QString& keys) { practised = keys; };
    showChartsWindow(m_folder->globals.student(), m_folder->services, nullptr, hooks);
    auto* charts = qobject_cast<StatisticsWindow*>(QApplication::activeWindow());
    QVERIFY(charts != nullptr || !QApplication::topLevelWidgets().isEmpty());
    QPushButton* button = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = top->findChild<QPushButton*>(QStringLiteral("ButtonTroubleKeys")))
            button = found;
    QVERIFY(button != nullptr);
    button->click();
    TroubleKeysWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* found = top->findChild<TroubleKeysWindow*>())
            window = found;
    QVERIFY(window != nullptr);
    window->findChild<QPushButton*>(QStringLiteral("TroubleKeysPractise"))->click();
    QCOMPARE(practised, QStringLiteral("fj"));
    for (QWidget* top : QApplication::topLevelWidgets())
        top->close();
}

void tst_TroubleKeysWindow::aStudentWithoutAJournalIsToldSo() {
    QVERIFY(QFile::remove(PressJournal::pathFor(m_folder->dir.path(), QStringLiteral("Pat"))));
    open();
    QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("TroubleKeysGoals"))->text(),
             QStringLiteral("Class goals: 35 words a minute and 95 % accuracy. Pat has no presses "
                            "in the journal yet."));
    QVERIFY(!m_window->findChild<QPushButton*>(QStringLiteral("TroubleKeysPractise"))->isEnabled());
}

QTEST_MAIN(tst_TroubleKeysWindow)
#include "tst_TroubleKeysWindow.moc"
