// The pictures of the picture books, 1040 × 640: one cover for each hero animal
// ("storybook_<animal>") and one page picture for each story moment
// ("storybook_scene_<moment>"). The reader shows them scaled to fill a wide card and
// darkens their lower part under the text, so each keeps its subject in the upper middle
// and lets the edges be sky and ground.

#include "ArtKit.h"
#include "Pictures.h"

#include <QtMath>

namespace Art {
namespace {

constexpr qreal W = 1040;
constexpr qreal H = 640;

enum class Place { Meadow, Forest, Sea, Snow, Pond, Savanna, Bamboo };

// Sky, light and ground of a place; `seed` varies the flowers and stars.
void backdrop(QPainter &p, Place place, quint32 seed, bool night = false, bool sunny = true)
{
    p.setPen(Qt::NoPen);
    switch (place) {
    case Place::Sea:
        fillVertical(p, QRectF(0, 0, W, H),
                     {{0, lighter(Pal::sky, 0.45)}, {0.25, Pal::sky}, {0.6, mix(Pal::sky, Pal::purple, 0.35)},
                      {1, shade(mix(Pal::sky, Pal::purple, 0.45), 0.35)}});
        for (int i = 0; i < 6; ++i)
            glow(p, QPointF(120 + i * 170, -40), 160, alpha(Pal::white, 0.22));
        for (int i = 0; i < 26; ++i) {
            const QPointF c(40 + (i * 397 % 960), 90 + (i * 211 % 470));
            const qreal r = 5 + (i * 7 % 14);
            p.setBrush(alpha(Pal::white, 0.18));
            p.setPen(QPen(alpha(Pal::white, 0.55), 2));
            p.drawEllipse(c, r, r);
            p.setPen(Qt::NoPen);
        }
        hill(p, W, 560, 20, 1.0 + seed, H, rgb(244, 222, 170), 1.3);
        for (qreal x : {90.0, 200.0, 870.0, 960.0}) {
            p.setBrush(alpha(Pal::mint, 0.85));
            QPainterPath weed;
            weed.moveTo(x - 10, 600);
            weed.cubicTo(x - 40, 520, x + 30, 480, x, 400);
            weed.cubicTo(x + 40, 480, x - 10, 520, x + 12, 600);
            p.drawPath(weed);
        }
        return;
    case Place::Snow:
        fillVertical(p, QRectF(0, 0, W, H),
                     {{0, mix(Pal::purple, Pal::sky, 0.55)}, {0.45, lighter(Pal::sky, 0.45)}, {1, Pal::white}});
        starField(p, QRectF(0, 0, W, 260), 30, seed, Pal::white, 2, 6);
        hill(p, W, 430, 40, 0.7, H, lighter(Pal::sky, 0.8), 1.2);
        hill(p, W, 520, 26, 2.3, H, Pal::white, 1.0);
        for (qreal x : {110.0, 930.0})
            pine(p, QPointF(x, 470), 150, shade(Pal::leaf, 0.2));
        return;
    default:
        break;
    }
    if (night) {
        fillVertical(p, QRectF(0, 0, W, H),
                     {{0, shade(Pal::purple, 0.55)}, {0.55, mix(Pal::purple, Pal::sky, 0.3)}, {1, shade(Pal::purple, 0.3)}});
        starField(p, QRectF(0, 0, W, 380), 50, seed, rgb(255, 240, 180), 2, 8);
    } else {
        const QColor top = place == Place::Savanna ? rgb(255, 206, 150) : lighter(Pal::sky, 0.15);
        fillVertical(p, QRectF(0, 0, W, H), {{0, top}, {0.5, lighter(Pal::sky, 0.6)}, {0.75, Pal::cream}, {1, Pal::cream}});
        cloud(p, QPointF(170, 110), 220, Pal::white, 0.9);
        cloud(p, QPointF(880, 80), 180, Pal::white, 0.85);
    }
    const QColor far = place == Place::Savanna ? rgb(236, 196, 110) : lighter(Pal::mint, 0.45);
    const QColor near = place == Place::Savanna ? rgb(214, 170, 86) : Pal::leaf;
    hill(p, W, 400, 36, 0.4 + seed * 0.3, H, night ? shade(far, 0.45) : far, 1.3);
    if (place == Place::Forest) {
        for (qreal x : {60.0, 170.0, 880.0, 990.0})
            pine(p, QPointF(x, 450 + int(x) % 3 * 8), 210, shade(Pal::leaf, 0.15));
        for (qreal x : {270.0, 790.0})
            tree(p, QPointF(x, 470), 170, Pal::leaf);
    } else if (place == Place::Bamboo) {
        for (qreal x : {60.0, 120.0, 190.0, 850.0, 920.0, 990.0}) {
            p.setBrush(mix(Pal::leaf, Pal::mint, 0.4));
            p.drawRoundedRect(QRectF(x, 60, 20, 460), 8, 8);
            p.setBrush(shade(Pal::leaf, 0.2));
            for (qreal y = 110; y < 500; y += 90)
                p.drawRect(QRectF(x - 2, y, 24, 5));
            emoji(p, QStringLiteral("🌿"), QPointF(x + 30, 150 + int(x) % 4 * 40), 60, 30);
        }
    } else if (place == Place::Savanna) {
        sun(p, QPointF(860, 150), 70);
        tree(p, QPointF(130, 460), 180, rgb(120, 160, 80));
    } else if (place == Place::Pond) {
        p.setBrush(linear({0, 440}, {0, 600}, {{0, lighter(Pal::sky, 0.3)}, {1, Pal::sky}}));
        p.drawEllipse(QPointF(W / 2, 540), 460, 110);
        for (qreal x : {240.0, 780.0}) {
            p.setBrush(mix(Pal::leaf, Pal::mint, 0.3));
            p.drawEllipse(QPointF(x, 560), 70, 22);
        }
    } else if (!night && sunny) {
        sun(p, QPointF(900, 130), 56);
    }
    hill(p, W, 500, 24, 2.0 + seed * 0.5, H, night ? shade(near, 0.4) : near, 1.0);
    if (place == Place::Meadow)
        flowerMeadow(p, QRectF(0, 560, W, 70), 22, seed + 5, 10);
}

// The hero of a cover: the animal large on its ground, with a few things of its story.
void hero(QPainter &p, const QString &animal, const QList<QString> &props)
{
    glow(p, QPointF(W / 2, 260), 300, alpha(rgb(255, 240, 200), 0.65));
    groundShadow(p, QPointF(W / 2, 470), 250, 40, 0.22);
    emoji(p, animal, QPointF(W / 2, 300), 330);
    const QList<QPointF> spots{{W / 2 - 290, 360}, {W / 2 + 290, 340}, {W / 2 - 210, 150}, {W / 2 + 230, 140}};
    const QList<qreal> sizes{130, 120, 90, 84};
    for (int i = 0; i < props.size() && i < spots.size(); ++i)
        emoji(p, props[i], spots[i], sizes[i], (i % 2 ? 10 : -10));
    sparkle(p, QPointF(W / 2 + 170, 90), 14, Pal::white);
    sparkle(p, QPointF(W / 2 - 170, 240), 10, Pal::white);
}

struct HeroArt
{
    const char *key;
    const char *emoji;
    Place place;
    QList<QString> props;
};

const QList<HeroArt> &heroes()
{
    static const QList<HeroArt> all{
        {"bear", "🐻", Place::Forest, {QStringLiteral("☂️"), QStringLiteral("🍯"), QStringLiteral("🌧️")}},
        {"rabbit", "🐰", Place::Meadow, {QStringLiteral("🥕"), QStringLiteral("🌙"), QStringLiteral("⭐")}},
        {"cat", "🐱", Place::Meadow, {QStringLiteral("🎐"), QStringLiteral("🎶"), QStringLiteral("🦋")}},
        {"dog", "🐶", Place::Meadow, {QStringLiteral("🔴"), QStringLiteral("🦴"), QStringLiteral("🌳")}},
        {"fox", "🦊", Place::Forest, {QStringLiteral("🌱"), QStringLiteral("🍄"), QStringLiteral("🍂")}},
        {"squirrel", "🐿️", Place::Forest, {QStringLiteral("✉️"), QStringLiteral("🌰"), QStringLiteral("📮")}},
        {"panda", "🐼", Place::Bamboo, {QStringLiteral("🎂"), QStringLiteral("🎈"), QStringLiteral("🎉")}},
        {"deer", "🦌", Place::Forest, {QStringLiteral("🌈"), QStringLiteral("🌸"), QStringLiteral("🦋")}},
        {"elephant", "🐘", Place::Savanna, {QStringLiteral("🎁"), QStringLiteral("💧"), QStringLiteral("🌼")}},
        {"duck", "🦆", Place::Pond, {QStringLiteral("⛵"), QStringLiteral("🪷"), QStringLiteral("☀️")}},
        {"bird", "🐦", Place::Meadow, {QStringLiteral("🪺"), QStringLiteral("🏠"), QStringLiteral("🍃")}},
        {"dolphin", "🐬", Place::Sea, {QStringLiteral("💡"), QStringLiteral("🐚"), QStringLiteral("🫧")}},
        {"frog", "🐸", Place::Pond, {QStringLiteral("🎵"), QStringLiteral("🪷"), QStringLiteral("🎶")}},
        {"bee", "🐝", Place::Meadow, {QStringLiteral("🍯"), QStringLiteral("🌻"), QStringLiteral("🌷")}},
        {"turtle", "🐢", Place::Meadow, {QStringLiteral("🎒"), QStringLiteral("🗺️"), QStringLiteral("🌤️")}},
        {"sheep", "🐑", Place::Meadow, {QStringLiteral("🧶"), QStringLiteral("☁️"), QStringLiteral("☁️")}},
        {"horse", "🐴", Place::Meadow, {QStringLiteral("🌬️"), QStringLiteral("🌾"), QStringLiteral("🪁")}},
        {"lion", "🦁", Place::Savanna, {QStringLiteral("👑"), QStringLiteral("🌟"), QStringLiteral("🦋")}},
        {"penguin", "🐧", Place::Snow, {QStringLiteral("🧣"), QStringLiteral("❄️"), QStringLiteral("⛄")}},
        {"whale", "🐳", Place::Sea, {QStringLiteral("⭐"), QStringLiteral("🌟"), QStringLiteral("✨")}},
    };
    return all;
}

// A story moment: its place, the main things in the middle and small ones around.
struct SceneArt
{
    const char *key;
    Place place;
    bool night;
    QList<QString> main;
    QList<QString> around;
    void (*extra)(QPainter &);
};

void rain(QPainter &p)
{
    cloud(p, QPointF(300, 90), 300, rgb(200, 210, 230), 0.95);
    cloud(p, QPointF(740, 70), 340, rgb(190, 200, 225), 0.95);
    p.setPen(QPen(alpha(Pal::sky, 0.75), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 40; ++i) {
        const QPointF a(30 + (i * 263 % 980), 150 + (i * 137 % 330));
        p.drawLine(a, a + QPointF(-8, 26));
    }
    p.setPen(Qt::NoPen);
}

void picnic(QPainter &p)
{
    p.setBrush(alpha(Pal::coral, 0.9));
    QPolygonF blanket{{260, 470}, {780, 470}, {860, 600}, {180, 600}};
    p.drawPolygon(blanket);
    p.setBrush(alpha(Pal::white, 0.5));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(250 + i * 120, 470, 40, 130));
}

void bench(QPainter &p)
{
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(250, 330, 540, 34), 10, 10);
    p.drawRoundedRect(QRectF(250, 390, 540, 34), 10, 10);
    p.drawRect(QRectF(290, 420, 26, 120));
    p.drawRect(QRectF(724, 420, 26, 120));
}

void table(QPainter &p)
{
    card(p, QRectF(220, 250, 600, 150), 30, rgb(246, 214, 170), 0.2);
    p.setBrush(shade(rgb(246, 214, 170), 0.25));
    p.drawRect(QRectF(270, 400, 24, 150));
    p.drawRect(QRectF(746, 400, 24, 150));
}

void bubbles(QPainter &p)
{
    for (int i = 0; i < 24; ++i) {
        const QPointF c(180 + (i * 331 % 700), 80 + (i * 173 % 360));
        const qreal r = 12 + (i * 11 % 30);
        p.setBrush(alpha(Pal::white, 0.25));
        p.setPen(QPen(alpha(mix(Pal::sky, Pal::purple, (i % 5) / 5.0), 0.8), 3));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(alpha(Pal::white, 0.8));
        p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.35), r * 0.2, r * 0.2);
    }
}

void trail(QPainter &p)
{
    p.setBrush(linear({0, 380}, {0, 640}, {{0, rgb(240, 214, 170)}, {1, rgb(214, 178, 128)}}));
    QPainterPath s;
    s.moveTo(380, 640);
    s.cubicTo(460, 520, 600, 470, 540, 380);
    s.lineTo(580, 380);
    s.cubicTo(680, 470, 600, 540, 700, 640);
    s.closeSubpath();
    p.drawPath(s);
}

void flags(QPainter &p)
{
    p.setPen(QPen(alpha(Pal::ink, 0.4), 3));
    p.drawLine(QPointF(40, 60), QPointF(1000, 60));
    p.setPen(Qt::NoPen);
    const QList<QColor> colors{Pal::coral, Pal::mango, Pal::mint, Pal::sky, Pal::purple};
    for (int i = 0; i < 16; ++i) {
        p.setBrush(colors[i % colors.size()]);
        const qreal x = 60 + i * 60;
        p.drawPolygon(QPolygonF{{x, 60}, {x + 44, 60}, {x + 22, 110}});
    }
    table(p);
}

void branch(QPainter &p)
{
    tree(p, QPointF(200, 520), 420, Pal::leaf);
    p.setBrush(rgb(240, 220, 180));
    p.drawEllipse(QPointF(W / 2, 430), 170, 60);
    p.setBrush(shade(rgb(240, 220, 180), 0.2));
    p.drawChord(QRectF(W / 2 - 170, 370, 340, 140), 180 * 16, 180 * 16);
}

void shelf(QPainter &p)
{
    moon(p, QPointF(860, 110), 52);
    p.setBrush(Pal::bark);
    p.drawRoundedRect(QRectF(230, 140, 580, 380), 18, 18);
    p.setBrush(shade(Pal::bark, 0.35));
    for (qreal y : {170.0, 300.0, 430.0})
        p.drawRect(QRectF(255, y, 530, 96));
    const QList<QColor> colors{Pal::coral, Pal::mango, Pal::mint, Pal::sky, Pal::purple, Pal::cream};
    for (int row = 0; row < 3; ++row) {
        for (int i = 0; i < 12; ++i) {
            if ((row + i) % 7 == 3)
                continue;
            p.setBrush(colors[(row * 5 + i) % colors.size()]);
            const qreal h = 70 + (i * 13 % 20);
            p.drawRoundedRect(QRectF(265 + i * 43, 170 + row * 130 + 96 - h, 34, h), 4, 4);
        }
    }
    glow(p, QPointF(W / 2, 320), 320, alpha(rgb(255, 236, 170), 0.3));
}

const QList<SceneArt> &scenesOfStories()
{
    static const QList<SceneArt> all{
        {"seed", Place::Meadow, false, {QStringLiteral("🌱"), QStringLiteral("🪴")},
         {QStringLiteral("💧"), QStringLiteral("🌤️"), QStringLiteral("🌷")}, nullptr},
        {"rain", Place::Meadow, false, {QStringLiteral("☂️"), QStringLiteral("🌧️")},
         {QStringLiteral("💧"), QStringLiteral("💧"), QStringLiteral("🐌")}, rain},
        {"share", Place::Meadow, false, {QStringLiteral("🧺"), QStringLiteral("🍪")},
         {QStringLiteral("🍪"), QStringLiteral("🍎"), QStringLiteral("🧃")}, picnic},
        {"help", Place::Meadow, false, {QStringLiteral("🦉"), QStringLiteral("🧸")},
         {QStringLiteral("🌳"), QStringLiteral("🪑"), QStringLiteral("💛")}, bench},
        {"puzzle", Place::Meadow, false, {QStringLiteral("🧩"), QStringLiteral("🔎")},
         {QStringLiteral("🧩"), QStringLiteral("✨"), QStringLiteral("🧩")}, table},
        {"wash", Place::Meadow, false, {QStringLiteral("🧼"), QStringLiteral("🖐️")},
         {QStringLiteral("🖍️"), QStringLiteral("🫧"), QStringLiteral("🌸")}, bubbles},
        {"lost", Place::Forest, false, {QStringLiteral("🐑"), QStringLiteral("🦉")},
         {QStringLiteral("🧭"), QStringLiteral("👫"), QStringLiteral("🍄")}, trail},
        {"birthday", Place::Meadow, false, {QStringLiteral("🎂"), QStringLiteral("🎈")},
         {QStringLiteral("💐"), QStringLiteral("🎁"), QStringLiteral("🎈")}, flags},
        {"birdcare", Place::Meadow, false, {QStringLiteral("🐦"), QStringLiteral("🧺")},
         {QStringLiteral("🪽"), QStringLiteral("🍃"), QStringLiteral("💛")}, branch},
        {"library", Place::Meadow, true, {QStringLiteral("📚"), QStringLiteral("📖")},
         {QStringLiteral("🌙"), QStringLiteral("⭐"), QStringLiteral("✨")}, shelf},
    };
    return all;
}

void paintScene(QPainter &p, const SceneArt &s, quint32 seed)
{
    backdrop(p, s.place, seed, s.night, s.extra != rain);
    if (s.extra)
        s.extra(p);
    glow(p, QPointF(W / 2, 250), 260, alpha(rgb(255, 244, 210), s.night ? 0.25 : 0.45));
    groundShadow(p, QPointF(W / 2, 450), 330, 36, 0.18);
    emoji(p, s.main.value(0), QPointF(W / 2 - 110, 290), 250, -6);
    emoji(p, s.main.value(1), QPointF(W / 2 + 150, 320), 200, 8);
    const QList<QPointF> spots{{150, 200}, {890, 230}, {W / 2, 100}};
    for (int i = 0; i < s.around.size() && i < spots.size(); ++i)
        emoji(p, s.around[i], spots[i], 96, i % 2 ? 12 : -12);
    vignette(p, QSizeF(W, H), Pal::ink, 0.18);
}

} // namespace

QList<Picture> storybookPictures()
{
    const QSize size{int(W), int(H)};
    QList<Picture> out;
    quint32 seed = 1;
    for (const HeroArt &h : heroes()) {
        const HeroArt art = h;
        const quint32 s = seed++;
        out.append({QStringLiteral("storybook_") + QLatin1String(art.key), size, [art, s](QPainter &p) {
                        backdrop(p, art.place, s);
                        hero(p, QString::fromUtf8(art.emoji), art.props);
                        vignette(p, QSizeF(W, H), Pal::ink, 0.16);
                    }});
    }
    for (const SceneArt &sc : scenesOfStories()) {
        const SceneArt art = sc;
        const quint32 s = seed++;
        out.append({QStringLiteral("storybook_scene_") + QLatin1String(art.key), size,
                    [art, s](QPainter &p) { paintScene(p, art, s); }});
    }
    return out;
}

} // namespace Art
