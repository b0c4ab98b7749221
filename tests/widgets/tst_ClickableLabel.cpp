// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ClickableLabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace kf;

// The main window's links work without a mouse: Tab reaches them, Enter and Space follow them,
// and a screen reader sees a link it can press.
class tst_ClickableLabel : public QObject {
    Q_OBJECT

private slots:
    void keysFollowTheLink_data();
    void keysFollowTheLink();
    void tabReachesTheLinkAndShowsIt();
    void screenReadersSeeAPressableLink();
};

void tst_ClickableLabel::keysFollowTheLink_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");

    QTest::newRow("Enter") << int(Qt::Key_Return) << true << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << true << 1;
    QTest::newRow("a letter") << int(Qt::Key_A) << true << 0;
    QTest::newRow("Enter, disabled") << int(Qt::Key_Return) << false << 0;
}

void tst_ClickableLabel::keysFollowTheLink() {
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);

    ClickableLabel link(QStringLiteral("New User"));
    link.setEnabled(enabled);
    QSignalSpy clicked(&link, &ClickableLabel::clicked);
    QTest::keyClick(&link, Qt::Key(key));
    QCOMPARE(clicked.count(), clicks);
}

void tst_ClickableLabel::tabReachesTheLinkAndShowsIt() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new ClickableLabel(QStringLiteral("New User"));
    auto* second = new ClickableLabel(QStringLiteral("Select User"));
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    const QImage unfocused = second->grab().toImage();
    QSignalSpy highlighted(second, &ClickableLabel::hovered);

    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QCOMPARE(highlighted.count(), 1);
    QCOMPARE(highlighted.first().first().toBool(), true);
    QVERIFY2(second->grab().toImage() != unfocused, "the focus shows on the link");
}

void tst_ClickableLabel::screenReadersSeeAPressableLink() {
    ClickableLabel link(QStringLiteral("Preferences"));
    QSignalSpy clicked(&link, &ClickableLabel::clicked);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&link);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Link);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Preferences"));
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(tst_ClickableLabel)
#include "tst_ClickableLabel.moc"
