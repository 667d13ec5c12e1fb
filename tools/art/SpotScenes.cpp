// The ten backdrops of the spot-the-difference scenes ("spot_pair_001" to "spot_pair_010"),
// 1652 × 700: the same scene twice, side by side. The game shows a scene's left half,
// 826 × 700 (1.18 : 1), under twenty small pieces laid in four rows of five, so each
// backdrop is a calm landscape: sky, a horizon at about a third, ground below, with the
// bigger things at the edges and soft colours the pieces stand out on.

#include "ArtKit.h"
#include "Pictures.h"

#include <QtMath>

namespace Art {
namespace {

constexpr qreal W = 826;
constexpr qreal H = 700;

void sky(QPainter &p, const QColor &top, const QColor &horizon, const QColor &ground)
{
    fillVertical(p, QRectF(0, 0, W, H), {{0, top}, {0.42, horizon}, {1, ground}});
}

void pebbles(QPainter &p, const QRectF &area, int count, quint32 seed, const QColor &color)
{
    QRandomGenerator random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + random.bounded(area.width()), area.top() + random.bounded(area.height()));
        const qreal r = 3 + random.bounded(5.0);
        p.setBrush(alpha(color, 0.35 + random.bounded(0.3)));
        p.drawEllipse(c, r * 1.4, r);
    }
}

void forestGarden(QPainter &p)
{
    sky(p, lighter(Pal::sky, 0.2), lighter(Pal::mint, 0.7), mix(Pal::leaf, Pal::cream, 0.35));
    sun(p, QPointF(700, 70), 36);
    cloud(p, QPointF(160, 70), 190, Pal::white, 0.85);
    hill(p, W, 230, 26, 0.6, H, lighter(Pal::mint, 0.45), 1.3);
    for (qreal x : {30.0, 95.0, 730.0, 800.0})
        pine(p, QPointF(x, 262 + int(x) % 3 * 6), 150, shade(Pal::leaf, 0.12));
    hill(p, W, 300, 18, 2.1, H, mix(Pal::leaf, Pal::cream, 0.3), 1.1);
    tree(p, QPointF(40, 420), 200, Pal::leaf);
    tree(p, QPointF(790, 430), 210, mix(Pal::leaf, Pal::mint, 0.4));
    // A winding garden path.
    QPainterPath path;
    path.moveTo(330, H);
    path.cubicTo(360, 560, 470, 460, 430, 320);
    path.lineTo(470, 320);
    path.cubicTo(520, 470, 430, 560, 520, H);
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(rgb(250, 228, 180), 0.85));
    p.drawPath(path);
    p.setOpacity(0.7);
    flowerMeadow(p, QRectF(0, 600, W, 90), 26, 21, 8);
    p.setOpacity(1);
}

void coralBay(QPainter &p)
{
    fillVertical(p, QRectF(0, 0, W, H),
                 {{0, lighter(Pal::sky, 0.5)}, {0.3, lighter(Pal::sky, 0.15)}, {0.65, mix(Pal::sky, Pal::mint, 0.35)},
                  {1, mix(Pal::sky, Pal::purple, 0.3)}});
    for (int i = 0; i < 5; ++i)
        glow(p, QPointF(80 + i * 170, -30), 130, alpha(Pal::white, 0.25));
    // Light ripples near the surface.
    p.setPen(QPen(alpha(Pal::white, 0.35), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal x = 30 + (i * 271) % 780;
        const qreal y = 40 + (i * 97) % 120;
        p.drawLine(QPointF(x, y), QPointF(x + 40, y));
    }
    // Bubbles.
    for (int i = 0; i < 18; ++i) {
        const QPointF c(20 + (i * 389) % 790, 160 + (i * 211) % 380);
        const qreal r = 4 + (i * 7) % 9;
        p.setBrush(alpha(Pal::white, 0.12));
        p.setPen(QPen(alpha(Pal::white, 0.5), 2));
        p.drawEllipse(c, r, r);
    }
    p.setPen(Qt::NoPen);
    hill(p, W, 600, 16, 1.1, H, rgb(244, 222, 170), 1.2);
    // Corals and sea grass at the sides.
    const auto coral = [&](QPointF base, qreal h, const QColor &color) {
        p.setPen(QPen(color, h * 0.09, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(base, base + QPointF(0, -h));
        p.drawLine(base + QPointF(0, -h * 0.45), base + QPointF(-h * 0.3, -h * 0.8));
        p.drawLine(base + QPointF(0, -h * 0.6), base + QPointF(h * 0.32, -h * 0.95));
        p.drawLine(base + QPointF(-h * 0.15, -h * 0.65), base + QPointF(-h * 0.2, -h * 1.0));
        p.setPen(Qt::NoPen);
    };
    coral(QPointF(40, 640), 170, alpha(Pal::coral, 0.85));
    coral(QPointF(110, 660), 110, alpha(Pal::mango, 0.85));
    coral(QPointF(780, 645), 180, alpha(Pal::purple, 0.8));
    coral(QPointF(715, 665), 100, alpha(Pal::coral, 0.8));
    for (qreal x : {170.0, 650.0}) {
        p.setBrush(alpha(Pal::mint, 0.75));
        QPainterPath weed;
        weed.moveTo(x - 8, 650);
        weed.cubicTo(x - 34, 580, x + 26, 540, x, 460);
        weed.cubicTo(x + 34, 540, x - 8, 580, x + 10, 650);
        p.drawPath(weed);
    }
    pebbles(p, QRectF(0, 640, W, 50), 30, 4, rgb(210, 180, 140));
}

void tent(QPainter &p, QPointF base, qreal w, const QColor &color)
{
    p.setPen(Qt::NoPen);
    groundShadow(p, base, w * 1.1, w * 0.12, 0.25);
    QPolygonF body{{base.x() - w / 2, base.y()}, {base.x(), base.y() - w * 0.75}, {base.x() + w / 2, base.y()}};
    p.setBrush(linear({base.x() - w / 2, 0}, {base.x() + w / 2, 0}, {{0, lighter(color, 0.15)}, {1, shade(color, 0.2)}}));
    p.drawPolygon(body);
    QPolygonF door{{base.x() - w * 0.14, base.y()}, {base.x(), base.y() - w * 0.42}, {base.x() + w * 0.14, base.y()}};
    p.setBrush(rgb(255, 220, 150));
    p.drawPolygon(door);
}

void moonCamp(QPainter &p)
{
    sky(p, shade(Pal::purple, 0.5), mix(Pal::purple, Pal::sky, 0.35), shade(mix(Pal::mint, Pal::purple, 0.4), 0.25));
    starField(p, QRectF(0, 0, W, 230), 45, 31, rgb(255, 244, 200), 2, 7);
    moon(p, QPointF(690, 80), 40);
    hill(p, W, 260, 30, 0.9, H, shade(mix(Pal::purple, Pal::mint, 0.5), 0.35), 1.2);
    for (qreal x : {25.0, 85.0, 745.0, 805.0})
        pine(p, QPointF(x, 300), 140, shade(Pal::leaf, 0.5));
    hill(p, W, 330, 18, 2.5, H, shade(mix(Pal::leaf, Pal::purple, 0.3), 0.3), 1.0);
    tent(p, QPointF(110, 470), 150, Pal::coral);
    tent(p, QPointF(720, 480), 130, Pal::mango);
    // The campfire's warm light in the middle of the ground.
    glow(p, QPointF(413, 560), 260, alpha(rgb(255, 200, 120), 0.35));
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(380, 590, 66, 12), 6, 6);
    for (int i = 0; i < 20; ++i)
        sparkle(p, QPointF(40 + (i * 331) % 750, 360 + (i * 173) % 300), 3 + i % 3, alpha(rgb(255, 240, 160), 0.8));
}

void fence(QPainter &p, qreal y, qreal from, qreal to)
{
    p.setPen(Qt::NoPen);
    p.setBrush(rgb(236, 214, 186));
    p.drawRect(QRectF(from, y - 34, to - from, 7));
    p.drawRect(QRectF(from, y - 18, to - from, 7));
    for (qreal x = from; x <= to; x += 34)
        p.drawRoundedRect(QRectF(x - 5, y - 48, 10, 50), 4, 4);
}

void sunnyFarm(QPainter &p)
{
    sky(p, lighter(Pal::sky, 0.1), rgb(255, 236, 200), mix(rgb(214, 196, 110), Pal::cream, 0.35));
    sun(p, QPointF(120, 80), 46);
    cloud(p, QPointF(560, 70), 200, Pal::white, 0.9);
    hill(p, W, 250, 22, 1.4, H, mix(Pal::mint, Pal::mango, 0.3), 1.1);
    cottage(p, QPointF(720, 300), 150, Pal::coral);
    hill(p, W, 300, 12, 3.0, H, mix(Pal::leaf, Pal::mango, 0.35), 0.9);
    // Furrowed fields.
    p.setPen(QPen(alpha(rgb(190, 150, 80), 0.35), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 9; ++i) {
        const qreal y = 360 + i * 38;
        p.drawLine(QPointF(0, y), QPointF(W, y + 12));
    }
    p.setPen(Qt::NoPen);
    fence(p, 350, 0, 260);
    tree(p, QPointF(40, 420), 190, mix(Pal::leaf, Pal::mango, 0.15));
    // Hay bales.
    for (const QPointF c : {QPointF(780, 640), QPointF(725, 660)}) {
        groundShadow(p, c + QPointF(0, 26), 70, 12, 0.2);
        p.setBrush(rgb(240, 200, 110));
        p.drawEllipse(c, 34, 28);
        p.setPen(QPen(alpha(rgb(200, 150, 60), 0.8), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 18, 15);
        p.setPen(Qt::NoPen);
    }
}

void starryGarden(QPainter &p)
{
    sky(p, rgb(52, 54, 130), mix(Pal::purple, Pal::sky, 0.3), shade(mix(Pal::mint, Pal::purple, 0.35), 0.2));
    starField(p, QRectF(0, 0, W, 320), 80, 55, Pal::white, 2, 8);
    moon(p, QPointF(110, 90), 34);
    // A soft band of the milky way.
    p.save();
    p.translate(W / 2, 150);
    p.rotate(-14);
    p.setBrush(linear({0, -60}, {0, 60}, {{0, alpha(Pal::white, 0)}, {0.5, alpha(Pal::white, 0.16)}, {1, alpha(Pal::white, 0)}}));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(-600, -60, 1200, 120));
    p.restore();
    hill(p, W, 320, 16, 1.9, H, shade(mix(Pal::leaf, Pal::purple, 0.35), 0.3), 1.0);
    // Round bushes at the sides and glowing flowers in the grass.
    for (const QPointF c : {QPointF(20, 520), QPointF(80, 600), QPointF(10, 650), QPointF(806, 530), QPointF(750, 610),
                            QPointF(816, 660)}) {
        p.setBrush(shade(Pal::leaf, 0.42));
        p.drawEllipse(c, 70, 60);
        p.setBrush(alpha(lighter(Pal::leaf, 0.2), 0.25));
        p.drawEllipse(c + QPointF(-18, -20), 34, 26);
    }
    QRandomGenerator random(55);
    for (int i = 0; i < 34; ++i) {
        const QPointF c(20 + random.bounded(786.0), 350 + random.bounded(340.0));
        glow(p, c, 22, alpha(rgb(255, 236, 170), 0.4));
        flower(p, c, 7, i % 2 ? lighter(Pal::purple, 0.4) : lighter(Pal::coral, 0.35));
    }
}

void rainbowCastle(QPainter &p)
{
    sky(p, lighter(Pal::sky, 0.05), rgb(255, 228, 226), mix(Pal::mint, Pal::cream, 0.45));
    rainbow(p, QPointF(413, 330), 300, 22, 0.4);
    cloud(p, QPointF(130, 300), 200, Pal::white, 0.95);
    cloud(p, QPointF(700, 300), 210, Pal::white, 0.95);
    hill(p, W, 300, 20, 0.4, H, lighter(Pal::mint, 0.35), 1.2);
    castle(p, QPointF(413, 300), 150);
    hill(p, W, 360, 16, 2.7, H, mix(Pal::leaf, Pal::cream, 0.3), 1.0);
    for (qreal x : {30.0, 800.0})
        tree(p, QPointF(x, 470), 190, mix(Pal::leaf, Pal::mint, 0.3));
    p.setOpacity(0.6);
    flowerMeadow(p, QRectF(0, 610, W, 80), 24, 61, 8);
    p.setOpacity(1);
}

void snowTown(QPainter &p)
{
    sky(p, mix(Pal::purple, Pal::sky, 0.55), lighter(Pal::sky, 0.55), Pal::white);
    cloud(p, QPointF(620, 60), 220, Pal::white, 0.75);
    hill(p, W, 250, 30, 0.7, H, lighter(Pal::sky, 0.75), 1.2);
    cottage(p, QPointF(90, 300), 130, Pal::coral);
    cottage(p, QPointF(740, 310), 120, Pal::sky);
    // Snow on the roofs.
    p.setBrush(Pal::white);
    p.drawEllipse(QPointF(90, 192), 40, 9);
    p.drawEllipse(QPointF(740, 212), 36, 8);
    hill(p, W, 320, 14, 2.3, H, Pal::white, 1.0);
    for (qreal x : {25.0, 200.0, 630.0, 805.0})
        pine(p, QPointF(x, 330 + int(x) % 4 * 6), 110, shade(Pal::leaf, 0.3));
    // Falling snow.
    p.setBrush(alpha(Pal::white, 0.85));
    for (int i = 0; i < 70; ++i) {
        const QPointF c(5 + (i * 347) % 816, 5 + (i * 191) % 690);
        const qreal r = 2 + i % 3;
        p.drawEllipse(c, r, r);
    }
}

void magicKitchen(QPainter &p)
{
    // A warm room: striped wall, a window, a shelf, tiles on the floor.
    fillVertical(p, QRectF(0, 0, W, H), {{0, rgb(255, 238, 214)}, {0.55, rgb(255, 226, 196)}, {1, rgb(240, 204, 170)}});
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        p.setBrush(alpha(Pal::mango, 0.1));
        p.drawRect(QRectF(i * 60, 0, 28, 440));
    }
    // Window with a night sky and stars.
    QRectF window(300, 40, 226, 150);
    p.setBrush(rgb(200, 150, 110));
    p.drawRoundedRect(window.adjusted(-10, -10, 10, 10), 14, 14);
    p.setBrush(linear(window.topLeft(), window.bottomLeft(), {{0, mix(Pal::purple, Pal::sky, 0.3)}, {1, lighter(Pal::sky, 0.3)}}));
    p.drawRoundedRect(window, 8, 8);
    starField(p, window.adjusted(10, 10, -10, -60), 10, 81, Pal::white, 2, 5);
    p.setBrush(rgb(200, 150, 110));
    p.drawRect(QRectF(window.center().x() - 4, window.top(), 8, window.height()));
    // Shelves at the sides with jars.
    for (const QRectF shelf : {QRectF(0, 150, 170, 12), QRectF(656, 150, 170, 12)}) {
        p.setBrush(Pal::bark);
        p.drawRoundedRect(shelf, 4, 4);
        for (int j = 0; j < 3; ++j) {
            const QColor c = j == 0 ? Pal::mint : j == 1 ? Pal::coral : Pal::sky;
            p.setBrush(alpha(c, 0.75));
            p.drawRoundedRect(QRectF(shelf.left() + 20 + j * 50, shelf.top() - 46, 34, 46), 8, 8);
        }
    }
    // Counter and floor tiles.
    p.setBrush(rgb(214, 160, 120));
    p.drawRect(QRectF(0, 440, W, 24));
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 14; ++col) {
            if ((row + col) % 2)
                continue;
            p.setBrush(alpha(rgb(255, 250, 240), 0.45));
            p.drawRect(QRectF(col * 60, 464 + row * 40, 60, 40));
        }
    }
    // Magic sparkles in the air.
    for (int i = 0; i < 16; ++i)
        sparkle(p, QPointF(40 + (i * 433) % 750, 220 + (i * 97) % 200), 4 + i % 4, alpha(Pal::purple, 0.45));
}

void jungleWaterfall(QPainter &p)
{
    sky(p, lighter(Pal::sky, 0.2), lighter(Pal::mint, 0.55), mix(Pal::leaf, Pal::sky, 0.3));
    cloud(p, QPointF(650, 60), 190, Pal::white, 0.85);
    // Cliffs on both sides of the fall.
    p.setPen(Qt::NoPen);
    p.setBrush(linear({0, 100}, {0, 460}, {{0, rgb(150, 140, 130)}, {1, rgb(110, 104, 100)}}));
    p.drawRoundedRect(QRectF(250, 110, 150, 360), 40, 40);
    p.drawRoundedRect(QRectF(426, 100, 150, 370), 40, 40);
    // The water falls between them into a pool.
    p.setBrush(linear({0, 90}, {0, 470}, {{0, lighter(Pal::sky, 0.55)}, {1, lighter(Pal::sky, 0.2)}}));
    p.drawRect(QRectF(350, 90, 126, 390));
    p.setPen(QPen(alpha(Pal::white, 0.55), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(362 + i * 20, 110 + i % 2 * 40), QPointF(362 + i * 20, 440));
    p.setPen(Qt::NoPen);
    p.setBrush(linear({0, 440}, {0, 620}, {{0, lighter(Pal::sky, 0.3)}, {1, Pal::sky}}));
    p.drawEllipse(QPointF(413, 520), 330, 90);
    p.setBrush(alpha(Pal::white, 0.6));
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(370 + i * 22, 470 + i % 2 * 6), 22, 9);
    // Jungle leaves at the edges.
    const auto frond = [&](QPointF base, qreal len, qreal angle, const QColor &color) {
        p.save();
        p.translate(base);
        p.rotate(angle);
        p.setBrush(color);
        QPainterPath leaf;
        leaf.moveTo(0, 0);
        leaf.cubicTo(len * 0.3, -len * 0.22, len * 0.8, -len * 0.18, len, 0);
        leaf.cubicTo(len * 0.8, len * 0.18, len * 0.3, len * 0.22, 0, 0);
        p.drawPath(leaf);
        p.restore();
    };
    for (int i = 0; i < 6; ++i) {
        frond(QPointF(-10, 90 + i * 95), 110 + i % 3 * 20, -25 + i * 10, mix(Pal::leaf, Pal::mint, i % 2 * 0.5));
        frond(QPointF(W + 10, 100 + i * 95), 110 + (i + 1) % 3 * 20, 205 - i * 10, mix(Pal::leaf, Pal::mint, (i + 1) % 2 * 0.5));
    }
    hill(p, W, 640, 10, 1.4, H, mix(Pal::leaf, Pal::mango, 0.1), 1.3);
}

void stall(QPainter &p, QPointF base, qreal w, const QColor &stripe)
{
    p.setPen(Qt::NoPen);
    groundShadow(p, base, w * 1.1, w * 0.1, 0.2);
    p.setBrush(rgb(214, 170, 120));
    p.drawRect(QRectF(base.x() - w / 2, base.y() - w * 0.45, w, w * 0.45));
    p.drawRect(QRectF(base.x() - w / 2 + 4, base.y() - w * 0.95, 8, w * 0.5));
    p.drawRect(QRectF(base.x() + w / 2 - 12, base.y() - w * 0.95, 8, w * 0.5));
    // Striped awning with a scalloped edge.
    const int stripes = 6;
    const qreal sw = w * 1.1 / stripes;
    for (int i = 0; i < stripes; ++i) {
        p.setBrush(i % 2 ? Pal::white : stripe);
        const QRectF s(base.x() - w * 0.55 + i * sw, base.y() - w * 1.1, sw, w * 0.2);
        p.drawRect(s);
        p.drawEllipse(QPointF(s.center().x(), s.bottom()), sw / 2, sw / 3);
    }
    // Pumpkins and apples on the counter.
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i % 2 ? Pal::mango : Pal::coral);
        p.drawEllipse(QPointF(base.x() - w * 0.33 + i * w * 0.22, base.y() - w * 0.5), w * 0.08, w * 0.065);
    }
}

void autumnMarket(QPainter &p)
{
    sky(p, rgb(255, 214, 170), rgb(255, 236, 210), mix(rgb(220, 170, 110), Pal::cream, 0.45));
    sun(p, QPointF(560, 150), 40);
    cloud(p, QPointF(250, 150), 170, Pal::white, 0.8);
    hill(p, W, 250, 20, 1.2, H, mix(Pal::mango, Pal::coral, 0.25), 1.1);
    for (qreal x : {40.0, 790.0})
        tree(p, QPointF(x, 330), 200, x < 400 ? rgb(236, 140, 70) : rgb(230, 180, 70));
    stall(p, QPointF(170, 320), 130, Pal::coral);
    stall(p, QPointF(660, 320), 130, Pal::mango);
    hill(p, W, 330, 10, 2.6, H, mix(rgb(220, 180, 120), Pal::cream, 0.2), 1.0);
    // Bunting across the top.
    p.setPen(QPen(alpha(Pal::bark, 0.6), 2));
    p.setBrush(Qt::NoBrush);
    QPainterPath rope;
    rope.moveTo(0, 40);
    rope.quadTo(W / 2, 110, W, 40);
    p.drawPath(rope);
    p.setPen(Qt::NoPen);
    for (int i = 1; i < 12; ++i) {
        const qreal t = i / 12.0;
        const QPointF a = rope.pointAtPercent(t);
        p.setBrush(i % 3 == 0 ? Pal::mint : i % 3 == 1 ? Pal::coral : Pal::mango);
        p.drawPolygon(QPolygonF{a + QPointF(-12, 0), a + QPointF(12, 0), a + QPointF(0, 24)});
    }
    // Fallen leaves.
    QRandomGenerator random(91);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(random.bounded(W), 380 + random.bounded(310.0));
        p.save();
        p.translate(c);
        p.rotate(random.bounded(360.0));
        p.setBrush(alpha(i % 2 ? rgb(236, 140, 70) : rgb(230, 180, 70), 0.6));
        p.drawEllipse(QPointF(0, 0), 9, 4);
        p.restore();
    }
}

// The scene twice: the left copy is the one the game shows, the right its twin.
std::function<void(QPainter &)> pair(void (*scene)(QPainter &))
{
    return [scene](QPainter &p) {
        for (int copy = 0; copy < 2; ++copy) {
            p.save();
            p.translate(copy * W, 0);
            p.setClipRect(QRectF(0, 0, W, H));
            scene(p);
            p.restore();
        }
    };
}

} // namespace

QList<Picture> spotScenes()
{
    const QSize size{int(2 * W), int(H)};
    const QList<void (*)(QPainter &)> scenes{forestGarden,  coralBay,     moonCamp,        sunnyFarm,
                                             starryGarden,  rainbowCastle, snowTown,       magicKitchen,
                                             jungleWaterfall, autumnMarket};
    QList<Picture> pictures;
    for (qsizetype i = 0; i < scenes.size(); ++i)
        pictures.append({QStringLiteral("spot_pair_%1").arg(i + 1, 3, 10, QLatin1Char('0')), size, pair(scenes[i])});
    return pictures;
}

} // namespace Art
