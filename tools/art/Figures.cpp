// The dress-up figures on transparent canvases: the doll in her three looks (600 × 900,
// standing, feet at the bottom) and the sealed milk tea (600 × 720). Round forms are lit
// from the top left, so they read as soft toys on the storybook pages.

#include "ArtKit.h"
#include "Pictures.h"

#include <QPainterPath>

namespace Art {
namespace {

// A round form lit from the top left.
QRadialGradient lit(const QRectF &r, const QColor &base)
{
    QRadialGradient g(r.center() + QPointF(-r.width() * 0.22, -r.height() * 0.28), std::max(r.width(), r.height()) * 0.75);
    g.setColorAt(0, lighter(base, 0.45));
    g.setColorAt(0.55, base);
    g.setColorAt(1, shade(base, 0.28));
    return g;
}

void ball(QPainter &p, const QRectF &r, const QColor &base)
{
    p.setPen(Qt::NoPen);
    p.setBrush(lit(r, base));
    p.drawEllipse(r);
}

void limb(QPainter &p, QPointF from, QPointF to, qreal width, const QColor &base)
{
    QPen pen(base, width, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(from, to);
    QPen light(alpha(lighter(base, 0.5), 0.6), width * 0.3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(light);
    p.drawLine(from + QPointF(-width * 0.2, 0), to + QPointF(-width * 0.2, -width * 0.1));
    p.setPen(Qt::NoPen);
}

struct Look
{
    QColor hair;
    QColor dressTop;
    QColor dressBottom;
    QColor sleeves;
    QColor shoes;
    bool bun = false;
    bool longHair = false;
};

const QColor skin = rgb(255, 222, 200);

// The doll without her look's extras: legs, body, arms, head and hair.
void doll(QPainter &p, const Look &look, const std::function<void(QPainter &, const QPainterPath &)> &onDress)
{
    groundShadow(p, QPointF(300, 872), 300, 40, 0.22);
    // Legs and shoes.
    limb(p, QPointF(262, 690), QPointF(258, 830), 44, skin);
    limb(p, QPointF(338, 690), QPointF(342, 830), 44, skin);
    ball(p, QRectF(206, 816, 96, 52), look.shoes);
    ball(p, QRectF(298, 816, 96, 52), look.shoes);
    // Long hair falls behind the body.
    if (look.longHair) {
        QPainterPath back;
        back.moveTo(150, 250);
        back.cubicTo(120, 480, 170, 600, 230, 640);
        back.lineTo(370, 640);
        back.cubicTo(430, 600, 480, 480, 450, 250);
        back.closeSubpath();
        p.setBrush(linear({0, 250}, {0, 640}, {{0, look.hair}, {1, shade(look.hair, 0.2)}}));
        p.drawPath(back);
    }
    // The dress: a bell from the shoulders to the hem.
    QPainterPath dress;
    dress.moveTo(236, 420);
    dress.cubicTo(236, 400, 364, 400, 364, 420);
    dress.cubicTo(390, 520, 440, 640, 452, 712);
    dress.cubicTo(380, 740, 220, 740, 148, 712);
    dress.cubicTo(160, 640, 210, 520, 236, 420);
    dress.closeSubpath();
    QLinearGradient dg(150, 400, 450, 740);
    dg.setColorAt(0, lighter(look.dressTop, 0.2));
    dg.setColorAt(0.45, look.dressTop);
    dg.setColorAt(1, look.dressBottom);
    p.setBrush(dg);
    p.drawPath(dress);
    // Light down the left of the dress.
    p.save();
    p.setClipPath(dress);
    p.setBrush(alpha(Pal::white, 0.16));
    p.drawEllipse(QRectF(170, 420, 110, 320));
    if (onDress)
        onDress(p, dress);
    p.restore();
    // Arms and hands.
    limb(p, QPointF(240, 440), QPointF(196, 590), 40, look.sleeves);
    limb(p, QPointF(360, 440), QPointF(404, 590), 40, look.sleeves);
    ball(p, QRectF(172, 574, 48, 48), skin);
    ball(p, QRectF(380, 574, 48, 48), skin);
    // Neck and head.
    p.setBrush(shade(skin, 0.08));
    p.drawRoundedRect(QRectF(280, 380, 40, 44), 14, 14);
    ball(p, QRectF(160, 120, 280, 280), skin);
    if (look.bun)
        ball(p, QRectF(250, 40, 100, 100), look.hair);
    // Hair: a cap with a fringe.
    QPainterPath hair;
    hair.moveTo(150, 300);
    hair.cubicTo(120, 120, 240, 86, 300, 92);
    hair.cubicTo(360, 86, 480, 120, 450, 300);
    hair.cubicTo(430, 240, 410, 210, 390, 200);
    hair.cubicTo(360, 236, 300, 246, 262, 214);
    hair.cubicTo(236, 234, 206, 238, 186, 232);
    hair.cubicTo(172, 250, 160, 270, 150, 300);
    hair.closeSubpath();
    p.setBrush(lit(QRectF(150, 86, 300, 220), look.hair));
    p.drawPath(hair);
    p.setPen(QPen(alpha(Pal::white, 0.35), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(200, 110, 160, 120), 100 * 16, 50 * 16);
    p.setPen(Qt::NoPen);
    // Face: big eyes with two highlights, blush, a small smile.
    for (qreal x : {250.0, 350.0}) {
        p.setBrush(Pal::ink);
        p.drawEllipse(QRectF(x - 19, 262, 38, 48));
        p.setBrush(rgb(120, 90, 160));
        p.drawEllipse(QRectF(x - 14, 282, 28, 26));
        p.setBrush(Pal::white);
        p.drawEllipse(QRectF(x - 12, 268, 14, 14));
        p.drawEllipse(QRectF(x + 4, 292, 7, 7));
    }
    p.setBrush(alpha(Pal::coral, 0.35));
    p.drawEllipse(QRectF(196, 312, 44, 24));
    p.drawEllipse(QRectF(360, 312, 44, 24));
    p.setPen(QPen(shade(Pal::coral, 0.3), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(282, 318, 36, 26), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
}

void casual(QPainter &p)
{
    const Look look{rgb(150, 96, 62), Pal::mint, shade(Pal::sky, 0.1), lighter(Pal::mint, 0.2), Pal::coral};
    doll(p, look, [](QPainter &q, const QPainterPath &) {
        // Overall bib and straps over a mint top, flowers on the skirt.
        q.setBrush(alpha(Pal::sky, 0.9));
        q.drawRoundedRect(QRectF(250, 470, 100, 90), 16, 16);
        q.drawRect(QRectF(140, 560, 320, 200));
        q.setBrush(Pal::mango);
        q.drawEllipse(QPointF(262, 480), 8, 8);
        q.drawEllipse(QPointF(338, 480), 8, 8);
        flowerMeadow(q, QRectF(180, 600, 240, 100), 7, 21, 12);
    });
    emoji(p, QStringLiteral("🌼"), QPointF(420, 150), 70, 15);
    emoji(p, QStringLiteral("🎒"), QPointF(470, 520), 110, 12);
}

void moonGown(QPainter &p)
{
    const Look look{rgb(196, 190, 240), Pal::purple, rgb(70, 72, 150), lighter(Pal::purple, 0.35), rgb(220, 226, 245)};
    glow(p, QPointF(300, 480), 330, alpha(rgb(210, 200, 255), 0.55));
    Look longLook = look;
    longLook.longHair = true;
    doll(p, longLook, [](QPainter &q, const QPainterPath &dress) {
        starField(q, dress.boundingRect(), 26, 31, alpha(Pal::white, 0.9), 3, 8);
        q.setBrush(alpha(Pal::mango, 0.9));
        q.drawRoundedRect(QRectF(236, 470, 128, 18), 9, 9);
    });
    emoji(p, QStringLiteral("🌙"), QPointF(196, 130), 80, -20);
    for (const QPointF c : {QPointF(90, 300), QPointF(520, 260), QPointF(110, 640), QPointF(500, 700)})
        sparkle(p, c, 20, Pal::mango);
}

void barista(QPainter &p)
{
    Look look{rgb(92, 60, 44), Pal::cream, rgb(240, 226, 200), Pal::cream, Pal::mango};
    look.bun = true;
    doll(p, look, [](QPainter &q, const QPainterPath &) {
        // A brown apron with a pocket and a heart.
        QPainterPath apron;
        apron.moveTo(244, 470);
        apron.lineTo(356, 470);
        apron.cubicTo(380, 560, 410, 660, 420, 720);
        apron.lineTo(180, 720);
        apron.cubicTo(190, 660, 220, 560, 244, 470);
        q.setBrush(linear({0, 470}, {0, 720}, {{0, rgb(170, 110, 80)}, {1, rgb(130, 80, 58)}}));
        q.drawPath(apron);
        q.setBrush(alpha(Pal::white, 0.25));
        q.drawRoundedRect(QRectF(255, 590, 90, 60), 14, 14);
        q.setBrush(Pal::coral);
        q.drawEllipse(QPointF(292, 520), 9, 9);
        q.drawEllipse(QPointF(308, 520), 9, 9);
        QPainterPath tip;
        tip.moveTo(284, 524);
        tip.lineTo(300, 542);
        tip.lineTo(316, 524);
        q.drawPath(tip);
    });
    emoji(p, QStringLiteral("🧋"), QPointF(430, 560), 110, 8);
    emoji(p, QStringLiteral("🎀"), QPointF(360, 70), 70, 10);
}

void milkTea(QPainter &p)
{
    groundShadow(p, QPointF(300, 690), 330, 44, 0.22);
    glow(p, QPointF(300, 380), 300, alpha(Pal::white, 0.6));
    // The cup: a slightly tapered glass with a round bottom.
    QPainterPath cup;
    cup.moveTo(160, 210);
    cup.lineTo(440, 210);
    cup.lineTo(410, 610);
    cup.cubicTo(405, 660, 195, 660, 190, 610);
    cup.closeSubpath();
    QLinearGradient tea(0, 230, 0, 650);
    tea.setColorAt(0, rgb(246, 214, 190));
    tea.setColorAt(0.6, rgb(214, 160, 120));
    tea.setColorAt(1, rgb(170, 112, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(tea);
    p.drawPath(cup);
    p.save();
    p.setClipPath(cup);
    // Pearls at the bottom, a swirl of cream, light on the glass.
    for (int i = 0; i < 16; ++i) {
        const qreal x = 200 + (i * 37) % 200;
        const qreal y = 560 + (i % 3) * 28 + (i * 13) % 18;
        ball(p, QRectF(x, y, 34, 34), rgb(84, 52, 40));
    }
    p.setBrush(alpha(Pal::white, 0.35));
    p.drawEllipse(QRectF(180, 250, 240, 70));
    p.setBrush(alpha(Pal::white, 0.3));
    p.drawRoundedRect(QRectF(182, 230, 30, 370), 15, 15);
    p.restore();
    p.setPen(QPen(alpha(Pal::white, 0.95), 8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cup);
    p.setPen(Qt::NoPen);
    // The sealed dome lid with a heart sticker.
    ball(p, QRectF(150, 120, 300, 170), alpha(rgb(240, 248, 255), 0.85));
    p.setBrush(lighter(Pal::coral, 0.15));
    p.drawRoundedRect(QRectF(140, 196, 320, 30), 15, 15);
    emoji(p, QStringLiteral("💖"), QPointF(300, 420), 110);
    // The straw through the lid.
    p.save();
    p.translate(340, 160);
    p.rotate(12);
    p.setBrush(linear({-14, 0}, {14, 0}, {{0, lighter(Pal::coral, 0.3)}, {1, Pal::coral}}));
    p.drawRoundedRect(QRectF(-14, -140, 28, 260), 14, 14);
    p.restore();
    for (const QPointF c : {QPointF(90, 220), QPointF(510, 300), QPointF(120, 520), QPointF(500, 560)})
        sparkle(p, c, 22, Pal::mango);
    star(p, QPointF(470, 130), 24, Pal::mango, 10);
}

} // namespace

QList<Picture> figures()
{
    const QSize doll{600, 900};
    return {
        {QStringLiteral("doll_3d_casual"), doll, casual, true},
        {QStringLiteral("doll_3d_moon"), doll, moonGown, true},
        {QStringLiteral("doll_3d_barista"), doll, barista, true},
        {QStringLiteral("milk_tea_3d"), QSize(600, 720), milkTea, true},
    };
}

} // namespace Art
