#pragma once

#include <QObject>
#include <QPointF>
#include <QtQml/qqmlregistration.h>

// One finger's drag, as a game reads it: where it was pressed, whether it has moved far
// enough to count as a drag (`threshold`, straight-line distance; 0 makes every press a
// drag at once), its translation from the press point, and its end. A press released
// before the threshold was ever passed is a tap, not a drag.
//
// Positions must be given in coordinates that do not move with the dragged item (the
// board or stage it lies on), or the item's own movement would feed back into the
// translation. The view's DragArea does that: it maps each mouse position into its
// `frame` item and forwards press, move and release here.
//
//     // in the game (C++), which owns the rule:
//     Q_PROPERTY(DragTracker *stageDrag READ stageDrag CONSTANT)
//     connect(&m_stageDrag, &DragTracker::moved, this, [this] { m_dragX = m_stageDrag.translation().x(); ... });
//     connect(&m_stageDrag, &DragTracker::released, this, [this](QPointF t) { if (std::abs(t.x()) > 55) ... });
//     // in the view:
//     DragArea { anchors.fill: stage; frame: stage; tracker: view.game.stageDrag }
class DragTracker : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal threshold READ threshold WRITE setThreshold NOTIFY thresholdChanged)
    Q_PROPERTY(bool pressed READ isPressed NOTIFY stateChanged)
    Q_PROPERTY(bool dragging READ isDragging NOTIFY stateChanged)
    Q_PROPERTY(QPointF start READ start NOTIFY stateChanged)
    Q_PROPERTY(QPointF location READ location NOTIFY positionChanged)
    Q_PROPERTY(QPointF translation READ translation NOTIFY positionChanged)
public:
    explicit DragTracker(QObject *parent = nullptr);

    qreal threshold() const { return m_threshold; }
    void setThreshold(qreal threshold);
    bool isPressed() const { return m_pressed; }
    bool isDragging() const { return m_dragging; }
    QPointF start() const { return m_start; }
    QPointF location() const { return m_location; }
    // location − start while pressed; (0, 0) otherwise.
    QPointF translation() const { return m_pressed ? m_location - m_start : QPointF(); }

    Q_INVOKABLE void press(qreal x, qreal y);
    Q_INVOKABLE void move(qreal x, qreal y);
    Q_INVOKABLE void release(qreal x, qreal y);
    // The press was taken away (another gesture took over): no tap, no release.
    Q_INVOKABLE void cancel();

signals:
    void thresholdChanged();
    void stateChanged();
    // The threshold was passed: the drag begins (at the press itself when threshold is 0).
    void began(QPointF start);
    // A position of a drag under way (also the one that passed the threshold).
    void moved();
    // The drag ended, with its final translation and location.
    void released(QPointF translation, QPointF location);
    // Pressed and released without ever passing the threshold.
    void tapped(QPointF location);
    void cancelled();
    // location or translation changed (for bindings).
    void positionChanged();

private:
    void passThresholdAt(const QPointF &point);

    qreal m_threshold = 10;
    bool m_pressed = false;
    bool m_dragging = false;
    QPointF m_start;
    QPointF m_location;
};
