#include "ArtKit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QtMath>

namespace Art {

std::pair<QColor, QColor> shelfColors(const QString &category)
{
    if (category == u"english")
        return {QColor::fromRgbF(0.29f, 0.60f, 0.96f), Pal::sky};
    if (category == u"chinese")
        return {Pal::coral, QColor::fromRgbF(1.0f, 0.61f, 0.51f)};
    if (category == u"math")
        return {Pal::purple, QColor::fromRgbF(0.68f, 0.50f, 0.93f)};
    if (category == u"dress-up")
        return {QColor::fromRgbF(0.98f, 0.43f, 0.62f), Pal::mango};
    if (category == u"logic-thinking")
        return {QColor::fromRgbF(0.30f, 0.67f, 0.81f), Pal::mint};
    if (category == u"coordination-memory")
        return {Pal::mint, QColor::fromRgbF(0.56f, 0.42f, 0.90f)};
    return {QColor::fromRgbF(0.20f, 0.70f, 0.68f), Pal::sky};
}

QColor rgb(int r, int g, int b, int a) { return QColor(r, g, b, a); }

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor alpha(const QColor &c, qreal opacity)
{
    QColor r = c;
    r.setAlphaF(c.alphaF() * opacity);
    return r;
}

QColor lighter(const QColor &c, qreal t) { return mix(c, Pal::white, t); }
QColor shade(const QColor &c, qreal t) { return mix(c, Pal::ink, t); }

QLinearGradient linear(QPointF from, QPointF to, Stops stops)
{
    QLinearGradient g(from, to);
    for (const auto &[at, color] : stops)
        g.setColorAt(at, color);
    return g;
}

void fillVertical(QPainter &p, const QRectF &r, Stops stops)
{
    p.fillRect(r, linear(r.topLeft(), r.bottomLeft(), stops));
}

void glow(QPainter &p, QPointF c, qreal radius, const QColor &color)
{
    QRadialGradient g(c, radius);
    g.setColorAt(0, color);
    g.setColorAt(0.45, alpha(color, 0.45));
    g.setColorAt(1, alpha(color, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius, radius);
}

void groundShadow(QPainter &p, QPointF c, qreal w, qreal h, qreal opacity)
{
    QRadialGradient g(c, w / 2);
    g.setColorAt(0, alpha(Pal::ink, opacity));
    g.setColorAt(1, alpha(Pal::ink, 0));
    p.save();
    p.translate(c);
    p.scale(1, h / w);
    p.translate(-c);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, w / 2, w / 2);
    p.restore();
}

void hill(QPainter &p, qreal width, qreal y, qreal amp, qreal phase, qreal bottom,
          const QColor &color, qreal waves)
{
    QPainterPath path;
    path.moveTo(-10, bottom);
    const int steps = 80;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = -10 + (width + 20) * i / steps;
        const qreal t = x / width;
        const qreal h = std::sin(t * waves * 2 * M_PI + phase) * amp
                      + std::sin(t * waves * 3.3 * M_PI + phase * 1.7) * amp * 0.35;
        path.lineTo(x, y - h);
    }
    path.lineTo(width + 10, bottom);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(linear({0, y - amp}, {0, bottom},
                      {{0, lighter(color, 0.18)}, {0.35, color}, {1, shade(color, 0.22)}}));
    p.drawPath(path);
    // A thin sunlit rim along the top.
    p.setBrush(Qt::NoBrush);
    QPen rim(alpha(Pal::white, 0.25), std::max<qreal>(2, amp * 0.08));
    rim.setCapStyle(Qt::RoundCap);
    p.setPen(rim);
    QPainterPath top;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = -10 + (width + 20) * i / steps;
        const qreal t = x / width;
        const qreal h = std::sin(t * waves * 2 * M_PI + phase) * amp
                      + std::sin(t * waves * 3.3 * M_PI + phase * 1.7) * amp * 0.35;
        if (i == 0)
            top.moveTo(x, y - h + 2);
        else
            top.lineTo(x, y - h + 2);
    }
    p.drawPath(top);
    p.setPen(Qt::NoPen);
}

void cloud(QPainter &p, QPointF c, qreal w, const QColor &color, qreal opacity)
{
    const qreal u = w / 10;
    QPainterPath path;
    path.addEllipse(QPointF(c.x() - 2.6 * u, c.y() + 0.4 * u), 2.2 * u, 1.8 * u);
    path.addEllipse(QPointF(c.x() - 0.6 * u, c.y() - 0.9 * u), 2.7 * u, 2.5 * u);
    path.addEllipse(QPointF(c.x() + 1.9 * u, c.y() - 0.3 * u), 2.3 * u, 2.0 * u);
    path.addEllipse(QPointF(c.x() + 3.5 * u, c.y() + 0.6 * u), 1.5 * u, 1.3 * u);
    path.addRoundedRect(QRectF(c.x() - 4.8 * u, c.y() + 0.1 * u, 9.8 * u, 1.8 * u), 0.9 * u, 0.9 * u);
    path.setFillRule(Qt::WindingFill);
    path = path.simplified();
    p.setPen(Qt::NoPen);
    // Underside shade, then the lit body.
    p.setBrush(alpha(mix(color, Pal::sky, 0.35), opacity * 0.55));
    p.drawPath(path.translated(0, 0.35 * u));
    p.setBrush(linear({0, c.y() - 3.4 * u}, {0, c.y() + 1.9 * u},
                      {{0, alpha(color, opacity)}, {1, alpha(mix(color, Pal::cream, 0.6), opacity)}}));
    p.drawPath(path);
}

void star(QPainter &p, QPointF c, qreal r, const QColor &color, qreal angle, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal a = qDegreesToRadians(angle - 90 + i * 36.0);
        const qreal rr = (i % 2) ? r * inner : r;
        const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    p.setBrush(linear({c.x(), c.y() - r}, {c.x(), c.y() + r},
                      {{0, lighter(color, 0.35)}, {1, color}}));
    QPen pen(shade(color, 0.12), std::max<qreal>(1, r * 0.12));
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
}

void sparkle(QPainter &p, QPointF c, qreal r, const QColor &color)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() - r);
    path.quadTo(c, QPointF(c.x() + r, c.y()));
    path.quadTo(c, QPointF(c.x(), c.y() + r));
    path.quadTo(c, QPointF(c.x() - r, c.y()));
    path.quadTo(c, QPointF(c.x(), c.y() - r));
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

void starField(QPainter &p, const QRectF &area, int count, quint32 seed, const QColor &color,
               qreal minR, qreal maxR)
{
    QRandomGenerator rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.bounded(area.width()), area.top() + rng.bounded(area.height()));
        const qreal r = minR + rng.bounded(maxR - minR);
        const qreal op = 0.55 + rng.bounded(0.45);
        if (i % 3 == 0) {
            glow(p, c, r * 2.2, alpha(color, 0.35 * op));
            sparkle(p, c, r * 1.4, alpha(color, op));
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(alpha(color, op));
            p.drawEllipse(c, r * 0.42, r * 0.42);
        }
    }
}

void tree(QPainter &p, QPointF base, qreal h, const QColor &foliage)
{
    const qreal w = h * 0.62;
    groundShadow(p, base, w * 1.1, w * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(Pal::bark);
    QPainterPath trunk;
    trunk.moveTo(base.x() - w * 0.09, base.y());
    trunk.lineTo(base.x() - w * 0.05, base.y() - h * 0.5);
    trunk.lineTo(base.x() + w * 0.05, base.y() - h * 0.5);
    trunk.lineTo(base.x() + w * 0.09, base.y());
    trunk.closeSubpath();
    p.drawPath(trunk);
    const QPointF crown(base.x(), base.y() - h * 0.62);
    QPainterPath blob;
    blob.addEllipse(crown, w * 0.5, h * 0.34);
    blob.addEllipse(crown + QPointF(-w * 0.28, h * 0.1), w * 0.3, h * 0.22);
    blob.addEllipse(crown + QPointF(w * 0.3, h * 0.08), w * 0.3, h * 0.22);
    blob.setFillRule(Qt::WindingFill);
    p.setBrush(shade(foliage, 0.25));
    p.drawPath(blob.simplified().translated(w * 0.03, h * 0.03));
    p.setBrush(linear(crown - QPointF(w * 0.4, h * 0.35), crown + QPointF(w * 0.3, h * 0.3),
                      {{0, lighter(foliage, 0.3)}, {1, foliage}}));
    p.drawPath(blob.simplified());
    // Leaves catching the light.
    p.setBrush(alpha(Pal::white, 0.22));
    p.drawEllipse(crown + QPointF(-w * 0.18, -h * 0.14), w * 0.14, h * 0.08);
}

void pine(QPainter &p, QPointF base, qreal h, const QColor &foliage)
{
    const qreal w = h * 0.5;
    groundShadow(p, base, w * 1.1, w * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(Pal::bark);
    p.drawRect(QRectF(base.x() - w * 0.07, base.y() - h * 0.2, w * 0.14, h * 0.2));
    for (int i = 0; i < 3; ++i) {
        const qreal top = base.y() - h + i * h * 0.22;
        const qreal bw = w * (0.55 + i * 0.22);
        const qreal bottom = base.y() - h * 0.15 - (2 - i) * h * 0.16;
        QPainterPath tier;
        tier.moveTo(base.x(), top);
        tier.quadTo(base.x() + bw * 0.2, top + (bottom - top) * 0.5, base.x() + bw * 0.5, bottom);
        tier.quadTo(base.x(), bottom + h * 0.05, base.x() - bw * 0.5, bottom);
        tier.quadTo(base.x() - bw * 0.2, top + (bottom - top) * 0.5, base.x(), top);
        p.setBrush(linear({base.x() - bw / 2, 0}, {base.x() + bw / 2, 0},
                          {{0, lighter(foliage, 0.15)}, {1, shade(foliage, 0.2)}}));
        p.drawPath(tier);
    }
}

void flower(QPainter &p, QPointF c, qreal r, const QColor &petals, const QColor &heart)
{
    p.setPen(QPen(shade(Pal::leaf, 0.1), r * 0.25, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, r * 2.4));
    p.setPen(Qt::NoPen);
    p.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(i * 72.0 - 90);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.62, r * 0.5, r * 0.5);
    }
    p.setBrush(heart);
    p.drawEllipse(c, r * 0.38, r * 0.38);
}

void flowerMeadow(QPainter &p, const QRectF &area, int count, quint32 seed, qreal r)
{
    QRandomGenerator rng(seed);
    const QColor colors[] = {Pal::coral, Pal::white, Pal::mango, lighter(Pal::purple, 0.3),
                             rgb(255, 150, 190)};
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.bounded(area.width()), area.top() + rng.bounded(area.height()));
        const qreal depth = (c.y() - area.top()) / std::max<qreal>(1, area.height());
        flower(p, c, r * (0.7 + 0.6 * depth), colors[rng.bounded(5)]);
    }
}

static void roofCone(QPainter &p, QPointF tip, qreal w, qreal h, const QColor &color)
{
    QPainterPath roof;
    roof.moveTo(tip);
    roof.quadTo(tip + QPointF(w * 0.18, h * 0.6), tip + QPointF(w * 0.56, h));
    roof.lineTo(tip + QPointF(-w * 0.56, h));
    roof.quadTo(tip + QPointF(-w * 0.18, h * 0.6), tip);
    p.setBrush(linear(tip - QPointF(w / 2, 0), tip + QPointF(w / 2, 0),
                      {{0, lighter(color, 0.2)}, {1, shade(color, 0.18)}}));
    p.drawPath(roof);
}

static void archWindow(QPainter &p, QRectF r, const QColor &light)
{
    QPainterPath w;
    w.moveTo(r.left(), r.bottom());
    w.lineTo(r.left(), r.top() + r.width() / 2);
    w.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    w.lineTo(r.right(), r.bottom());
    w.closeSubpath();
    glow(p, r.center(), r.width() * 1.6, alpha(light, 0.35));
    p.setBrush(light);
    p.drawPath(w);
}

void castle(QPainter &p, QPointF base, qreal h)
{
    const qreal u = h / 10;
    const QColor wall = rgb(247, 236, 226);
    const QColor wallShade = rgb(226, 208, 205);
    const QColor roof = Pal::purple;
    const QColor roof2 = Pal::coral;
    const QColor window = rgb(255, 214, 120);
    p.setPen(Qt::NoPen);
    groundShadow(p, base, 9 * u, 1.2 * u, 0.2);
    auto tower = [&](qreal cx, qreal w, qreal top, const QColor &roofColor) {
        QRectF body(cx - w / 2, top, w, base.y() - top);
        p.setBrush(linear(body.topLeft(), body.topRight(), {{0, wall}, {1, wallShade}}));
        p.drawRect(body);
        roofCone(p, QPointF(cx, top - w * 1.25), w * 1.15, w * 1.25, roofColor);
        // A little flag.
        p.setPen(QPen(Pal::ink, u * 0.08));
        p.drawLine(QPointF(cx, top - w * 1.25), QPointF(cx, top - w * 1.25 - u * 0.9));
        p.setPen(Qt::NoPen);
        p.setBrush(Pal::mango);
        QPainterPath flag;
        flag.moveTo(cx, top - w * 1.25 - u * 0.9);
        flag.quadTo(cx + u * 0.4, top - w * 1.25 - u * 0.95, cx + u * 0.7, top - w * 1.25 - u * 0.7);
        flag.quadTo(cx + u * 0.35, top - w * 1.25 - u * 0.6, cx, top - w * 1.25 - u * 0.55);
        p.drawPath(flag);
        archWindow(p, QRectF(cx - w * 0.16, top + w * 0.35, w * 0.32, w * 0.5), window);
    };
    // Keep and curtain wall.
    QRectF keep(base.x() - 2.4 * u, base.y() - 5.2 * u, 4.8 * u, 5.2 * u);
    p.setBrush(linear(keep.topLeft(), keep.topRight(), {{0, wall}, {1, wallShade}}));
    p.drawRect(keep);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(keep.left() + i * keep.width() / 4.5, keep.top() - 0.5 * u, 0.55 * u, 0.55 * u));
    tower(base.x() - 3.1 * u, 1.6 * u, base.y() - 6.2 * u, roof2);
    tower(base.x() + 3.1 * u, 1.6 * u, base.y() - 6.2 * u, roof2);
    tower(base.x(), 2.0 * u, base.y() - 7.4 * u, roof);
    // Gate.
    p.setBrush(rgb(160, 110, 90));
    QPainterPath gate;
    QRectF g(base.x() - 0.8 * u, base.y() - 2.2 * u, 1.6 * u, 2.2 * u);
    gate.moveTo(g.bottomLeft());
    gate.lineTo(g.left(), g.top() + 0.8 * u);
    gate.arcTo(QRectF(g.left(), g.top(), g.width(), 1.6 * u), 180, -180);
    gate.lineTo(g.bottomRight());
    gate.closeSubpath();
    p.drawPath(gate);
    archWindow(p, QRectF(base.x() - 1.7 * u, base.y() - 4.2 * u, 0.6 * u, 0.9 * u), window);
    archWindow(p, QRectF(base.x() + 1.1 * u, base.y() - 4.2 * u, 0.6 * u, 0.9 * u), window);
}

void cottage(QPainter &p, QPointF base, qreal h, const QColor &roof)
{
    const qreal u = h / 10;
    p.setPen(Qt::NoPen);
    groundShadow(p, base, 12 * u, 1.6 * u, 0.2);
    // Chimney.
    p.setBrush(rgb(190, 120, 100));
    p.drawRect(QRectF(base.x() + 1.8 * u, base.y() - 9.2 * u, 1.1 * u, 2.6 * u));
    QRectF body(base.x() - 4 * u, base.y() - 5.4 * u, 8 * u, 5.4 * u);
    p.setBrush(linear(body.topLeft(), body.topRight(), {{0, rgb(255, 241, 214)}, {1, rgb(240, 214, 184)}}));
    p.drawRoundedRect(body, u * 0.3, u * 0.3);
    QPainterPath r;
    r.moveTo(base.x() - 5 * u, base.y() - 5 * u);
    r.quadTo(base.x() - 2 * u, base.y() - 8.6 * u, base.x(), base.y() - 10 * u);
    r.quadTo(base.x() + 2 * u, base.y() - 8.6 * u, base.x() + 5 * u, base.y() - 5 * u);
    r.quadTo(base.x(), base.y() - 5.6 * u, base.x() - 5 * u, base.y() - 5 * u);
    p.setBrush(linear({base.x() - 5 * u, 0}, {base.x() + 5 * u, 0},
                      {{0, lighter(roof, 0.15)}, {1, shade(roof, 0.15)}}));
    p.drawPath(r);
    // Round window in the gable, door and two windows.
    glow(p, QPointF(base.x(), base.y() - 7 * u), 1.8 * u, alpha(Pal::mango, 0.5));
    p.setBrush(rgb(255, 224, 140));
    p.drawEllipse(QPointF(base.x(), base.y() - 7 * u), 0.7 * u, 0.7 * u);
    p.setBrush(rgb(150, 100, 80));
    p.drawRoundedRect(QRectF(base.x() - 0.9 * u, base.y() - 3.3 * u, 1.8 * u, 3.3 * u), 0.9 * u, 0.9 * u);
    p.setBrush(Pal::mango);
    p.drawEllipse(QPointF(base.x() + 0.5 * u, base.y() - 1.6 * u), 0.14 * u, 0.14 * u);
    for (qreal dx : {-2.8, 1.6}) {
        QRectF w(base.x() + dx * u, base.y() - 3.6 * u, 1.2 * u, 1.3 * u);
        glow(p, w.center(), 1.6 * u, alpha(Pal::mango, 0.35));
        p.setBrush(rgb(255, 224, 140));
        p.drawRoundedRect(w, 0.2 * u, 0.2 * u);
        p.setBrush(alpha(rgb(190, 120, 100), 0.9));
        p.drawRect(QRectF(w.center().x() - 0.05 * u, w.top(), 0.1 * u, w.height()));
        p.drawRect(QRectF(w.left(), w.center().y() - 0.05 * u, w.width(), 0.1 * u));
    }
    // A hedge of flowers along the wall.
    for (int i = 0; i < 6; ++i)
        flower(p, QPointF(base.x() - 3.6 * u + i * 1.45 * u - (i > 2 ? -0.2 * u : 0), base.y() - 0.5 * u), 0.32 * u,
               i % 2 ? Pal::coral : Pal::white);
}

void moon(QPainter &p, QPointF c, qreal r)
{
    glow(p, c, r * 3, alpha(rgb(255, 244, 200), 0.5));
    QPainterPath m;
    m.addEllipse(c, r, r);
    QPainterPath bite;
    bite.addEllipse(c + QPointF(r * 0.5, -r * 0.3), r * 0.85, r * 0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(255, 240, 180));
    p.drawPath(m.subtracted(bite));
}

void sun(QPainter &p, QPointF c, qreal r)
{
    glow(p, c, r * 3.2, alpha(rgb(255, 236, 170), 0.75));
    p.setPen(Qt::NoPen);
    p.setBrush(QRadialGradient(c, r));
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, rgb(255, 246, 200));
    g.setColorAt(1, Pal::mango);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void rainbow(QPainter &p, QPointF c, qreal r, qreal band, qreal opacity)
{
    const QColor bands[] = {Pal::coral, Pal::mango, rgb(255, 226, 110), Pal::mint, Pal::sky, Pal::purple};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal rr = r - i * band;
        QPen pen(alpha(bands[i], opacity), band + 0.5, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
}

void card(QPainter &p, const QRectF &r, qreal radius, const QColor &fill, qreal shadow)
{
    p.setPen(Qt::NoPen);
    for (int i = 4; i >= 1; --i) {
        p.setBrush(alpha(Pal::ink, shadow / 4));
        p.drawRoundedRect(r.translated(0, i * 2.2).adjusted(-i, -i * 0.3, i, i), radius + i, radius + i);
    }
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void label(QPainter &p, const QRectF &r, const QString &text, const QColor &color,
           qreal pixelSize, bool cjk, int weight)
{
    QFont f(cjk ? QStringLiteral("Noto Sans CJK SC") : QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(pixelSize));
    f.setWeight(QFont::Weight(weight));
    p.setFont(f);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
    p.setPen(Qt::NoPen);
}

// Each emoji is drawn once at the font's native bitmap size, cropped to its ink, and
// kept; drawing it then only scales that picture.
static const QImage &emojiImage(const QString &text)
{
    static QHash<QString, QImage> cache;
    auto it = cache.find(text);
    if (it != cache.end())
        return *it;
    QImage img(300, 260, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter ep(&img);
        QFont f(QStringLiteral("Noto Color Emoji"));
        f.setPixelSize(136);
        ep.setFont(f);
        ep.drawText(img.rect(), Qt::AlignCenter, text);
    }
    int l = img.width(), t = img.height(), r = -1, b = -1;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(line[x]) > 8) {
                l = std::min(l, x);
                r = std::max(r, x);
                t = std::min(t, y);
                b = std::max(b, y);
            }
        }
    }
    if (r < 0)
        qWarning("emoji %s drew nothing", qPrintable(text));
    return *cache.insert(text, r < 0 ? img : img.copy(QRect(QPoint(l, t), QPoint(r, b))));
}

void emoji(QPainter &p, const QString &text, QPointF c, qreal size, qreal angle, qreal opacity)
{
    const QImage &img = emojiImage(text);
    const qreal s = size / std::max(img.width(), img.height());
    const QSizeF drawn(img.width() * s, img.height() * s);
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setOpacity(p.opacity() * opacity);
    p.translate(c);
    p.rotate(angle);
    p.drawImage(QRectF(QPointF(-drawn.width() / 2, -drawn.height() / 2), drawn), img);
    p.restore();
}

void bubble(QPainter &p, const QRectF &r, QPointF tail, const QColor &fill)
{
    QPainterPath path;
    path.addRoundedRect(r, r.height() * 0.45, r.height() * 0.45);
    QPainterPath t;
    const QPointF c = r.center();
    const QPointF d = tail - c;
    const QPointF n(-d.y(), d.x());
    const qreal len = std::hypot(n.x(), n.y());
    const QPointF side = len > 0 ? n / len * r.height() * 0.16 : QPointF();
    t.moveTo(c + side);
    t.lineTo(tail);
    t.lineTo(c - side);
    t.closeSubpath();
    path = path.united(t);
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(Pal::ink, 0.12));
    p.drawPath(path.translated(0, 5));
    p.setBrush(fill);
    p.drawPath(path);
}

void vignette(QPainter &p, const QSizeF &size, const QColor &color, qreal opacity)
{
    const QPointF c(size.width() / 2, size.height() / 2);
    const qreal r = std::hypot(size.width(), size.height()) * 0.58;
    QRadialGradient g(c, r);
    g.setColorAt(0, alpha(color, 0));
    g.setColorAt(0.7, alpha(color, 0));
    g.setColorAt(1, alpha(color, opacity));
    p.fillRect(QRectF(QPointF(), size), g);
}

} // namespace Art
