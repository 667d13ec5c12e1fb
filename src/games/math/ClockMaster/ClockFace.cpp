#include "ClockFace.h"

#include "AppTheme.h"

#include <QPainter>

#include <cmath>
#include <numbers>

ClockFace::ClockFace(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
}

void ClockFace::setHour(int hour)
{
    if (hour == m_hour)
        return;
    m_hour = hour;
    emit timeChanged();
    update();
}

void ClockFace::setMinute(int minute)
{
    if (minute == m_minute)
        return;
    m_minute = minute;
    emit timeChanged();
    update();
}

double ClockFace::hourAngle(int hour, int minute)
{
    // The hour is taken modulo 12 first, so 12 o'clock points straight up.
    return ((hour % 12 + minute / 60.0) / 12.0) * 2 * std::numbers::pi - std::numbers::pi / 2;
}

double ClockFace::minuteAngle(int minute)
{
    return (minute / 60.0) * 2 * std::numbers::pi - std::numbers::pi / 2;
}

double ClockFace::markAngle(int mark)
{
    return (mark / 12.0) * 2 * std::numbers::pi - std::numbers::pi / 2;
}

QPointF ClockFace::pointAt(QPointF centre, double angle, double distance)
{
    return {centre.x() + distance * std::cos(angle), centre.y() + distance * std::sin(angle)};
}

void ClockFace::paint(QPainter *painter)
{
    const double w = width();
    const double h = height();
    const QPointF centre(w * 0.5, h * 0.5);
    const double r = std::min(w, h) * 0.43;
    painter->setRenderHint(QPainter::Antialiasing);

    // The face.
    painter->setPen(QPen(AppTheme::withOpacity(AppTheme::purple(), 0.38), 5));
    painter->setBrush(AppTheme::withOpacity(AppTheme::sky(), 0.17));
    painter->drawEllipse(centre, r, r);

    // Hour marks, heavier at the quarters.
    painter->setBrush(Qt::NoBrush);
    for (int i = 0; i < 12; ++i) {
        const double angle = markAngle(i);
        painter->setPen(QPen(AppTheme::withOpacity(AppTheme::ink(), 0.45), i % 3 == 0 ? 4 : 2));
        painter->drawLine(pointAt(centre, angle, 0.9 * r), pointAt(centre, angle, 0.78 * r));
    }

    // Hands.
    painter->setPen(QPen(AppTheme::purple(), 10, Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(centre, pointAt(centre, hourAngle(m_hour, m_minute), 0.5 * r));
    painter->setPen(QPen(AppTheme::coral(), 7, Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(centre, pointAt(centre, minuteAngle(m_minute), 0.7 * r));

    // Centre dot.
    painter->setPen(Qt::NoPen);
    painter->setBrush(AppTheme::mango());
    painter->drawEllipse(centre, 9, 9);
}
