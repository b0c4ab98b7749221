// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/PictureView.h"

#include <QPaintEvent>
#include <QtTest>

using namespace kf;

namespace {

QImage paper(QSize size = QSize(60, 40)) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(qRgb(255, 255, 240));
    return picture;
}

// Remembers what each paint event of the label asked to repaint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// The drill's keyboard picture: each hand frame repaints only what it changed, and the label
// shows exactly the picture it was given.
class tst_PictureView : public QObject {
    Q_OBJECT
private slots:
    void changedArea_data();
    void changedArea();
    void aNewFrameRepaintsOnlyWhatChanged();
    void aPictureOfAnotherSizeIsAPlainPixmap();
};

void tst_PictureView::changedArea_data() {
    QTest::addColumn<QList<QPoint>>("changedPixels");
    QTest::addColumn<QRect>("area");
    QTest::newRow("nothing") << QList<QPoint>{} << QRect();
    QTest::newRow("one pixel") << QList<QPoint>{{7, 5}} << QRect(7, 5, 1, 1);
    QTest::newRow("corners") << QList<QPoint>{{0, 0}, {59, 39}} << QRect(0, 0, 60, 40);
    // Two hands apart: the rectangle spans both, the rows between included.
    QTest::newRow("two places") << QList<QPoint>{{10, 30}, {40, 4}, {25, 20}}
                                << QRect(QPoint(10, 4), QPoint(40, 30));
    QTest::newRow("left and right edges of one row")
        << QList<QPoint>{{0, 12}, {59, 12}} << QRect(0, 12, 60, 1);
    // Differences are looked for a block of pixels at a time: pixels on either side of a
    // block's edge, and rows found equal between rows that differ.
    QTest::newRow("block edges") << QList<QPoint>{{15, 3}, {16, 8}, {44, 9}, {43, 10}}
                                 << QRect(QPoint(15, 3), QPoint(44, 10));
    QTest::newRow("inside blocks, rows apart")
        << QList<QPoint>{{58, 2}, {1, 30}, {33, 17}} << QRect(QPoint(1, 2), QPoint(58, 30));
}

void tst_PictureView::changedArea() {
    QFETCH(QList<QPoint>, changedPixels);
    QFETCH(QRect, area);
    const QImage before = paper();
    QImage after = before.copy();
    for (const QPoint& p : changedPixels)
        after.setPixel(p, qRgb(200, 0, 0));
    QCOMPARE(PictureView::changedArea(before, after), area);
}

void tst_PictureView::aNewFrameRepaintsOnlyWhatChanged() {
    QWidget window;
    auto* label = new PictureView(&window);
    label->setGeometry(5, 5, 60, 40);
    window.resize(100, 80);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    PaintRecorder recorder;
    label->installEventFilter(&recorder);
    const QImage first = paper();
    label->showPicture(first);
    QTRY_VERIFY(!recorder.painted.isEmpty()); // the first picture is painted whole
    QCOMPARE(label->grab().toImage().convertToFormat(QImage::Format_RGB32), first);

    recorder.painted = QRegion();
    QImage second = first.copy();
    for (int y = 10; y < 14; ++y)
        for (int x = 20; x < 26; ++x)
            second.setPixel(x, y, qRgb(0, 0, 200));
    label->showPicture(second);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted.boundingRect(), QRect(20, 10, 6, 4));
    QCOMPARE(label->grab().toImage().convertToFormat(QImage::Format_RGB32), second);

    // The same picture again repaints nothing.
    recorder.painted = QRegion();
    label->showPicture(second);
    QTest::qWait(50);
    QVERIFY(recorder.painted.isEmpty());
    QCOMPARE(label->picture(), second);
}

void tst_PictureView::aPictureOfAnotherSizeIsAPlainPixmap() {
    PictureView label;
    label.resize(60, 40);
    const QImage small = paper(QSize(30, 20));
    label.showPicture(small);
    QCOMPARE(label.pixmap().toImage().convertToFormat(QImage::Format_RGB32), small);
    QCOMPARE(label.picture().convertToFormat(QImage::Format_RGB32), small);
    // Once it fits, the label draws the picture itself.
    label.showPicture(paper());
    QVERIFY(label.pixmap().isNull());
    QCOMPARE(label.grab().toImage().convertToFormat(QImage::Format_RGB32), paper());
}

QTEST_MAIN(tst_PictureView)
#include "tst_PictureView.moc"
