#pragma once

#include <QPointF>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// An analogue clock face: a tinted disc, twelve hour marks (longer strokes at 12, 3, 6
// and 9, no numbers), the hour and minute hands and a centre dot, drawn in the largest
// circle that fits the item.
class ClockFace : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int hour READ hour WRITE setHour NOTIFY timeChanged FINAL)
    Q_PROPERTY(int minute READ minute WRITE setMinute NOTIFY timeChanged FINAL)
public:
    explicit ClockFace(QQuickItem *parent = nullptr);

    int hour() const { return m_hour; }
    void setHour(int hour);
    int minute() const { return m_minute; }
    void setMinute(int minute);

    // Angles in radians, measured clockwise from 3 o'clock with y pointing down, so
    // -pi/2 points to 12.
    static double hourAngle(int hour, int minute);
    static double minuteAngle(int minute);
    static double markAngle(int mark);
    // The point at `angle` and `distance` from `centre`.
    static QPointF pointAt(QPointF centre, double angle, double distance);

    void paint(QPainter *painter) override;

signals:
    void timeChanged();

private:
    int m_hour = 12;
    int m_minute = 0;
};
