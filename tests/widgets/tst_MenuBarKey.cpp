// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/MenuBarKey.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace kf;

class tst_MenuBarKey : public QObject {
    Q_OBJECT

private slots:
    void f10OpensTheFirstMenuThatCanOpen();
};

// A hidden first menu is passed over; the key works wherever the focus is in the window.
void tst_MenuBarKey::f10OpensTheFirstMenuThatCanOpen() {
    QMainWindow window;
    QMenu* hidden = window.menuBar()->addMenu(QStringLiteral("&Hidden"));
    hidden->menuAction()->setVisible(false);
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Close"));
    auto* field = new QWidget;
    field->setFocusPolicy(Qt::StrongFocus);
    window.setCentralWidget(field);
    openMenuBarWithF10(window);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();

    QVERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(field, Qt::Key_F10);
    QTRY_COMPARE(QApplication::activePopupWidget(), file);
    QCOMPARE(window.menuBar()->activeAction(), file->menuAction());
    file->close();
}

QTEST_MAIN(tst_MenuBarKey)
#include "tst_MenuBarKey.moc"
