#include "MagicSceneModule.h"

#include "AppTheme.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace MagicSceneModule {

namespace {

QColor pick(const QList<QColor> &colors, int variant)
{
    return colors.at(variant % colors.size());
}

Shape capsule(double w, double h, const QColor &color, double dx = 0, double dy = 0, double angle = 0)
{
    return {Shape::Capsule, w, h, 0, 0, angle, dx, dy, color};
}

Shape circle(double d, const QColor &color, double dx = 0, double dy = 0)
{
    return {Shape::Circle, d, d, 0, 0, 0, dx, dy, color};
}

Shape rounded(double w, double h, double radius, const QColor &color, double dx = 0, double dy = 0)
{
    return {Shape::RoundedRect, w, h, radius, 0, 0, dx, dy, color};
}

// n shapes of `width` in a centred row with `gap` between neighbours: the centre of the
// i-th, from the left.
double inRow(int i, int n, double width, double gap)
{
    const double rowWidth = n * width + (n - 1) * gap;
    return -rowWidth / 2 + width / 2 + i * (width + gap);
}

} // namespace

QList<QColor> palette()
{
    return {AppTheme::coral(), AppTheme::mango(), AppTheme::mint(), AppTheme::sky(), AppTheme::purple()};
}

QColor gray()
{
    return QColor::fromRgbF(0.56f, 0.56f, 0.58f);
}

QColor brown()
{
    return QColor::fromRgbF(0.64f, 0.52f, 0.37f);
}

QColor green()
{
    return QColor::fromRgbF(0.20f, 0.78f, 0.35f);
}

QList<Shape> shapes(ModularModuleKind kind, int variant)
{
    const int v = std::abs(variant);
    QList<Shape> out;
    switch (kind) {
    case ModularModuleKind::flower: {
        const int n = v % 3 + 4;
        const QColor petal = AppTheme::withOpacity(pick(palette(), v), 0.92);
        // Each petal is turned about its own centre, all centres at (0, -0.17).
        for (int i = 0; i < n; ++i)
            out.append(capsule(0.26, 0.5, petal, 0, -0.17, i * 360.0 / n));
        out.append(circle(0.28, AppTheme::mango()));
        break;
    }
    case ModularModuleKind::leaf: {
        const QList<QColor> colors{AppTheme::mint(), AppTheme::withOpacity(green(), 0.78), AppTheme::withOpacity(AppTheme::sky(), 0.78)};
        const int n = v % 3 + 1;
        for (int i = 0; i < n; ++i)
            out.append(capsule(0.27, 0.62, colors.at((v + i) % 3), (i - 1) * 0.15, -0.04, 46.0 * i - 46));
        out.append(capsule(0.08, 0.75, AppTheme::withOpacity(brown(), 0.55), 0, 0.14));
        break;
    }
    case ModularModuleKind::stone: {
        const QList<QColor> colors{AppTheme::withOpacity(gray(), 0.78), AppTheme::withOpacity(brown(), 0.58), AppTheme::withOpacity(AppTheme::purple(), 0.5),
                                   AppTheme::withOpacity(AppTheme::sky(), 0.55)};
        out.append(rounded(0.68 + 0.15 * (v % 2), 0.48, 0.27, pick(colors, v), 0, 0.15));
        for (int i = 0; i < v % 4; ++i)
            out.append(circle(0.09, AppTheme::withOpacity(Qt::white, 0.52), (i - 1) * 0.17, 0.13));
        break;
    }
    case ModularModuleKind::lantern: {
        const QList<QColor> lights{AppTheme::mango(), AppTheme::coral(), AppTheme::sky(), AppTheme::withOpacity(Qt::white, 0.92)};
        out.append(rounded(0.56, 0.67, 0.12, AppTheme::withOpacity(brown(), 0.78), 0, 0.1));
        out.append(rounded(0.37, 0.43, 0.1, pick(lights, v), 0, 0.1));
        out.append(capsule(0.42, 0.1, AppTheme::withOpacity(brown(), 0.76), 0, -0.31));
        out.append({Shape::Ring, 0.37, 0.26, 0, 0.07, 0, 0, -0.46, AppTheme::withOpacity(brown(), 0.76)});
        break;
    }
    case ModularModuleKind::butterfly: {
        const QColor wing = pick(palette(), v);
        out.append(capsule(0.32, 0.49, wing, -0.18, -0.12, -30));
        out.append(capsule(0.32, 0.49, AppTheme::withOpacity(wing, 0.82), 0.18, -0.12, 30));
        out.append(capsule(0.08, 0.46, AppTheme::ink(), 0, 0.06));
        break;
    }
    case ModularModuleKind::cloud: {
        const QColor puff = AppTheme::withOpacity(Qt::white, 0.88);
        // Three puffs in a row overlapping by 0.12, the row centred and raised by 0.08.
        out.append(circle(0.44, puff, -0.365, -0.08));
        out.append(circle(0.58, puff, 0.025, -0.08));
        out.append(circle(0.39, puff, 0.39, -0.08));
        const int n = v % 4;
        for (int i = 0; i < n; ++i)
            out.append(capsule(0.07, 0.22, AppTheme::withOpacity(AppTheme::sky(), 0.72), inRow(i, n, 0.07, 0.11), 0.35));
        break;
    }
    case ModularModuleKind::mushroom: {
        const QList<QColor> caps{AppTheme::coral(), AppTheme::mango(), AppTheme::purple(), AppTheme::sky()};
        out.append(capsule(0.28, 0.52, AppTheme::withOpacity(Qt::white, 0.93), 0, 0.18));
        out.append(capsule(0.72, 0.42, pick(caps, v), 0, -0.12));
        const int n = v % 3 + 1;
        for (int i = 0; i < n; ++i)
            out.append(circle(0.1, AppTheme::withOpacity(Qt::white, 0.8), inRow(i, n, 0.1, 0.08), -0.13));
        break;
    }
    case ModularModuleKind::berries: {
        const QList<QColor> colors{AppTheme::coral(), AppTheme::purple(), AppTheme::mango()};
        const QColor berry = pick(colors, v);
        for (int i = 0; i < v % 4 + 2; ++i)
            out.append(circle(0.28, berry, (i % 3 - 1) * 0.26, (i / 3) * 0.24));
        out.append(capsule(0.08, 0.35, AppTheme::mint(), 0.12, -0.28, -30));
        break;
    }
    }
    return out;
}

void paint(QPainter &painter, const QRectF &area, ModularModuleKind kind, int variant)
{
    const double s = std::min(area.width(), area.height());
    if (s <= 0)
        return;
    const QPointF centre = area.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Shape &shape : shapes(kind, variant)) {
        const QRectF box(-shape.w * s / 2, -shape.h * s / 2, shape.w * s, shape.h * s);
        painter.save();
        painter.translate(centre + QPointF(shape.dx * s, shape.dy * s));
        if (shape.angle != 0)
            painter.rotate(shape.angle);
        switch (shape.form) {
        case Shape::Capsule:
        case Shape::RoundedRect: {
            const double half = std::min(box.width(), box.height()) / 2;
            const double r = shape.form == Shape::Capsule ? half : std::min(shape.radius * s, half);
            painter.setPen(Qt::NoPen);
            painter.setBrush(shape.color);
            painter.drawRoundedRect(box, r, r);
            break;
        }
        case Shape::Circle:
            painter.setPen(Qt::NoPen);
            painter.setBrush(shape.color);
            painter.drawEllipse(box);
            break;
        case Shape::Ring: {
            const double d = std::min(box.width(), box.height());
            painter.setPen(QPen(shape.color, shape.line * s));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QRectF(-d / 2, -d / 2, d, d));
            break;
        }
        }
        painter.restore();
    }
    painter.restore();
}

QRectF reach(const QRectF &area, ModularModuleKind kind, int variant)
{
    const double s = std::min(area.width(), area.height());
    QRectF covered;
    if (s <= 0)
        return covered;
    for (const Shape &shape : shapes(kind, variant)) {
        const QPointF centre = area.center() + QPointF(shape.dx * s, shape.dy * s);
        const double r = (std::hypot(shape.w, shape.h) + shape.line) * s / 2 + 1;
        covered |= QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    }
    return covered;
}

QString phrase(ModularModuleKind kind)
{
    switch (kind) {
    case ModularModuleKind::flower: return u"花瓣和颜色发生了变化"_s;
    case ModularModuleKind::leaf: return u"叶子的数量或颜色不同"_s;
    case ModularModuleKind::stone: return u"石头的颜色或斑点不同"_s;
    case ModularModuleKind::lantern: return u"灯笼的灯光发生了变化"_s;
    case ModularModuleKind::butterfly: return u"蝴蝶的翅膀变色了"_s;
    case ModularModuleKind::cloud: return u"云朵和雨滴不同"_s;
    case ModularModuleKind::mushroom: return u"蘑菇的圆点或颜色不同"_s;
    case ModularModuleKind::berries: return u"浆果的数量或颜色不同"_s;
    }
    return {};
}

} // namespace MagicSceneModule
