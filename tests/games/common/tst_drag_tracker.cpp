#include "DragTracker.h"

#include <QSignalSpy>
#include <QtTest>

class DragTrackerTest : public QObject
{
    Q_OBJECT
private slots:
    void aPressThatNeverPassesTheThresholdIsATap()
    {
        DragTracker drag;
        drag.setThreshold(12);
        QSignalSpy tapped(&drag, &DragTracker::tapped);
        QSignalSpy released(&drag, &DragTracker::released);
        QSignalSpy began(&drag, &DragTracker::began);
        drag.press(100, 100);
        drag.move(108, 106); // 10 from the press: under 12
        QVERIFY(drag.isPressed());
        QVERIFY(!drag.isDragging());
        drag.release(105, 104);
        QCOMPARE(tapped.count(), 1);
        QCOMPARE(tapped.first().first().toPointF(), QPointF(100, 100));
        QCOMPARE(released.count() + began.count(), 0);
    }

    void translationIsMeasuredFromThePressPoint()
    {
        DragTracker drag;
        drag.setThreshold(12);
        QSignalSpy began(&drag, &DragTracker::began);
        QSignalSpy released(&drag, &DragTracker::released);
        QSignalSpy tapped(&drag, &DragTracker::tapped);
        drag.press(100, 100);
        drag.move(112, 100); // exactly the threshold: the drag begins
        QCOMPARE(began.count(), 1);
        QVERIFY(drag.isDragging());
        QCOMPARE(drag.translation(), QPointF(12, 0));
        drag.move(40, 130);
        QCOMPARE(drag.translation(), QPointF(-60, 30));
        drag.move(98, 101); // back near the press: still a drag, never a tap
        drag.release(99, 100);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().at(0).toPointF(), QPointF(-1, 0));
        QCOMPARE(released.first().at(1).toPointF(), QPointF(99, 100));
        QCOMPARE(tapped.count(), 0);
        QVERIFY(!drag.isPressed());
        QCOMPARE(drag.translation(), QPointF());
    }

    void aReleaseBeyondTheThresholdIsADrag()
    {
        // No move event came between press and release (a fast flick).
        DragTracker drag;
        drag.setThreshold(5);
        QSignalSpy released(&drag, &DragTracker::released);
        drag.press(0, 0);
        drag.release(0, 30);
        QCOMPARE(released.count(), 1);
        QCOMPARE(released.first().first().toPointF(), QPointF(0, 30));
    }

    void thresholdZeroDragsFromThePress()
    {
        DragTracker drag;
        drag.setThreshold(0);
        QSignalSpy began(&drag, &DragTracker::began);
        QSignalSpy released(&drag, &DragTracker::released);
        QSignalSpy tapped(&drag, &DragTracker::tapped);
        drag.press(3, 4);
        QCOMPARE(began.count(), 1);
        QVERIFY(drag.isDragging());
        drag.release(3, 4);
        QCOMPARE(released.count(), 1);
        QCOMPARE(tapped.count(), 0);
    }

    void aCancelledPressEndsNothing()
    {
        DragTracker drag;
        QSignalSpy released(&drag, &DragTracker::released);
        QSignalSpy tapped(&drag, &DragTracker::tapped);
        drag.press(0, 0);
        drag.move(50, 0);
        drag.cancel();
        drag.release(60, 0); // a release after the cancel is not the drag's
        drag.move(70, 0);
        QCOMPARE(released.count() + tapped.count(), 0);
        QVERIFY(!drag.isPressed());
    }
};

QTEST_APPLESS_MAIN(DragTrackerTest)
#include "tst_drag_tracker.moc"
