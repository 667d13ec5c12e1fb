// The game covers: portrait cards, 560 × 720. The card lays its title panel over the
// lower part and its icon tile over the top-left corner, so each subject sits in the
// upper half (about y 110 to 450), clear of that corner (kTileCorner: the generator
// fails on a cover whose subject reaches into it) and well inside the side edges, which
// narrow cards crop away. A subject drawn for the whole upper half is scaled down
// towards its ground line and moved by its cover's Fit.

#include "ArtKit.h"
#include "Pictures.h"

#include <QtMath>

namespace Art {
namespace {

constexpr qreal W = 560;
constexpr qreal H = 720;
constexpr qreal CX = W / 2;
constexpr qreal CY = 260; // centre of the subject

// What the icon tile hides. The card crops the cover to its own shape about the middle
// and lays a 66-point tile 20 points in from its top-left corner (the playground's
// portals, which show a shelf's first cover, a 62-point badge 19 points in). The shelves'
// cards are 277 x 420 points at a 1180 x 820 window, 205 x 360 at 800 x 600 and 310 x 420
// at 1366 x 1024 (the portals 271 x 390, 184 x 336, 290 x 390), which puts the tile on
// x 77-190, y 34-147 of the cover, on x 115-247, y 40-172 and on x 49-162, y 34-147 (the
// portals' badge on x 65-179, y 35-150; x 124-257, y 41-174; x 47-162, y 35-150). This
// box holds them all, with a few pixels to spare.
constexpr QRectF kTileCorner(44, 30, 218, 148);

QString e(const char *utf8) { return QString::fromUtf8(utf8); }

// The page every cover starts from: a soft sky in the shelf's colours, a warm light
// behind the subject, sparkles, and rolling hills where the card's text panel will be.
void backdrop(QPainter &p, const QString &shelf)
{
    const auto [a, b] = shelfColors(shelf);
    fillVertical(p, QRectF(0, 0, W, H),
                 {{0, lighter(a, 0.55)}, {0.45, lighter(mix(a, b, 0.5), 0.62)}, {1, lighter(b, 0.35)}});
    glow(p, QPointF(CX, CY), 300, alpha(Pal::cream, 0.85));
    cloud(p, QPointF(95, 120), 150, Pal::white, 0.5);
    cloud(p, QPointF(480, 80), 120, Pal::white, 0.45);
    starField(p, QRectF(20, 20, W - 40, 420), 16, qHash(shelf), Pal::white, 3, 9);
    hill(p, W, 520, 26, 0.8 + shelf.size(), H, lighter(mix(b, Pal::mint, 0.5), 0.3), 1.1);
    hill(p, W, 580, 22, 2.4, H, mix(Pal::mint, b, 0.25), 1.3);
    hill(p, W, 650, 18, 4.0, H, mix(Pal::leaf, a, 0.2), 1.5);
}

// A chunky block with a lit top face and a darker lower lip, carrying a letter or digit.
void block(QPainter &p, const QRectF &r, const QColor &color, const QString &text,
           const QColor &textColor = Pal::white, qreal px = 0, bool cjk = true)
{
    const qreal rad = r.width() * 0.2;
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(Pal::ink, 0.16));
    p.drawRoundedRect(r.translated(0, r.height() * 0.1), rad, rad);
    p.setBrush(shade(color, 0.25));
    p.drawRoundedRect(r.translated(0, r.height() * 0.06), rad, rad);
    p.setBrush(linear(r.topLeft(), r.bottomLeft(), {{0, lighter(color, 0.22)}, {1, color}}));
    p.drawRoundedRect(r, rad, rad);
    p.setBrush(alpha(Pal::white, 0.25));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.08,
                             r.width() * 0.45, r.height() * 0.1), r.height() * 0.05, r.height() * 0.05);
    if (!text.isEmpty())
        label(p, r.translated(0, -r.height() * 0.03), text, textColor, px > 0 ? px : r.height() * 0.62, cjk,
              QFont::Bold);
}

// A white picture card with an emoji on it.
void pictureCard(QPainter &p, QPointF c, qreal size, const QString &emo, qreal angle = 0,
                 const QColor &fill = Pal::white)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    card(p, QRectF(-size / 2, -size / 2, size, size), size * 0.18, fill, 0.2);
    emoji(p, emo, QPointF(0, 0), size * 0.68);
    p.restore();
}

void arrow(QPainter &p, QPointF from, QPointF to, const QColor &color, qreal width)
{
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const qreal head = width * 2.2;
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to - u * head * 0.8);
    p.setPen(QPen(color, width * 0.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(color);
    QPolygonF tip{to, to - u * head + n * head * 0.75, to - u * head - n * head * 0.75};
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
}

void soundWaves(QPainter &p, QPointF c, qreal r0, qreal angle, const QColor &color, int count = 3)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const qreal r = r0 + i * r0 * 0.55;
        p.setPen(QPen(alpha(color, 1.0 - i * 0.22), r0 * 0.16, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), int((angle - 35) * 16), 70 * 16);
    }
    p.setPen(Qt::NoPen);
}

void musicNote(QPainter &p, QPointF c, qreal s, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.save();
    p.translate(c);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), s * 0.32, s * 0.24);
    p.restore();
    p.drawRect(QRectF(c.x() + s * 0.22, c.y() - s, s * 0.09, s));
    QPainterPath flag;
    flag.moveTo(c.x() + s * 0.3, c.y() - s);
    flag.quadTo(c.x() + s * 0.7, c.y() - s * 0.7, c.x() + s * 0.5, c.y() - s * 0.35);
    flag.quadTo(c.x() + s * 0.55, c.y() - s * 0.65, c.x() + s * 0.3, c.y() - s * 0.72);
    p.drawPath(flag);
}

// ---------------------------------------------------------------- English shelf

void englishListen(QPainter &p)
{
    emoji(p, e("👂"), QPointF(165, 250), 170, -8);
    soundWaves(p, QPointF(200, 250), 70, 0, Pal::white);
    pictureCard(p, QPointF(390, 170), 120, e("🍎"), 8);
    pictureCard(p, QPointF(410, 320), 120, e("🐶"), -6);
    bubble(p, QRectF(300, 380, 150, 70), QPointF(250, 330));
    label(p, QRectF(300, 380, 150, 70), QStringLiteral("dog"), Pal::ink, 44, false, QFont::Bold);
}

void wordShooter(QPainter &p)
{
    const QPointF c(CX, 245);
    groundShadow(p, QPointF(CX, 430), 260, 34);
    const QColor rings[] = {Pal::coral, Pal::white, Pal::coral, Pal::white, Pal::mango};
    for (int i = 0; i < 5; ++i) {
        const qreal r = 150 - i * 30;
        p.setBrush(rings[i]);
        p.setPen(QPen(alpha(Pal::ink, 0.12), 3));
        p.drawEllipse(c, r, r);
    }
    p.setPen(Qt::NoPen);
    // An arrow that has just landed in the middle.
    p.setPen(QPen(Pal::bark, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(4, -4), c + QPointF(120, -120));
    p.setPen(Qt::NoPen);
    p.setBrush(Pal::purple);
    p.drawPolygon(QPolygonF{c + QPointF(110, -110), c + QPointF(150, -120), c + QPointF(128, -100)});
    p.drawPolygon(QPolygonF{c + QPointF(110, -110), c + QPointF(120, -150), c + QPointF(100, -128)});
    starField(p, QRectF(c.x() - 60, c.y() - 60, 120, 120), 5, 7, Pal::white, 6, 12);
    bubble(p, QRectF(80, 380, 140, 64), QPointF(150, 350));
    label(p, QRectF(80, 380, 140, 64), QStringLiteral("cat"), Pal::ink, 42, false, QFont::Bold);
    bubble(p, QRectF(350, 390, 140, 64), QPointF(400, 360));
    label(p, QRectF(350, 390, 140, 64), QStringLiteral("sun"), Pal::ink, 42, false, QFont::Bold);
}

void phonicsTrain(QPainter &p)
{
    // The rails.
    p.setPen(QPen(Pal::bark, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(40, 372), QPointF(520, 372));
    p.setPen(Qt::NoPen);
    p.setBrush(shade(Pal::bark, 0.1));
    for (int x = 46; x < 510; x += 34)
        p.drawRoundedRect(QRectF(x, 370, 20, 16), 4, 4);
    cloud(p, QPointF(135, 160), 120, Pal::white, 0.9);
    cloud(p, QPointF(80, 110), 80, Pal::white, 0.7);
    // Letter wagons behind the engine.
    const QColor colors[] = {Pal::coral, Pal::mango, Pal::mint};
    const char *letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        const qreal x = 236 + i * 90;
        p.setBrush(Pal::ink);
        p.drawEllipse(QPointF(x + 20, 356), 14, 14);
        p.drawEllipse(QPointF(x + 60, 356), 14, 14);
        p.setBrush(Pal::softInk);
        p.drawEllipse(QPointF(x + 20, 356), 5, 5);
        p.drawEllipse(QPointF(x + 60, 356), 5, 5);
        block(p, QRectF(x, 256, 80, 86), colors[i], QString::fromLatin1(letters[i]));
        if (i < 2) {
            p.setBrush(Pal::ink);
            p.drawRect(QRectF(x + 78, 320, 14, 8));
        }
    }
    p.setBrush(Pal::ink);
    p.drawRect(QRectF(215, 320, 24, 8));
    emoji(p, e("🚂"), QPointF(155, 292), 175);
}

void simonDirections(QPainter &p)
{
    emoji(p, e("🙋"), QPointF(CX, 280), 200);
    arrow(p, QPointF(170, 240), QPointF(60, 240), Pal::coral, 26);
    arrow(p, QPointF(390, 240), QPointF(500, 240), Pal::mint, 26);
    block(p, QRectF(70, 300, 80, 80), Pal::coral, QStringLiteral("L"));
    block(p, QRectF(410, 300, 80, 80), Pal::mint, QStringLiteral("R"));
    bubble(p, QRectF(160, 60, 240, 74), QPointF(250, 160));
    label(p, QRectF(160, 60, 240, 74), QStringLiteral("Simon says!"), Pal::purple, 34, false, QFont::Bold);
}

// An open book lying flat; returns the two page rectangles.
std::pair<QRectF, QRectF> openBook(QPainter &p, QPointF c, qreal w, qreal h, const QColor &cover)
{
    groundShadow(p, QPointF(c.x(), c.y() + h / 2 + 10), w * 1.05, 40, 0.25);
    p.setPen(Qt::NoPen);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(c.x() - w / 2 - 12, c.y() - h / 2 + 8, w + 24, h + 10), 14, 14);
    QRectF left(c.x() - w / 2, c.y() - h / 2, w / 2, h);
    QRectF right(c.x(), c.y() - h / 2, w / 2, h);
    for (const QRectF &page : {left, right}) {
        QPainterPath path;
        const bool isLeft = page.left() < c.x();
        const qreal outer = isLeft ? page.left() : page.right();
        path.moveTo(c.x(), page.top() + 12);
        path.quadTo((c.x() + outer) / 2, page.top() - 10, outer, page.top() + 4);
        path.lineTo(outer, page.bottom() - 4);
        path.quadTo((c.x() + outer) / 2, page.bottom() - 14, c.x(), page.bottom());
        path.closeSubpath();
        p.setBrush(linear(QPointF(c.x(), 0), QPointF(outer, 0),
                          {{0, rgb(232, 222, 205)}, {0.12, Pal::cream}, {1, rgb(255, 253, 246)}}));
        p.drawPath(path);
    }
    return {left, right};
}

// A book page's heading and three lines of "text" under it.
void pageText(QPainter &p, const QRectF &page, const QString &heading, bool cjk)
{
    label(p, QRectF(page.left(), page.top() + 25, page.width(), 100), heading, Pal::coral, cjk ? 64 : 62, cjk,
          QFont::Bold);
    p.setPen(QPen(alpha(Pal::softInk, 0.4), 6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(page.left() + 30, page.top() + 145 + i * 23),
                   QPointF(page.right() - 30 - i * 18, page.top() + 145 + i * 23));
    p.setPen(Qt::NoPen);
}

void pictureBook(QPainter &p)
{
    auto [l, r] = openBook(p, QPointF(CX, 290), 400, 240, Pal::sky);
    emoji(p, e("🦊"), l.center() + QPointF(0, -10), 120);
    pageText(p, r, QStringLiteral("ABC"), false);
    sparkle(p, QPointF(150, 120), 22, Pal::mango);
    sparkle(p, QPointF(420, 110), 28, Pal::white);
    star(p, QPointF(CX, 115), 26, Pal::mango, 10);
}

void wordBuilder(QPainter &p)
{
    emoji(p, e("🐱"), QPointF(CX, 170), 130);
    const QColor colors[] = {Pal::coral, Pal::mango, Pal::sky};
    const char *letters[] = {"C", "A", "T"};
    for (int i = 0; i < 3; ++i)
        block(p, QRectF(120 + i * 110, 290 + (i == 1 ? -14 : 0), 96, 100), colors[i],
              QString::fromLatin1(letters[i]));
    emoji(p, e("🎤"), QPointF(440, 180), 100, 20);
    soundWaves(p, QPointF(420, 170), 40, 150, Pal::white, 2);
}

// ---------------------------------------------------------------- Chinese shelf

void chineseMatch(QPainter &p)
{
    // A little island in a blue sea.
    p.setBrush(alpha(Pal::sky, 0.7));
    p.drawEllipse(QPointF(CX, 380), 250, 60);
    p.setBrush(rgb(252, 226, 170));
    p.drawEllipse(QPointF(CX, 370), 190, 44);
    emoji(p, e("🌴"), QPointF(150, 270), 150, -6);
    card(p, QRectF(230, 150, 190, 200), 34, Pal::white, 0.2);
    label(p, QRectF(230, 150, 190, 56), QStringLiteral("dǎo"), Pal::coral, 40, true, QFont::Bold);
    label(p, QRectF(230, 190, 190, 160), QStringLiteral("岛"), Pal::ink, 128, true, QFont::Bold);
    sparkle(p, QPointF(440, 140), 22, Pal::white);
}

void idiomPictures(QPainter &p)
{
    // A picture frame holding "the frog at the bottom of the well".
    const QRectF frame(110, 100, 340, 320);
    card(p, frame, 26, rgb(222, 164, 110), 0.22);
    QRectF inner = frame.adjusted(22, 22, -22, -22);
    p.setBrush(linear(inner.topLeft(), inner.bottomLeft(), {{0, rgb(200, 232, 250)}, {1, rgb(230, 246, 236)}}));
    p.drawRoundedRect(inner, 12, 12);
    p.save();
    p.setClipRect(inner);
    hill(p, W, 360, 10, 1, 440, Pal::leaf, 1);
    // The well.
    p.setBrush(rgb(170, 170, 190));
    p.drawRoundedRect(QRectF(190, 280, 180, 120), 16, 16);
    p.setBrush(rgb(140, 140, 165));
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(196 + i * 44 + (row % 2) * 20, 292 + row * 36, 36, 26), 6, 6);
    p.setBrush(Pal::ink);
    p.drawEllipse(QPointF(280, 282), 90, 18);
    p.restore();
    emoji(p, e("🐸"), QPointF(280, 250), 110);
    sun(p, QPointF(180, 170), 28);
    bubble(p, QRectF(380, 70, 90, 90), QPointF(350, 170), Pal::mango);
    label(p, QRectF(380, 66, 90, 90), QStringLiteral("？"), Pal::white, 66, true, QFont::Bold);
}

void storyChain(QPainter &p)
{
    auto [l, r] = openBook(p, QPointF(CX, 300), 400, 240, Pal::coral);
    emoji(p, e("🐼"), l.center() + QPointF(0, 5), 120);
    pageText(p, r, QStringLiteral("故事"), true);
    emoji(p, e("🏮"), QPointF(350, 110), 80, -8);
    emoji(p, e("🏮"), QPointF(450, 125), 90, 8);
}

void radicalBuilder(QPainter &p)
{
    block(p, QRectF(70, 120, 120, 120), Pal::mint, QStringLiteral("木"));
    label(p, QRectF(190, 120, 60, 120), QStringLiteral("+"), Pal::white, 80, false, QFont::Bold);
    block(p, QRectF(250, 120, 120, 120), Pal::mango, QStringLiteral("木"));
    arrow(p, QPointF(380, 190), QPointF(420, 270), Pal::white, 16);
    block(p, QRectF(150, 280, 210, 170), Pal::coral, QStringLiteral("林"), Pal::white, 130);
    emoji(p, e("🌳"), QPointF(440, 350), 110);
    emoji(p, e("🌲"), QPointF(470, 140), 80);
}

void sentenceMaker(QPainter &p)
{
    emoji(p, e("🐱"), QPointF(170, 170), 130);
    emoji(p, e("🐟"), QPointF(390, 170), 110, -15);
    arrow(p, QPointF(240, 175), QPointF(320, 175), Pal::white, 12);
    const QColor colors[] = {Pal::sky, Pal::mango, Pal::mint};
    const char *words[] = {"小猫", "爱吃", "鱼"};
    qreal x = 60;
    for (int i = 0; i < 3; ++i) {
        const qreal w = i == 2 ? 110 : 150;
        block(p, QRectF(x, 300, w, 96), colors[i], QString::fromUtf8(words[i]), Pal::white, 54);
        x += w + 10;
    }
}

// ---------------------------------------------------------------- Maths shelf

void mathBattle(QPainter &p)
{
    glow(p, QPointF(380, 200), 150, alpha(Pal::purple, 0.35));
    emoji(p, e("👾"), QPointF(380, 200), 170, 8);
    // A beam of starlight from the wand to the monster.
    p.setBrush(linear({140, 360}, {360, 220}, {{0, alpha(Pal::mango, 0.0)}, {1, alpha(rgb(255, 236, 150), 0.9)}}));
    QPainterPath beam;
    beam.moveTo(140, 360);
    beam.lineTo(350, 200);
    beam.lineTo(370, 236);
    beam.closeSubpath();
    p.drawPath(beam);
    for (int i = 0; i < 4; ++i)
        star(p, QPointF(180 + i * 48, 330 - i * 36), 14 + i * 4, Pal::mango, i * 15);
    emoji(p, e("🪄"), QPointF(120, 380), 110, -10);
    card(p, QRectF(80, 120, 170, 84), 24, Pal::white, 0.2);
    label(p, QRectF(80, 120, 170, 84), QStringLiteral("2+3"), Pal::purple, 56, false, QFont::Bold);
}

void makeTen(QPainter &p)
{
    auto ball = [&](QPointF c, qreal r, const QColor &color, const QString &text) {
        glow(p, c, r * 1.6, alpha(color, 0.35));
        QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
        g.setColorAt(0, lighter(color, 0.5));
        g.setColorAt(1, color);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
        p.setBrush(alpha(Pal::white, 0.5));
        p.drawEllipse(c - QPointF(r * 0.4, r * 0.45), r * 0.22, r * 0.13);
        label(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), text, Pal::white, r * 1.1, false, QFont::Bold);
    };
    ball(QPointF(140, 170), 70, Pal::coral, QStringLiteral("3"));
    ball(QPointF(420, 170), 70, Pal::sky, QStringLiteral("7"));
    label(p, QRectF(230, 120, 100, 100), QStringLiteral("+"), Pal::white, 90, false, QFont::Bold);
    star(p, QPointF(CX, 335), 118, Pal::mango, 0, 0.58);
    label(p, QRectF(CX - 100, 270, 200, 130), QStringLiteral("10"), Pal::white, 90, false, QFont::Bold);
    sparkle(p, QPointF(110, 330), 24, Pal::white);
    sparkle(p, QPointF(450, 330), 24, Pal::white);
}

// The shop's awning along the top: the page of the supermarket cover, not its subject.
void shopAwning(QPainter &p)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(i % 2 ? Pal::white : Pal::coral);
        QPainterPath s;
        s.moveTo(i * 70, 0);
        s.lineTo(i * 70 + 70, 0);
        s.lineTo(i * 70 + 70, 70);
        s.arcTo(QRectF(i * 70, 50, 70, 40), 0, -180);
        s.closeSubpath();
        p.drawPath(s);
    }
}

void supermarket(QPainter &p)
{
    emoji(p, e("🛒"), QPointF(CX - 10, 300), 250);
    emoji(p, e("🍎"), QPointF(230, 215), 70, -10);
    emoji(p, e("🥕"), QPointF(300, 200), 80, 20);
    emoji(p, e("🍞"), QPointF(360, 220), 70);
    p.save();
    p.translate(440, 150);
    p.rotate(12);
    card(p, QRectF(-50, -30, 100, 60), 14, Pal::mango, 0.2);
    label(p, QRectF(-50, -30, 100, 60), QStringLiteral("¥5"), Pal::ink, 38, false, QFont::Bold);
    p.restore();
}

void clockFace(QPainter &p, QPointF c, qreal r, qreal hour, qreal minute, const QColor &rim)
{
    // Bells on top.
    p.setBrush(shade(rim, 0.1));
    p.drawEllipse(c + QPointF(-r * 0.62, -r * 0.86), r * 0.3, r * 0.3);
    p.drawEllipse(c + QPointF(r * 0.62, -r * 0.86), r * 0.3, r * 0.3);
    p.setBrush(shade(rim, 0.3));
    p.drawRect(QRectF(c.x() - r * 0.06, c.y() - r * 1.18, r * 0.12, r * 0.2));
    p.drawEllipse(c + QPointF(-r * 0.7, r * 0.95), r * 0.1, r * 0.14);
    p.drawEllipse(c + QPointF(r * 0.7, r * 0.95), r * 0.1, r * 0.14);
    groundShadow(p, c + QPointF(0, r * 1.08), r * 1.8, r * 0.2);
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    p.setBrush(Pal::white);
    p.drawEllipse(c, r * 0.84, r * 0.84);
    for (int i = 1; i <= 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0 - 90);
        const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * r * 0.66;
        label(p, QRectF(at.x() - 30, at.y() - 24, 60, 48), QString::number(i), Pal::ink, r * 0.2, false,
              QFont::Bold);
    }
    auto hand = [&](qreal turns, qreal len, qreal width, const QColor &color) {
        const qreal a = qDegreesToRadians(turns * 360 - 90);
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * len);
        p.setPen(Qt::NoPen);
    };
    hand((hour + minute / 60) / 12, r * 0.4, r * 0.1, Pal::ink);
    hand(minute / 60, r * 0.62, r * 0.065, Pal::coral);
    p.setBrush(Pal::mango);
    p.drawEllipse(c, r * 0.08, r * 0.08);
}

void clockMaster(QPainter &p)
{
    clockFace(p, QPointF(CX, 270), 150, 3, 0, Pal::purple);
    sparkle(p, QPointF(90, 150), 24, Pal::white);
    sparkle(p, QPointF(470, 380), 20, Pal::white);
}

void littleLab(QPainter &p)
{
    // A round flask with a bubbling potion.
    const QPointF c(250, 300);
    const qreal r = 110;
    QPainterPath flask;
    flask.addEllipse(c, r, r);
    flask.addRoundedRect(QRectF(c.x() - 32, c.y() - r - 90, 64, 120), 10, 10);
    flask.setFillRule(Qt::WindingFill);
    flask = flask.simplified();
    groundShadow(p, c + QPointF(0, r), 240, 30);
    p.setBrush(alpha(Pal::white, 0.55));
    p.drawPath(flask);
    p.save();
    p.setClipPath(flask);
    p.setBrush(linear(c - QPointF(0, 20), c + QPointF(0, r), {{0, rgb(160, 240, 200)}, {1, Pal::mint}}));
    p.drawRect(QRectF(c.x() - r, c.y() - 10, 2 * r, 2 * r));
    p.setBrush(alpha(Pal::white, 0.7));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(c + QPointF(-60 + i * 24, 40 - (i % 3) * 24), 8 + i % 3 * 3, 8 + i % 3 * 3);
    p.restore();
    p.setBrush(alpha(Pal::white, 0.6));
    p.drawEllipse(c + QPointF(-50, -40), 16, 30);
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(c.x() - 38, c.y() - r - 104, 76, 30), 8, 8);
    // Bubbles rising from the tube.
    p.setBrush(alpha(rgb(190, 250, 220), 0.9));
    p.drawEllipse(QPointF(280, 120), 16, 16);
    p.drawEllipse(QPointF(230, 90), 11, 11);
    p.drawEllipse(QPointF(300, 70), 8, 8);
    emoji(p, e("🧪"), QPointF(420, 300), 150, 18);
    emoji(p, e("🔬"), QPointF(430, 150), 90, 0, 0.95);
}

void numberSlider(QPainter &p)
{
    const QRectF board(115, 110, 330, 330);
    card(p, board, 36, rgb(250, 240, 255), 0.22);
    const int order[9] = {1, 2, 3, 4, 5, 6, 7, 0, 8};
    const qreal cell = 98, gap = 10;
    for (int i = 0; i < 9; ++i) {
        const QRectF r(board.left() + 16 + (i % 3) * (cell + gap), board.top() + 16 + (i / 3) * (cell + gap), cell,
                       cell);
        if (order[i] == 0) {
            p.setBrush(alpha(Pal::purple, 0.12));
            p.drawRoundedRect(r, 20, 20);
            arrow(p, QPointF(r.right() + 30, r.center().y()), QPointF(r.center().x() + 10, r.center().y()),
                  Pal::mango, 12);
            continue;
        }
        block(p, r.adjusted(4, 2, -4, -8), i % 2 ? Pal::purple : rgb(173, 128, 237), QString::number(order[i]));
    }
}

// ---------------------------------------------------------------- Dress-up shelf

void magicCloset(QPainter &p)
{
    // A clothes rail with hangers.
    p.setPen(QPen(Pal::mango, 12, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(70, 130), QPointF(490, 130));
    p.setPen(Qt::NoPen);
    const char *clothes[] = {"👗", "👚", "👘"};
    for (int i = 0; i < 3; ++i) {
        const qreal x = 140 + i * 140;
        p.setPen(QPen(Pal::softInk, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 12, 116, 24, 24), 0, 180 * 16);
        p.drawPolyline(QPolygonF{{x + 12, 128}, {x + 12, 140}, {x + 55, 170}, {x - 55, 170}, {x - 12, 140}});
        p.setPen(Qt::NoPen);
        emoji(p, QString::fromUtf8(clothes[i]), QPointF(x, 250), i == 1 ? 170 : 140, (i - 1) * 4.0);
    }
    emoji(p, e("👑"), QPointF(CX, 400), 110);
    sparkle(p, QPointF(200, 390), 22, Pal::white);
    sparkle(p, QPointF(370, 380), 26, Pal::mango);
}

void heart(QPainter &p, QPointF c, qreal s, const QColor &color)
{
    QPainterPath h;
    h.moveTo(c.x(), c.y() + s * 0.9);
    h.cubicTo(c.x() - s * 1.4, c.y() - s * 0.1, c.x() - s * 0.7, c.y() - s * 1.1, c.x(), c.y() - s * 0.45);
    h.cubicTo(c.x() + s * 0.7, c.y() - s * 1.1, c.x() + s * 1.4, c.y() - s * 0.1, c.x(), c.y() + s * 0.9);
    p.setBrush(linear(c - QPointF(0, s), c + QPointF(0, s), {{0, lighter(color, 0.3)}, {1, color}}));
    p.drawPath(h);
}

void petCare(QPainter &p)
{
    // A round cushion, the pet, and hearts floating up.
    groundShadow(p, QPointF(CX, 410), 360, 50);
    p.setBrush(shade(rgb(255, 150, 190), 0.1));
    p.drawEllipse(QPointF(CX, 380), 170, 52);
    p.setBrush(rgb(255, 190, 214));
    p.drawEllipse(QPointF(CX, 368), 150, 40);
    emoji(p, e("🐶"), QPointF(CX, 270), 200);
    heart(p, QPointF(120, 170), 40, Pal::coral);
    heart(p, QPointF(440, 140), 30, rgb(255, 120, 170));
    heart(p, QPointF(450, 250), 22, Pal::coral);
    emoji(p, e("🦴"), QPointF(110, 360), 80, -20);
}

void magicBuilder(QPainter &p)
{
    // A fairy-tale house built from toy blocks.
    const QColor cols[] = {Pal::sky, Pal::mango, Pal::mint, Pal::coral, Pal::purple};
    groundShadow(p, QPointF(CX, 430), 380, 40);
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 4 - (row == 2 ? 0 : 0); ++i) {
            if (row < 2 && i == 1 && row == 0)
                continue; // the doorway
            block(p, QRectF(130 + i * 76, 350 - row * 66, 72, 60), cols[(row * 2 + i) % 5], QString());
        }
    p.setBrush(rgb(150, 100, 80));
    p.drawRoundedRect(QRectF(212, 350, 62, 70), 28, 28);
    // A pointed roof on top, with a flag.
    QPainterPath roof;
    roof.moveTo(110, 224);
    roof.lineTo(CX, 100);
    roof.lineTo(450, 224);
    roof.closeSubpath();
    p.setBrush(linear({110, 0}, {450, 0}, {{0, lighter(Pal::coral, 0.2)}, {1, shade(Pal::coral, 0.15)}}));
    p.drawPath(roof);
    p.setBrush(rgb(255, 224, 140));
    p.drawEllipse(QPointF(CX, 180), 22, 22);
    emoji(p, e("🔨"), QPointF(460, 320), 90, 30);
    sparkle(p, QPointF(100, 140), 24, Pal::white);
}

void magicBakery(QPainter &p)
{
    emoji(p, e("🧋"), QPointF(250, 270), 250);
    emoji(p, e("🍓"), QPointF(420, 180), 80, 15);
    emoji(p, e("🧁"), QPointF(420, 350), 110);
    for (int i = 0; i < 3; ++i)
        sparkle(p, QPointF(330 + i * 40, 140 - i * 20), 14 + i * 4, Pal::white);
}

// ---------------------------------------------------------------- Logic shelf

void sillyScene(QPainter &p)
{
    tree(p, QPointF(220, 430), 320, Pal::leaf);
    // A fish sitting in the tree and a bird trying to swim.
    emoji(p, e("🐟"), QPointF(230, 220), 100, -10);
    p.setBrush(alpha(Pal::sky, 0.8));
    p.drawEllipse(QPointF(430, 400), 90, 24);
    emoji(p, e("🐦"), QPointF(430, 370), 80);
    bubble(p, QRectF(360, 110, 110, 110), QPointF(300, 210), Pal::coral);
    label(p, QRectF(360, 108, 110, 110), QStringLiteral("?!"), Pal::white, 70, false, QFont::Bold);
}

void hiddenObjects(QPainter &p)
{
    // Bushes with a rabbit peeking out, and a sight over it.
    auto bush = [&](QPointF c, qreal r, const QColor &color) {
        p.setBrush(color);
        p.drawEllipse(c, r, r * 0.8);
        p.drawEllipse(c + QPointF(-r * 0.7, r * 0.2), r * 0.6, r * 0.5);
        p.drawEllipse(c + QPointF(r * 0.7, r * 0.2), r * 0.6, r * 0.5);
    };
    bush(QPointF(150, 360), 90, shade(Pal::leaf, 0.1));
    emoji(p, e("🐰"), QPointF(330, 262), 110, 10);
    bush(QPointF(380, 370), 100, Pal::leaf);
    flowerMeadow(p, QRectF(80, 330, 400, 80), 7, 3, 10);
    const QPointF c(330, 285);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Pal::coral, 9));
    p.drawEllipse(c, 88, 88);
    p.setPen(QPen(Pal::coral, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(0, -110), c + QPointF(0, -60));
    p.drawLine(c + QPointF(0, 110), c + QPointF(0, 60));
    p.drawLine(c + QPointF(-110, 0), c + QPointF(-60, 0));
    p.drawLine(c + QPointF(110, 0), c + QPointF(60, 0));
    p.setPen(Qt::NoPen);
    emoji(p, e("🔭"), QPointF(150, 210), 110, -10);
}

void shapeAt(QPainter &p, int kind, QPointF c, qreal r, const QColor &color)
{
    p.setBrush(linear(c - QPointF(0, r), c + QPointF(0, r), {{0, lighter(color, 0.3)}, {1, color}}));
    if (kind == 0)
        p.drawEllipse(c, r, r);
    else if (kind == 1)
        p.drawPolygon(QPolygonF{c + QPointF(0, -r * 1.05), c + QPointF(r * 1.05, r * 0.8), c + QPointF(-r * 1.05, r * 0.8)});
    else if (kind == 2)
        p.drawRoundedRect(QRectF(c.x() - r * 0.9, c.y() - r * 0.9, r * 1.8, r * 1.8), r * 0.25, r * 0.25);
    else
        star(p, c, r * 1.1, color);
}

void pattern(QPainter &p)
{
    // Circle, triangle, circle ... and which one comes next?
    card(p, QRectF(75, 140, 410, 130), 40, Pal::white, 0.2);
    shapeAt(p, 0, QPointF(135, 205), 36, Pal::coral);
    shapeAt(p, 1, QPointF(232, 208), 36, Pal::sky);
    shapeAt(p, 0, QPointF(329, 205), 36, Pal::coral);
    p.setBrush(alpha(Pal::mango, 0.18));
    p.setPen(QPen(Pal::mango, 5, Qt::DashLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(388, 165, 80, 80), 18, 18);
    p.setPen(Qt::NoPen);
    label(p, QRectF(388, 160, 80, 80), QStringLiteral("?"), Pal::mango, 60, false, QFont::Bold);
    // The answer waiting below, lifted towards the gap.
    glow(p, QPointF(330, 375), 110, alpha(Pal::white, 0.8));
    shapeAt(p, 1, QPointF(330, 375), 58, Pal::sky);
    arrow(p, QPointF(380, 350), QPointF(420, 272), Pal::white, 12);
    shapeAt(p, 2, QPointF(180, 385), 40, Pal::mint);
    sparkle(p, QPointF(400, 420), 20, Pal::white);
}

// A small landscape picture for the spot-the-difference pair.
void miniPicture(QPainter &p, const QRectF &r, bool withFlower)
{
    card(p, r.adjusted(-8, -8, 8, 8), 22, Pal::white, 0.2);
    p.save();
    p.setClipRect(r);
    fillVertical(p, r, {{0, rgb(190, 228, 250)}, {1, rgb(236, 248, 255)}});
    p.translate(r.topLeft());
    sun(p, QPointF(r.width() * 0.75, r.height() * 0.25), r.width() * 0.1);
    p.setBrush(Pal::leaf);
    p.drawEllipse(QPointF(r.width() * 0.5, r.height() * 1.15), r.width() * 0.8, r.height() * 0.5);
    tree(p, QPointF(r.width() * 0.3, r.height() * 0.8), r.height() * 0.55, shade(Pal::leaf, 0.1));
    if (withFlower)
        flower(p, QPointF(r.width() * 0.7, r.height() * 0.74), r.width() * 0.07, Pal::coral);
    p.restore();
}

void spotDifference(QPainter &p)
{
    miniPicture(p, QRectF(50, 150, 210, 220), true);
    miniPicture(p, QRectF(300, 150, 210, 220), false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Pal::coral, 8));
    p.drawEllipse(QPointF(300 + 210 * 0.7, 150 + 220 * 0.77), 34, 34);
    p.setPen(Qt::NoPen);
    emoji(p, e("👀"), QPointF(CX, 100), 120);
}

void jigsaw(QPainter &p)
{
    const char *steps[] = {"🥚", "🐣", "🐥"};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(125 + i * 155, 250 + (i == 1 ? -20 : 0));
        pictureCard(p, c, 130, QString::fromUtf8(steps[i]), (i - 1) * 6.0);
        p.setBrush(Pal::mango);
        p.drawEllipse(c + QPointF(0, 100), 26, 26);
        label(p, QRectF(c.x() - 26, c.y() + 74, 52, 52), QString::number(i + 1), Pal::white, 34, false,
              QFont::Bold);
    }
    arrow(p, QPointF(185, 160), QPointF(225, 160), Pal::white, 10);
    arrow(p, QPointF(340, 160), QPointF(380, 160), Pal::white, 10);
}

void littleDetective(QPainter &p)
{
    // Paw prints leading to a cottage, seen through a big magnifier.
    for (int i = 0; i < 4; ++i)
        emoji(p, e("🐾"), QPointF(90 + i * 44, 420 - i * 30), 40, 30);
    const QPointF c(300, 240);
    const qreal r = 140;
    p.setPen(QPen(Pal::bark, 30, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.72, r * 0.72), c + QPointF(r * 1.3, r * 1.3));
    p.setPen(Qt::NoPen);
    QPainterPath lens;
    lens.addEllipse(c, r, r);
    p.setBrush(rgb(225, 243, 255));
    p.drawPath(lens);
    p.save();
    p.setClipPath(lens);
    hill(p, W, 320, 10, 1, 420, Pal::leaf, 1);
    cottage(p, QPointF(300, 330), 190, Pal::purple);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Pal::ink, 16));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(alpha(Pal::white, 0.7), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - r + 26, c.y() - r + 26, 2 * r - 52, 2 * r - 52), 110 * 16, 50 * 16);
    p.setPen(Qt::NoPen);
    emoji(p, e("🕵️"), QPointF(110, 140), 100);
}

void colorTrap(QPainter &p)
{
    // A painter's palette with blobs, and colour words in the wrong colours.
    p.save();
    p.translate(CX, 200);
    p.rotate(-8);
    QPainterPath pal;
    pal.addEllipse(QPointF(0, 0), 200, 120);
    QPainterPath hole;
    hole.addEllipse(QPointF(110, 50), 26, 22);
    pal = pal.subtracted(hole);
    groundShadow(p, QPointF(0, 120), 360, 40);
    p.setBrush(rgb(232, 190, 140));
    p.drawPath(pal);
    const QColor blobs[] = {Pal::coral, Pal::mango, Pal::mint, Pal::sky, Pal::purple};
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(200.0 + i * 36);
        p.setBrush(blobs[i]);
        p.drawEllipse(QPointF(std::cos(a) * 130, std::sin(a) * 62 - 6), 30, 24);
    }
    p.restore();
    card(p, QRectF(70, 320, 190, 110), 28, Pal::white, 0.2);
    label(p, QRectF(70, 320, 190, 110), QStringLiteral("红"), Pal::sky, 84, true, QFont::Bold);
    card(p, QRectF(300, 320, 190, 110), 28, Pal::white, 0.2);
    label(p, QRectF(300, 320, 190, 110), QStringLiteral("蓝"), Pal::mango, 84, true, QFont::Bold);
}

void tangram(QPainter &p)
{
    // The classic square of seven pieces, with one triangle lifted out.
    const qreal s = 280;
    const QPointF o(90, 120);
    auto P = [&](qreal x, qreal y) { return o + QPointF(x * s, y * s); };
    struct Piece { QPolygonF poly; QColor color; };
    const QList<Piece> pieces = {
        {{P(0, 0), P(1, 0), P(0.5, 0.5)}, Pal::coral},
        {{P(0, 0), P(0.5, 0.5), P(0, 1)}, Pal::sky},
        {{P(1, 0), P(1, 0.5), P(0.75, 0.25)}, Pal::mango},
        {{P(0.75, 0.25), P(1, 0.5), P(0.75, 0.75), P(0.5, 0.5)}, Pal::mint},
        {{P(0.5, 0.5), P(0.75, 0.75), P(0.25, 0.75)}, Pal::purple},
        {{P(0, 1), P(0.25, 0.75), P(0.75, 0.75), P(0.5, 1)}, rgb(255, 150, 190)},
    };
    groundShadow(p, P(0.5, 1.05), s * 1.1, 30);
    for (const Piece &pc : pieces) {
        p.setBrush(linear(pc.poly.boundingRect().topLeft(), pc.poly.boundingRect().bottomRight(),
                          {{0, lighter(pc.color, 0.2)}, {1, pc.color}}));
        p.setPen(QPen(Pal::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolygon(pc.poly);
    }
    // The missing corner, dashed, and the piece floating beside it.
    QPen dash(Pal::white, 5, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(dash);
    p.setBrush(alpha(Pal::white, 0.25));
    p.drawPolygon(QPolygonF{P(1, 0.5), P(1, 1), P(0.5, 1)});
    p.setPen(QPen(Pal::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(linear(P(1.05, 0.3), P(1.4, 0.7), {{0, lighter(Pal::coral, 0.4)}, {1, Pal::mango}}));
    p.save();
    p.translate(P(1.12, 0.55));
    p.rotate(18);
    p.drawPolygon(QPolygonF{QPointF(s * 0.25, -s * 0.25), QPointF(s * 0.25, s * 0.25), QPointF(-s * 0.25, s * 0.25)});
    p.restore();
    p.setPen(Qt::NoPen);
}

void kidSudoku(QPainter &p)
{
    const QRectF board(110, 110, 340, 340);
    card(p, board, 30, Pal::white, 0.22);
    const char *animals[] = {"🐶", "🐱", "🐰", "🐼"};
    const int grid[16] = {0, 1, 2, 3, 2, 3, 0, 1, 1, 0, 3, -1, 3, 2, 1, 0};
    const qreal cell = 80;
    for (int i = 0; i < 16; ++i) {
        const QRectF r(board.left() + 10 + (i % 4) * cell, board.top() + 10 + (i / 4) * cell, cell, cell);
        p.setBrush(((i % 4) / 2 + (i / 4) / 2) % 2 ? rgb(232, 248, 240) : rgb(226, 240, 252));
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 14, 14);
        if (grid[i] < 0) {
            p.setBrush(Pal::mango);
            p.drawRoundedRect(r.adjusted(6, 6, -6, -6), 14, 14);
            label(p, r, QStringLiteral("?"), Pal::white, 52, false, QFont::Bold);
        } else {
            emoji(p, QString::fromUtf8(animals[grid[i]]), r.center(), 56);
        }
    }
}

void rotatingBlocks(QPainter &p)
{
    const QPointF c(CX, 270);
    // A curved "turn" arrow around a block carrying an arrow.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Pal::white, 18, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - 160, c.y() - 160, 320, 320), 20 * 16, 240 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Pal::white);
    // The arc ends just before the bottom, heading right.
    const QPointF end = c + QPointF(-20, 160);
    p.drawPolygon(QPolygonF{end + QPointF(-6, -34), end + QPointF(-6, 34), end + QPointF(44, 0)});
    p.save();
    p.translate(c);
    p.rotate(-20);
    block(p, QRectF(-90, -90, 180, 180), Pal::sky, QString());
    p.restore();
    p.save();
    p.translate(c + QPointF(0, -8));
    p.rotate(-20);
    arrow(p, QPointF(-50, 0), QPointF(60, 0), Pal::white, 24);
    p.restore();
    // The target, small, in the corner.
    card(p, QRectF(410, 330, 96, 96), 22, Pal::mango, 0.2);
    arrow(p, QPointF(428, 378), QPointF(488, 378), Pal::white, 14);
}

void oneLine(QPainter &p)
{
    const QPointF pts[] = {{CX, 110}, {420, 220}, {370, 400}, {190, 400}, {140, 220}, {CX, 270}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(alpha(Pal::mango, 0.35), 30, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF line(std::begin(pts), std::end(pts));
    p.drawPolyline(line);
    p.setPen(QPen(Pal::mango, 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.setPen(Qt::NoPen);
    for (int i = 1; i < 6; ++i) {
        p.setBrush(Pal::white);
        p.drawEllipse(pts[i], 26, 26);
        p.setBrush(Pal::sky);
        p.drawEllipse(pts[i], 14, 14);
    }
    star(p, pts[0], 46, Pal::mango);
    emoji(p, e("✏️"), pts[5] + QPointF(34, -34), 90);
}

void maze(QPainter &p)
{
    // A hedge maze seen from above, a fox at the start and a flag at the end.
    const QRectF board(100, 110, 360, 320);
    card(p, board, 28, rgb(246, 232, 196), 0.22);
    const qreal u = 40;
    const QPointF o = board.topLeft() + QPointF(20, 20);
    const QList<QLineF> walls = {
        {0, 0, 8, 0}, {0, 7, 8, 7}, {0, 0, 0, 5}, {8, 2, 8, 7},
        {2, 0, 2, 3}, {4, 1, 4, 5}, {2, 5, 6, 5}, {6, 1, 6, 4}, {0, 3, 2, 3}, {6, 5, 6, 7},
    };
    p.setPen(QPen(shade(Pal::leaf, 0.15), 24, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF &w : walls)
        p.drawLine(o + w.p1() * u, o + w.p2() * u);
    p.setPen(QPen(Pal::leaf, 16, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF &w : walls)
        p.drawLine(o + w.p1() * u, o + w.p2() * u);
    // The path walked so far.
    p.setPen(QPen(Pal::coral, 6, Qt::DotLine, Qt::RoundCap));
    p.drawPolyline(QPolygonF{o + QPointF(1, 6) * u, o + QPointF(1, 4) * u, o + QPointF(3, 4) * u,
                             o + QPointF(3, 1) * u, o + QPointF(5, 1) * u, o + QPointF(5, 4) * u});
    p.setPen(Qt::NoPen);
    emoji(p, e("🦊"), o + QPointF(1, 6) * u, 70);
    emoji(p, e("🏁"), o + QPointF(7, 6) * u, 60);
    pine(p, QPointF(80, 440), 150, shade(Pal::leaf, 0.2));
    pine(p, QPointF(490, 430), 130, Pal::leaf);
}

// ---------------------------------------------------------------- Coordination and memory shelf

void easel(QPainter &p, const QRectF &canvas)
{
    p.setPen(QPen(Pal::bark, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(canvas.center() + QPointF(0, -canvas.height() * 0.6), canvas.center() + QPointF(0, canvas.height() * 0.4));
    p.drawLine(canvas.bottomLeft() + QPointF(20, -20), canvas.bottomLeft() + QPointF(-10, 90));
    p.drawLine(canvas.bottomRight() + QPointF(-20, -20), canvas.bottomRight() + QPointF(10, 90));
    p.setPen(Qt::NoPen);
    card(p, canvas, 10, Pal::white, 0.22);
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(canvas.left() - 14, canvas.bottom() - 4, canvas.width() + 28, 16), 6, 6);
}

void drawGuess(QPainter &p)
{
    const QRectF canvas(90, 120, 260, 230);
    easel(p, canvas);
    // A child's drawing of a cat.
    p.setBrush(Qt::NoBrush);
    QPen pen(Pal::purple, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    const QPointF c = canvas.center() + QPointF(0, 10);
    p.drawEllipse(c, 70, 60);
    p.drawPolyline(QPolygonF{c + QPointF(-60, -30), c + QPointF(-55, -85), c + QPointF(-20, -56)});
    p.drawPolyline(QPolygonF{c + QPointF(60, -30), c + QPointF(55, -85), c + QPointF(20, -56)});
    p.setPen(QPen(Pal::ink, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(c + QPointF(-25, -8));
    p.drawPoint(c + QPointF(25, -8));
    p.setPen(QPen(Pal::coral, 5, Qt::SolidLine, Qt::RoundCap));
    for (int s : {-1, 1}) {
        p.drawLine(c + QPointF(s * 30, 14), c + QPointF(s * 90, 4));
        p.drawLine(c + QPointF(s * 30, 22), c + QPointF(s * 90, 30));
    }
    p.setPen(Qt::NoPen);
    emoji(p, e("🖌️"), QPointF(360, 360), 100, 10);
    bubble(p, QRectF(360, 110, 130, 110), QPointF(330, 230));
    emoji(p, e("🐱"), QPointF(425, 158), 70);
    label(p, QRectF(440, 130, 50, 60), QStringLiteral("?"), Pal::coral, 48, false, QFont::Bold);
}

void freeCanvas(QPainter &p)
{
    const QRectF canvas(110, 120, 340, 270);
    easel(p, canvas);
    // Big happy brush strokes.
    const QColor strokes[] = {Pal::coral, Pal::mango, Pal::mint, Pal::sky, Pal::purple};
    p.setBrush(Qt::NoBrush);
    p.save();
    p.setClipRect(canvas.adjusted(10, 10, -10, -10));
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(strokes[i], 18, Qt::SolidLine, Qt::RoundCap));
        QPainterPath s;
        s.moveTo(canvas.left() + 20, canvas.bottom() - 30 - i * 20);
        s.cubicTo(canvas.left() + 110, canvas.top() + 20 - i * 14, canvas.right() - 120, canvas.bottom() - 40,
                  canvas.right() - 20, canvas.top() + 70 + i * 18);
        p.drawPath(s);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    sun(p, canvas.topLeft() + QPointF(70, 60), 26);
    emoji(p, e("🖍️"), QPointF(460, 380), 110, -30);
    emoji(p, e("🎨"), QPointF(110, 390), 100);
}

void reaction(QPainter &p)
{
    // A star bouncing along, leaving arcs behind, and a quick finger.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(alpha(Pal::white, 0.8), 6, Qt::DashLine, Qt::RoundCap));
    QPainterPath hop;
    hop.moveTo(70, 400);
    hop.quadTo(140, 240, 210, 380);
    hop.quadTo(300, 130, 370, 220);
    p.drawPath(hop);
    p.setPen(Qt::NoPen);
    glow(p, QPointF(380, 210), 130, alpha(rgb(255, 240, 160), 0.9));
    star(p, QPointF(380, 210), 90, Pal::mango, 12);
    p.setBrush(Pal::ink);
    p.drawEllipse(QPointF(360, 205), 8, 11);
    p.drawEllipse(QPointF(398, 200), 8, 11);
    p.setPen(QPen(Pal::ink, 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(362, 210, 36, 26), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    emoji(p, e("👆"), QPointF(230, 350), 130, -15);
    for (int i = 0; i < 3; ++i)
        sparkle(p, QPointF(470, 120 + i * 90), 18, Pal::white);
}

void fruitCatcher(QPainter &p)
{
    const char *fruit[] = {"🍎", "🍌", "🍇", "🍓", "🍊"};
    const QPointF at[] = {{200, 270}, {320, 110}, {440, 160}, {300, 225}, {420, 280}};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(alpha(Pal::white, 0.6), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at[i] + QPointF(0, -40), at[i] + QPointF(0, -80));
        p.setPen(Qt::NoPen);
        emoji(p, QString::fromUtf8(fruit[i]), at[i], 80, (i - 2) * 10.0);
    }
    emoji(p, e("🧺"), QPointF(CX, 390), 200);
}

void redLight(QPainter &p)
{
    // A friendly traffic light with red and green lit.
    const QRectF box(200, 80, 160, 360);
    p.setBrush(Pal::ink);
    p.drawRect(QRectF(266, 430, 28, 60));
    card(p, box, 50, Pal::ink, 0.25);
    const QColor lights[] = {Pal::coral, rgb(90, 90, 110), rgb(110, 220, 130)};
    for (int i = 0; i < 3; ++i) {
        const QPointF c(CX, box.top() + 62 + i * 118);
        if (i != 1)
            glow(p, c, 90, alpha(lights[i], 0.7));
        p.setBrush(lights[i]);
        p.drawEllipse(c, 46, 46);
        p.setBrush(alpha(Pal::white, 0.35));
        p.drawEllipse(c + QPointF(-14, -16), 14, 10);
    }
    emoji(p, e("✋"), QPointF(110, 190), 110, -10);
    emoji(p, e("🏃"), QPointF(450, 340), 120);
}

void rhythmTap(QPainter &p)
{
    emoji(p, e("🪐"), QPointF(CX, 230), 240);
    for (int i = 0; i < 4; ++i)
        musicNote(p, QPointF(90 + (i % 2) * 380, 170 + (i / 2) * 170), 60, i % 2 ? Pal::white : Pal::mango);
    emoji(p, e("🥁"), QPointF(CX, 400), 110);
}

void memoryMatch(QPainter &p)
{
    auto back = [&](QPointF c, qreal angle) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        card(p, QRectF(-60, -75, 120, 150), 20, Pal::purple, 0.2);
        p.setBrush(alpha(Pal::white, 0.25));
        p.drawRoundedRect(QRectF(-48, -63, 96, 126), 14, 14);
        star(p, QPointF(0, 0), 28, Pal::mango);
        p.restore();
    };
    back(QPointF(130, 170), -8);
    back(QPointF(430, 170), 8);
    back(QPointF(140, 360), 6);
    back(QPointF(420, 360), -6);
    pictureCard(p, QPointF(230, 270), 140, e("🐼"), -6);
    pictureCard(p, QPointF(340, 270), 140, e("🐼"), 6);
    heart(p, QPointF(CX, 150), 26, Pal::coral);
}

void whatsMissing(QPainter &p)
{
    // A row of friends on a bench, one seat empty and marked.
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(50, 340, 460, 26), 12, 12);
    p.drawRect(QRectF(80, 360, 18, 60));
    p.drawRect(QRectF(462, 360, 18, 60));
    emoji(p, e("🐻"), QPointF(120, 280), 120);
    emoji(p, e("🐰"), QPointF(240, 270), 120);
    emoji(p, e("🐸"), QPointF(450, 285), 110);
    p.setBrush(alpha(Pal::white, 0.3));
    p.setPen(QPen(Pal::white, 6, Qt::DashLine, Qt::RoundCap));
    p.drawEllipse(QPointF(345, 275), 56, 56);
    p.setPen(Qt::NoPen);
    label(p, QRectF(290, 215, 110, 120), QStringLiteral("?"), Pal::white, 90, false, QFont::Bold);
    emoji(p, e("👀"), QPointF(CX, 140), 100);
}

void trackingBalls(QPainter &p)
{
    // Three balls swirling, the yellow one leaving a trail.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(alpha(Pal::white, 0.5), 5, Qt::DashLine));
    p.drawEllipse(QPointF(CX, 270), 190, 120);
    p.setPen(Qt::NoPen);
    auto ball = [&](QPointF c, qreal r, const QColor &color) {
        groundShadow(p, c + QPointF(0, r * 1.1), r * 2, r * 0.4);
        QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
        g.setColorAt(0, lighter(color, 0.55));
        g.setColorAt(1, color);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    };
    for (int i = 4; i >= 1; --i) {
        p.setBrush(alpha(Pal::mango, 0.12 * (5 - i)));
        const qreal a = qDegreesToRadians(200.0 + i * 16);
        p.drawEllipse(QPointF(CX + std::cos(a) * 190, 270 + std::sin(a) * 120), 40 - i * 4, 40 - i * 4);
    }
    ball(QPointF(CX + std::cos(qDegreesToRadians(200.0)) * 190, 270 + std::sin(qDegreesToRadians(200.0)) * 120),
         50, rgb(255, 206, 60));
    ball(QPointF(390, 360), 46, Pal::sky);
    ball(QPointF(330, 170), 46, Pal::coral);
    emoji(p, e("👀"), QPointF(CX, 275), 90);
}

void sequenceMemory(QPainter &p)
{
    for (int i = 0; i < 3; ++i) {
        const QPointF c(140 + i * 140, 230 + (i == 1 ? -30 : 0));
        const bool lit = i < 2;
        if (lit)
            glow(p, c, 110, alpha(rgb(255, 236, 150), 0.9));
        emoji(p, e("💡"), c, 140, 0, lit ? 1.0 : 0.45);
        p.setBrush(lit ? Pal::mango : alpha(Pal::white, 0.6));
        p.drawEllipse(c + QPointF(0, 130), 30, 30);
        label(p, QRectF(c.x() - 30, c.y() + 100, 60, 60), QString::number(i + 1), lit ? Pal::white : Pal::softInk,
              38, false, QFont::Bold);
    }
}

void routeMemory(QPainter &p)
{
    // A path of stepping stones, turning twice, with the fox walking it.
    const QPointF pts[] = {{110, 420}, {110, 300}, {280, 300}, {280, 170}, {450, 170}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rgb(250, 230, 190), 56, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({pts[0], pts[1], pts[2], pts[3], pts[4]}));
    p.setPen(QPen(Pal::coral, 8, Qt::DotLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({pts[0], pts[1], pts[2], pts[3], pts[4]}));
    p.setPen(Qt::NoPen);
    arrow(p, QPointF(150, 260), QPointF(230, 260), Pal::white, 12);
    arrow(p, QPointF(320, 250), QPointF(320, 200), Pal::white, 12);
    emoji(p, e("🦊"), QPointF(110, 380), 110);
    emoji(p, e("🏠"), QPointF(460, 140), 110);
    tree(p, QPointF(440, 420), 170, Pal::leaf);
    pine(p, QPointF(170, 200), 120, shade(Pal::leaf, 0.15));
}

void schulteGrid(QPainter &p)
{
    const QRectF board(110, 110, 340, 340);
    card(p, board, 30, Pal::white, 0.22);
    const int nums[16] = {7, 12, 1, 15, 3, 9, 14, 5, 10, 2, 16, 8, 13, 6, 4, 11};
    const QColor tints[] = {rgb(226, 246, 238), rgb(236, 230, 252)};
    for (int i = 0; i < 16; ++i) {
        const QRectF r(board.left() + 10 + (i % 4) * 80, board.top() + 10 + (i / 4) * 80, 80, 80);
        const bool found = nums[i] <= 3;
        p.setBrush(found ? Pal::mango : tints[(i + i / 4) % 2]);
        p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 14, 14);
        label(p, r, QString::number(nums[i]), found ? Pal::white : Pal::purple, 40, false, QFont::Bold);
    }
    emoji(p, e("💎"), QPointF(455, 440), 90, 15);
}

// ---------------------------------------------------------------- Video and science shelf

void spaceTrip(QPainter &p)
{
    // A little cinema screen showing a rocket in space, with curtains and popcorn.
    const QRectF screen(90, 110, 380, 260);
    card(p, screen.adjusted(-12, -12, 12, 12), 26, Pal::ink, 0.25);
    p.save();
    p.setClipRect(screen);
    fillVertical(p, screen, {{0, rgb(40, 40, 100)}, {1, rgb(90, 70, 160)}});
    starField(p, screen, 30, 11, Pal::white, 3, 7);
    emoji(p, e("🪐"), QPointF(390, 170), 100);
    emoji(p, e("🚀"), QPointF(230, 260), 140, 0);
    p.restore();
    p.setBrush(Pal::coral);
    for (int s : {-1, 1}) {
        QPainterPath c;
        const qreal x = s < 0 ? screen.left() - 12 : screen.right() + 12;
        c.moveTo(x, screen.top() - 14);
        c.lineTo(x - s * 70, screen.top() - 14);
        c.quadTo(x - s * 20, screen.center().y(), x - s * 40, screen.bottom() + 14);
        c.lineTo(x, screen.bottom() + 14);
        c.closeSubpath();
        p.drawPath(c);
    }
    emoji(p, e("🍿"), QPointF(450, 400), 100, 8);
    // Play button.
    p.setBrush(alpha(Pal::white, 0.9));
    p.drawEllipse(QPointF(120, 400), 40, 40);
    p.setBrush(Pal::coral);
    p.drawPolygon(QPolygonF{{108, 380}, {108, 420}, {140, 400}});
}

void animalSounds(QPainter &p)
{
    emoji(p, e("🦁"), QPointF(210, 260), 210);
    soundWaves(p, QPointF(300, 260), 70, 0, Pal::white);
    emoji(p, e("🐮"), QPointF(440, 150), 90);
    emoji(p, e("🐔"), QPointF(450, 370), 80);
    emoji(p, e("🔊"), QPointF(120, 120), 80);
}

void instrumentEars(QPainter &p)
{
    // A row of piano keys with instruments resting on top.
    const QRectF keys(70, 300, 420, 140);
    card(p, keys.adjusted(-10, -10, 10, 10), 22, Pal::ink, 0.22);
    const qreal kw = keys.width() / 7;
    for (int i = 0; i < 7; ++i) {
        p.setBrush(i == 2 ? rgb(255, 236, 170) : Pal::white);
        p.drawRoundedRect(QRectF(keys.left() + i * kw + 2, keys.top(), kw - 4, keys.height()), 8, 8);
    }
    p.setBrush(Pal::ink);
    for (int i : {0, 1, 3, 4, 5})
        p.drawRoundedRect(QRectF(keys.left() + (i + 1) * kw - kw * 0.28, keys.top(), kw * 0.56, keys.height() * 0.58), 6, 6);
    emoji(p, e("🎻"), QPointF(160, 210), 140, -20);
    emoji(p, e("🎺"), QPointF(400, 210), 130, 10);
    emoji(p, e("👂"), QPointF(CX, 150), 90);
    musicNote(p, QPointF(290, 260), 50, Pal::mango);
}

// How a cover's subject is drawn smaller and moved so that it leaves the tile's corner
// free: scaled about the middle of its ground line, then shifted.
struct Fit
{
    qreal scale = 1;
    qreal dx = 0;
    qreal dy = 0;
};
constexpr QPointF kGround(CX, 440);

struct Cover
{
    const char *id;
    const char *shelf;
    void (*paint)(QPainter &);
    Fit fit = {};
    void (*scenery)(QPainter &) = nullptr; // drawn with the page, may pass under the tile
};

const Cover kCovers[] = {
    {"english-listen", "english", englishListen, {0.94, 0, 0}},
    {"word-shooter", "english", wordShooter, {0.8, 40, 0}},
    {"phonics-train", "english", phonicsTrain, {0.82, 0, 35}},
    {"simon-directions", "english", simonDirections, {0.76, 0, 30}},
    {"picture-book", "english", pictureBook, {0.74, 0, -5}},
    {"word-builder", "english", wordBuilder, {0.88, 0, 25}},
    {"chinese-match", "chinese", chineseMatch, {0.9, 10, -5}},
    {"idiom-pictures", "chinese", idiomPictures, {0.76, 0, 5}},
    {"story-chain", "chinese", storyChain},
    {"radical-builder", "chinese", radicalBuilder, {0.8, 0, 0}},
    {"sentence-maker", "chinese", sentenceMaker, {0.86, 0, 20}},
    {"math-battle", "math", mathBattle, {0.82, 0, 0}},
    {"make-ten", "math", makeTen, {0.72, 0, -5}},
    {"supermarket", "math", supermarket, {1, 0, 5}, shopAwning},
    {"clock-master", "math", clockMaster, {0.74, 0, -5}},
    {"little-lab", "math", littleLab, {0.82, 40, 0}},
    {"number-slider", "math", numberSlider, {0.78, 0, 0}},
    {"magic-closet", "dress-up", magicCloset, {0.8, 0, 0}},
    {"pet-care", "dress-up", petCare, {0.86, 0, -5}},
    {"magic-builder", "dress-up", magicBuilder, {0.82, 0, 5}},
    {"magic-bakery", "dress-up", magicBakery},
    {"silly-scene", "logic-thinking", sillyScene, {0.8, 0, -5}},
    {"hidden-objects", "logic-thinking", hiddenObjects, {0.94, 0, 0}},
    {"pattern", "logic-thinking", pattern, {0.86, 0, 0}},
    {"spot-difference", "logic-thinking", spotDifference, {0.84, 35, 0}},
    {"jigsaw", "logic-thinking", jigsaw, {1, 0, 40}},
    {"little-detective", "logic-thinking", littleDetective, {0.74, 0, 0}},
    {"color-trap", "logic-thinking", colorTrap, {0.74, 33, -5}},
    {"tangram", "logic-thinking", tangram, {0.86, 0, 15}},
    {"kid-sudoku", "logic-thinking", kidSudoku, {0.78, 0, 0}},
    {"rotating-blocks", "logic-thinking", rotatingBlocks, {0.8, 30, 0}},
    {"one-line", "logic-thinking", oneLine, {1, 30, 0}},
    {"maze", "logic-thinking", maze, {0.78, 0, -5}},
    {"draw-guess", "coordination-memory", drawGuess, {0.8, 38, 0}},
    {"free-canvas", "coordination-memory", freeCanvas, {0.8, 0, 5}},
    {"reaction", "coordination-memory", reaction},
    {"fruit-catcher", "coordination-memory", fruitCatcher},
    {"red-light", "coordination-memory", redLight, {0.78, 40, 0}},
    {"rhythm-tap", "coordination-memory", rhythmTap, {0.78, 0, 0}},
    {"memory-match", "coordination-memory", memoryMatch, {0.72, 0, -5}},
    {"whats-missing", "coordination-memory", whatsMissing, {0.86, 25, 0}},
    {"tracking-balls", "coordination-memory", trackingBalls, {0.9, 0, 20}},
    {"sequence-memory", "coordination-memory", sequenceMemory, {0.92, 30, 35}},
    {"route-memory", "coordination-memory", routeMemory, {0.72, 0, 0}},
    {"schulte-grid", "coordination-memory", schulteGrid, {0.8, 0, 5}},
    {"space-trip", "video-science", spaceTrip, {0.76, 0, 0}},
    {"animal-sounds", "video-science", animalSounds, {0.74, 0, 5}},
    {"instrument-ears", "video-science", instrumentEars, {0.82, 5, 0}},
};

} // namespace

QList<std::pair<QString, QString>> coveredGames()
{
    QList<std::pair<QString, QString>> out;
    for (const Cover &c : kCovers)
        out.append({QString::fromLatin1(c.id), QString::fromLatin1(c.shelf)});
    return out;
}

QList<Picture> covers()
{
    QList<Picture> out;
    for (const Cover &c : kCovers) {
        const QString shelf = QString::fromLatin1(c.shelf);
        const auto page = [shelf, scenery = c.scenery](QPainter &p) {
            backdrop(p, shelf);
            if (scenery)
                scenery(p);
        };
        out.append({.name = QStringLiteral("game_cover_") + QString::fromLatin1(c.id).replace(u'-', u'_'),
                    .size = QSize(int(W), int(H)),
                    .paint = [page, paint = c.paint, fit = c.fit](QPainter &p) {
                        page(p);
                        p.save();
                        p.translate(kGround + QPointF(fit.dx, fit.dy));
                        p.scale(fit.scale, fit.scale);
                        p.translate(-kGround);
                        p.setPen(Qt::NoPen);
                        paint(p);
                        p.restore();
                    },
                    .page = page,
                    .hidden = kTileCorner});
    }
    return out;
}

} // namespace Art
