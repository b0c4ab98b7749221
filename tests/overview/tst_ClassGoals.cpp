// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassTestFolder.h"
#include "overview/ClassCsv.h"
#include "overview/ClassOverviewWindow.h"
#include "platform/doubles/DoubleServices.h"
#include "students/ClassGoals.h"
#include "students/PressJournal.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTextStream>
#include <QTimer>

using namespace kf;
using namespace kf::test;

// The class goals as the teacher sets them in the overview, and the overview's and the CSV's
// goal columns, read from the students' journals.
class tst_ClassGoals : public QObject {
    Q_OBJECT

private slots:
    void csvEndsWithTheGoalColumns();
    void teacherSetsTheGoalsInTheOverview();
};

namespace {

// Ann: f slow (900 ms), j missed half the time, d a bit slow (400 ms); Bea: every key quick and
// hit (250 ms); Cleo never typed.
void writeJournals(const QString& folder) {
    PressJournal ann;
    PressJournal bea;
    for (int i = 0; i < 10; ++i) {
        ann.add({1'800'000'000, 0, 0, 'f', 'f', true, 900, 0});
        ann.add({1'800'000'000, 0, 0, 'j', i % 2 == 0 ? 'j' : 'k', i % 2 == 0, 200, 0});
        ann.add({1'800'000'000, 0, 0, 'd', 'd', true, 400, 0});
        ann.add({1'800'000'000, 0, 0, 's', 's', true, 300, 0});
        bea.add({1'800'000'000, 0, 0, 'f', 'f', true, 250, 0});
    }
    ann.closeSet();
    bea.closeSet();
    ann.write(PressJournal::pathFor(folder, QStringLiteral("Ann")));
    bea.write(PressJournal::pathFor(folder, QStringLiteral("bob")));
}

QStringList csvLines(const QString& folder) {
    QString text;
    QTextStream out(&text);
    writeClassCsv(folder, out);
    out.flush();
    return text.split(QStringLiteral("\r\n"));
}

QString lastTwoFields(const QString& line) {
    const QStringList fields = line.split(u',');
    return fields.mid(fields.size() - 2).join(u',');
}

} // namespace

void tst_ClassGoals::csvEndsWithTheGoalColumns() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    writeJournals(f.path());
    const QStringList lines = csvLines(f.path());
    QVERIFY(lines[0].endsWith(QStringLiteral(",Goal met,Trouble keys")));
    QCOMPARE(lastTwoFields(lines[1]), QStringLiteral("no,f j d")); // Ann: weakest first
    QCOMPARE(lastTwoFields(lines[2]), QStringLiteral("yes,"));     // bob
    QCOMPARE(lastTwoFields(lines[3]), QStringLiteral(","));        // Cleo: no journal
    // The columns before them are the ones scripts have always read.
    QCOMPARE(lines[1].section(u',', 0, 9), QStringLiteral("Ann,") + kAnnCsvFigures.chopped(2));
}

void tst_ClassGoals::teacherSetsTheGoalsInTheOverview() {
    ClassFolderFixture f;
    QVERIFY(f.ok);
    writeJournals(f.path());
    DoubleServices services;
    ClassOverviewWindow window(WorkingFolder(f.path()), services.services);
    window.show();
    QSignalSpy loaded(&window, &ClassOverviewWindow::loaded);
    window.reload();
    QVERIFY(loaded.wait(10000));
    auto* line = window.findChild<QLabel*>(QStringLiteral("LabelClassGoals"));
    QCOMPARE(line->text(), QStringLiteral("Class goals: 35 words a minute and 95 % accuracy."));

    // 20 words a minute (600 ms a key) and 50 %: only Ann's f at 900 ms stays behind.
    QTimer::singleShot(0, this, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->findChild<QSpinBox*>(QStringLiteral("SpinWordsPerMinute"))->setValue(20);
        dialog->findChild<QSpinBox*>(QStringLiteral("SpinAccuracy"))->setValue(50);
        dialog->accept();
    });
    window.findChild<QPushButton*>(QStringLiteral("ButtonGoals"))->click();
    QVERIFY(loaded.size() == 2 || loaded.wait(10000));
    QCOMPARE(line->text(), QStringLiteral("Class goals: 20 words a minute and 50 % accuracy."));
    QCOMPARE(ClassGoals::read(f.path()), (ClassGoals{20, 50}));
    const QAbstractItemModel* model = window.table().model();
    const int last = model->columnCount() - 1;
    QCOMPARE(model->headerData(last, Qt::Horizontal).toString(), QStringLiteral("Trouble keys"));
    QCOMPARE(model->index(0, last).data().toString(), QStringLiteral("f"));
    QCOMPARE(model->index(0, last - 1).data().toString(), QStringLiteral("no"));
}

QTEST_MAIN(tst_ClassGoals)
#include "tst_ClassGoals.moc"
