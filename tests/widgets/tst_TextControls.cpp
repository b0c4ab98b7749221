// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/TextControls.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace kf;

class tst_TextControls : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
};

// Outside a dialog too, Enter (either key) presses a focused button once; with a modifier it is
// left to shortcuts.
void tst_TextControls::enterPressesTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
}

void tst_TextControls::enterPressesTheFocusedButton() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, clicks);
    QWidget window;
    QPushButton* button =
        uiButton(QStringLiteral("ButtonViewReport"), "StatisticsWindow", "View Report", &window);
    window.show();
    button->setFocus();
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(clicked.size(), clicks);
}

QTEST_MAIN(tst_TextControls)
#include "tst_TextControls.moc"
