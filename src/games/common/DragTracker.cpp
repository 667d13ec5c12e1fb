#include "DragTracker.h"

#include <QLineF>

DragTracker::DragTracker(QObject *parent)
    : QObject(parent)
{
}

void DragTracker::setThreshold(qreal threshold)
{
    threshold = std::max<qreal>(0, threshold);
    if (qFuzzyCompare(threshold + 1, m_threshold + 1))
        return;
    m_threshold = threshold;
    emit thresholdChanged();
}

void DragTracker::press(qreal x, qreal y)
{
    if (m_pressed)
        cancel();
    m_pressed = true;
    m_dragging = false;
    m_start = m_location = QPointF(x, y);
    emit stateChanged();
    emit positionChanged();
    if (m_threshold <= 0)
        passThresholdAt(m_location);
}

void DragTracker::passThresholdAt(const QPointF &point)
{
    m_location = point;
    m_dragging = true;
    emit stateChanged();
    emit positionChanged();
    emit began(m_start);
    emit moved();
}

void DragTracker::move(qreal x, qreal y)
{
    if (!m_pressed)
        return;
    const QPointF point(x, y);
    if (!m_dragging) {
        if (QLineF(m_start, point).length() >= m_threshold)
            passThresholdAt(point);
        return;
    }
    if (point == m_location)
        return;
    m_location = point;
    emit positionChanged();
    emit moved();
}

void DragTracker::release(qreal x, qreal y)
{
    if (!m_pressed)
        return;
    move(x, y);
    const bool dragged = m_dragging;
    const QPointF translation = m_location - m_start;
    const QPointF location = m_location;
    m_pressed = false;
    m_dragging = false;
    emit stateChanged();
    emit positionChanged(); // translation is back to (0, 0)
    if (dragged)
        emit released(translation, location);
    else
        emit tapped(m_start);
}

void DragTracker::cancel()
{
    if (!m_pressed)
        return;
    m_pressed = false;
    m_dragging = false;
    emit stateChanged();
    emit positionChanged();
    emit cancelled();
}
