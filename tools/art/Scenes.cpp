// The full-page storybook scenes, 1600 × 1200. Windows of any shape show them scaled
// to fill, so each keeps its subject in the middle third and lets the edges be sky
// and meadow.

#include "ArtKit.h"
#include "Pictures.h"

namespace Art {
namespace {

constexpr qreal W = 1600;
constexpr qreal H = 1200;

void balloon(QPainter &p, QPointF c, qreal r, const QColor &color)
{
    p.setPen(QPen(alpha(Pal::ink, 0.5), 2));
    p.drawLine(c + QPointF(-r * 0.35, r * 0.95), c + QPointF(-r * 0.25, r * 1.5));
    p.drawLine(c + QPointF(r * 0.35, r * 0.95), c + QPointF(r * 0.25, r * 1.5));
    p.setPen(Qt::NoPen);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.5);
    g.setColorAt(0, lighter(color, 0.5));
    g.setColorAt(1, color);
    p.setBrush(g);
    QPainterPath b;
    b.moveTo(c.x(), c.y() + r * 1.05);
    b.cubicTo(c.x() - r * 1.4, c.y() + r * 0.2, c.x() - r, c.y() - r * 1.1, c.x(), c.y() - r * 1.05);
    b.cubicTo(c.x() + r, c.y() - r * 1.1, c.x() + r * 1.4, c.y() + r * 0.2, c.x(), c.y() + r * 1.05);
    p.drawPath(b);
    p.setBrush(alpha(Pal::white, 0.3));
    p.drawRect(QRectF(c.x() - r * 0.12, c.y() - r * 1.0, r * 0.24, r * 1.95));
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(c.x() - r * 0.3, c.y() + r * 1.45, r * 0.6, r * 0.4), r * 0.08, r * 0.08);
}

// A winding path from the bottom of the page up to a point.
void path(QPainter &p, QPointF from, QPointF to, qreal w0, qreal w1, const QColor &color)
{
    const qreal midY = (from.y() + to.y()) / 2;
    QPainterPath s;
    s.moveTo(from.x() - w0 / 2, from.y());
    s.cubicTo(from.x() - w0 / 2 + 120, midY, to.x() - w1 / 2 - 90, midY, to.x() - w1 / 2, to.y());
    s.lineTo(to.x() + w1 / 2, to.y());
    s.cubicTo(to.x() + w1 / 2 - 60, midY, from.x() + w0 / 2 + 40, midY, from.x() + w0 / 2, from.y());
    s.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(linear(to, from, {{0, lighter(color, 0.2)}, {1, color}}));
    p.drawPath(s);
}

void firefly(QPainter &p, QPointF c, qreal r)
{
    glow(p, c, r * 4, alpha(rgb(255, 240, 150), 0.55));
    p.setBrush(rgb(255, 250, 210));
    p.drawEllipse(c, r * 0.6, r * 0.6);
}

void welcomeCover(QPainter &p)
{
    // A dawn sky: lavender overhead, sky blue, then warm light at the horizon.
    fillVertical(p, QRectF(0, 0, W, H),
                 {{0, mix(Pal::purple, Pal::sky, 0.35)}, {0.3, lighter(Pal::sky, 0.25)},
                  {0.55, rgb(255, 228, 200)}, {0.75, Pal::cream}, {1, Pal::cream}});
    starField(p, QRectF(0, 0, W, 330), 60, 1, Pal::white, 3, 10);
    glow(p, QPointF(800, 470), 620, alpha(rgb(255, 236, 190), 0.9));
    rainbow(p, QPointF(800, 650), 520, 26, 0.28);
    moon(p, QPointF(1240, 170), 54);
    cloud(p, QPointF(300, 260), 360, Pal::white, 0.9);
    cloud(p, QPointF(1330, 360), 300, Pal::white, 0.85);
    cloud(p, QPointF(520, 420), 200, Pal::white, 0.7);
    balloon(p, QPointF(1120, 300), 46, Pal::coral);
    balloon(p, QPointF(440, 180), 32, Pal::mango);
    // Far hills, the castle hill, and the near meadow.
    hill(p, W, 640, 40, 0.5, H, lighter(Pal::mint, 0.45), 1.4);
    hill(p, W, 700, 34, 2.2, H, lighter(Pal::mint, 0.25), 1.1);
    for (qreal x : {150.0, 260.0, 1340.0, 1460.0})
        pine(p, QPointF(x, 700 - (int(x) % 3) * 8), 120, shade(Pal::leaf, 0.1));
    p.setBrush(linear({0, 560}, {0, 800}, {{0, lighter(Pal::leaf, 0.2)}, {1, Pal::leaf}}));
    p.drawEllipse(QPointF(800, 760), 430, 150);
    castle(p, QPointF(800, 650), 400);
    hill(p, W, 800, 30, 4.0, H, Pal::leaf, 1.0);
    path(p, QPointF(800, 1200), QPointF(800, 651), 440, 70, rgb(250, 226, 176));
    tree(p, QPointF(360, 820), 300, Pal::leaf);
    tree(p, QPointF(1250, 830), 280, mix(Pal::leaf, Pal::mint, 0.5));
    pine(p, QPointF(470, 780), 190, shade(Pal::leaf, 0.15));
    cottage(p, QPointF(1100, 780), 150, Pal::purple);
    flowerMeadow(p, QRectF(60, 820, 560, 120), 26, 5, 11);
    flowerMeadow(p, QRectF(980, 820, 560, 120), 26, 6, 11);
    for (int i = 0; i < 8; ++i)
        firefly(p, QPointF(300 + i * 140, 560 + (i % 3) * 50), 6);
    // The lower part melts into paper, where the title stands.
    fillVertical(p, QRectF(0, 760, W, 440),
                 {{0, alpha(Pal::cream, 0)}, {0.45, alpha(Pal::cream, 0.55)}, {1, Pal::cream}});
    vignette(p, QSizeF(W, H), rgb(150, 110, 170), 0.18);
}

void playgroundWorld(QPainter &p)
{
    // A bright day over a valley of little houses, with a castle far away.
    fillVertical(p, QRectF(0, 0, W, H),
                 {{0, lighter(Pal::sky, 0.1)}, {0.45, lighter(Pal::sky, 0.55)}, {0.7, Pal::cream}, {1, Pal::cream}});
    sun(p, QPointF(1300, 200), 80);
    rainbow(p, QPointF(420, 720), 380, 22, 0.3);
    cloud(p, QPointF(250, 200), 320, Pal::white, 0.95);
    cloud(p, QPointF(820, 130), 260, Pal::white, 0.9);
    cloud(p, QPointF(1100, 360), 220, Pal::white, 0.8);
    balloon(p, QPointF(620, 330), 40, Pal::purple);
    balloon(p, QPointF(1480, 420), 30, Pal::coral);
    hill(p, W, 660, 60, 0.2, H, lighter(Pal::mint, 0.5), 1.2);
    castle(p, QPointF(1020, 640), 250);
    hill(p, W, 740, 50, 1.7, H, lighter(Pal::mint, 0.2), 1.5);
    for (qreal x : {120.0, 200.0, 1450.0, 1530.0})
        pine(p, QPointF(x, 730), 140, shade(Pal::leaf, 0.1));
    cottage(p, QPointF(420, 770), 170, Pal::coral);
    cottage(p, QPointF(1240, 800), 150, Pal::sky);
    hill(p, W, 860, 40, 3.1, H, Pal::leaf, 1.0);
    tree(p, QPointF(220, 900), 300, Pal::leaf);
    tree(p, QPointF(1400, 920), 320, mix(Pal::leaf, Pal::mint, 0.4));
    tree(p, QPointF(760, 880), 200, shade(Pal::leaf, 0.05));
    hill(p, W, 1000, 30, 5.0, H, mix(Pal::leaf, Pal::mango, 0.15), 0.8);
    flowerMeadow(p, QRectF(0, 960, W, 220), 70, 9, 13);
}

void gameStage(QPainter &p)
{
    // Quiet and pale, so the game's tiles stand out on it.
    fillVertical(p, QRectF(0, 0, W, H),
                 {{0, QColor::fromRgbF(0.93f, 0.97f, 1.0f)}, {0.55, Pal::cream}, {1, QColor::fromRgbF(1.0f, 0.95f, 0.84f)}});
    glow(p, QPointF(800, 420), 700, alpha(Pal::white, 0.7));
    starField(p, QRectF(0, 0, W, 500), 26, 3, alpha(Pal::mango, 0.45), 3, 8);
    cloud(p, QPointF(220, 180), 300, Pal::white, 0.7);
    cloud(p, QPointF(1380, 240), 280, Pal::white, 0.65);
    cloud(p, QPointF(820, 110), 200, Pal::white, 0.5);
    hill(p, W, 940, 40, 0.7, H, mix(Pal::mint, Pal::cream, 0.72), 1.1);
    hill(p, W, 1020, 34, 2.6, H, mix(Pal::mint, Pal::cream, 0.58), 1.4);
    hill(p, W, 1100, 26, 4.1, H, mix(Pal::leaf, Pal::cream, 0.5), 0.9);
    tree(p, QPointF(110, 1040), 220, mix(Pal::leaf, Pal::cream, 0.45));
    tree(p, QPointF(1500, 1060), 240, mix(Pal::leaf, Pal::cream, 0.45));
    p.setOpacity(0.55);
    flowerMeadow(p, QRectF(0, 1110, W, 80), 30, 4, 10);
    p.setOpacity(1);
}

void magicLobby(QPainter &p)
{
    // Dusk in the magic kingdom: a violet sky full of stars, a glowing castle and
    // lanterns; deep enough for the white heading to read over it.
    fillVertical(p, QRectF(0, 0, W, H),
                 {{0, rgb(70, 72, 150)}, {0.35, mix(Pal::purple, Pal::sky, 0.35)}, {0.62, rgb(250, 190, 170)},
                  {0.8, rgb(255, 220, 180)}, {1, rgb(255, 230, 190)}});
    starField(p, QRectF(0, 0, W, 560), 110, 8, Pal::white, 3, 11);
    moon(p, QPointF(1320, 190), 70);
    cloud(p, QPointF(300, 380), 340, rgb(255, 226, 236), 0.55);
    cloud(p, QPointF(1180, 470), 300, rgb(255, 226, 236), 0.5);
    glow(p, QPointF(800, 560), 560, alpha(rgb(255, 220, 170), 0.7));
    hill(p, W, 700, 50, 0.9, H, lighter(mix(Pal::purple, Pal::mint, 0.45), 0.15), 1.3);
    // The castle's own hill.
    p.setBrush(linear({0, 640}, {0, 820}, {{0, lighter(Pal::mint, 0.1)}, {1, mix(Pal::mint, rgb(60, 120, 110), 0.4)}}));
    p.drawEllipse(QPointF(800, 770), 420, 110);
    castle(p, QPointF(800, 690), 430);
    for (qreal x : {140.0, 250.0, 1360.0, 1470.0})
        pine(p, QPointF(x, 760), 180, mix(rgb(60, 120, 110), Pal::purple, 0.3));
    hill(p, W, 820, 44, 2.9, H, mix(Pal::mint, rgb(60, 120, 110), 0.4), 1.1);
    cottage(p, QPointF(380, 860), 180, Pal::coral);
    cottage(p, QPointF(1230, 870), 160, Pal::mango);
    hill(p, W, 960, 36, 4.6, H, mix(Pal::leaf, rgb(60, 110, 100), 0.45), 0.9);
    tree(p, QPointF(150, 1010), 330, mix(Pal::leaf, rgb(60, 110, 100), 0.3));
    tree(p, QPointF(1460, 1020), 340, mix(Pal::leaf, rgb(60, 110, 100), 0.3));
    for (int i = 0; i < 22; ++i)
        firefly(p, QPointF(80 + (i * 523) % 1440, 760 + (i * 191) % 380), 5 + i % 3);
    flowerMeadow(p, QRectF(0, 1040, W, 150), 40, 12, 12);
}

} // namespace

QList<Picture> scenes()
{
    const QSize size{int(W), int(H)};
    return {
        {QStringLiteral("storybook_welcome_cover"), size, welcomeCover},
        {QStringLiteral("storybook_playground_world"), size, playgroundWorld},
        {QStringLiteral("storybook_game_stage"), size, gameStage},
        {QStringLiteral("storybook_magic_lobby"), size, magicLobby},
    };
}

} // namespace Art
