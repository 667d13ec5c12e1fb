#pragma once

// Drawing helpers shared by the storybook scenes and the game covers: the theme
// palette, gradients, landscape pieces (hills, clouds, trees, flowers, houses), small
// ornaments (stars, sparkles, glows) and colour emoji drawn at any size.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QString>

#include <initializer_list>
#include <utility>

namespace Art {

// Theme colours.
namespace Pal {
inline const QColor ink = QColor::fromRgbF(0.17f, 0.22f, 0.32f);
inline const QColor softInk = QColor::fromRgbF(0.34f, 0.40f, 0.51f);
inline const QColor cream = QColor::fromRgbF(1.0f, 0.98f, 0.92f);
inline const QColor sky = QColor::fromRgbF(0.34f, 0.72f, 0.94f);
inline const QColor purple = QColor::fromRgbF(0.52f, 0.43f, 0.90f);
inline const QColor coral = QColor::fromRgbF(0.96f, 0.42f, 0.43f);
inline const QColor mango = QColor::fromRgbF(1.0f, 0.72f, 0.25f);
inline const QColor mint = QColor::fromRgbF(0.34f, 0.78f, 0.62f);
inline const QColor white = QColor(255, 255, 255);
inline const QColor leaf = QColor(104, 186, 120);
inline const QColor bark = QColor(150, 106, 78);
} // namespace Pal

// The two colours of a shelf, by its stored category name ("english", "dress-up" ...).
std::pair<QColor, QColor> shelfColors(const QString &category);

QColor rgb(int r, int g, int b, int a = 255);
QColor mix(const QColor &a, const QColor &b, qreal t);    // t = 0 gives a
QColor alpha(const QColor &c, qreal opacity);
QColor lighter(const QColor &c, qreal towardsWhite);      // mix with white
QColor shade(const QColor &c, qreal towardsInk);          // mix with ink

using Stops = std::initializer_list<std::pair<qreal, QColor>>;
QLinearGradient linear(QPointF from, QPointF to, Stops stops);
void fillVertical(QPainter &p, const QRectF &r, Stops stops);
// A soft round light that fades to nothing at `radius`.
void glow(QPainter &p, QPointF c, qreal radius, const QColor &color);
// An oval shadow on the ground under a thing.
void groundShadow(QPainter &p, QPointF c, qreal w, qreal h, qreal opacity = 0.18);

// A rolling hill: its top runs near `y` across `width`, waving by `amp` with a few
// gentle bumps; filled down to `bottom` with a top-lit gradient.
void hill(QPainter &p, qreal width, qreal y, qreal amp, qreal phase, qreal bottom,
          const QColor &color, qreal waves = 1.6);
// A fluffy cloud centred at c, `w` wide.
void cloud(QPainter &p, QPointF c, qreal w, const QColor &color = Pal::white, qreal opacity = 0.95);
void star(QPainter &p, QPointF c, qreal r, const QColor &color, qreal angle = 0, qreal inner = 0.48);
void sparkle(QPainter &p, QPointF c, qreal r, const QColor &color);
// A field of small stars and sparkles, the same on every run for the same seed.
void starField(QPainter &p, const QRectF &area, int count, quint32 seed, const QColor &color,
               qreal minR = 3, qreal maxR = 9);
void tree(QPainter &p, QPointF base, qreal h, const QColor &foliage);
void pine(QPainter &p, QPointF base, qreal h, const QColor &foliage);
void flower(QPainter &p, QPointF c, qreal r, const QColor &petals, const QColor &heart = Pal::mango);
void flowerMeadow(QPainter &p, const QRectF &area, int count, quint32 seed, qreal r = 9);
void castle(QPainter &p, QPointF base, qreal h);
void cottage(QPainter &p, QPointF base, qreal h, const QColor &roof = Pal::coral);
void moon(QPainter &p, QPointF c, qreal r);
void sun(QPainter &p, QPointF c, qreal r);
void rainbow(QPainter &p, QPointF c, qreal r, qreal band, qreal opacity = 0.5);

// A white rounded card with a soft drop shadow.
void card(QPainter &p, const QRectF &r, qreal radius, const QColor &fill = Pal::white,
          qreal shadow = 0.16);
// A bold rounded text label (digits, letters, hanzi) centred in r.
void label(QPainter &p, const QRectF &r, const QString &text, const QColor &color,
           qreal pixelSize, bool cjk = false, int weight = QFont::Black);

// A colour emoji whose larger side is `size` pixels, centred at c, turned by `angle`
// degrees.
void emoji(QPainter &p, const QString &text, QPointF c, qreal size, qreal angle = 0,
           qreal opacity = 1.0);

// A round speech or thought bubble.
void bubble(QPainter &p, const QRectF &r, QPointF tail, const QColor &fill = Pal::white);

// Warm darkening towards the picture's edges, like light falling on a page.
void vignette(QPainter &p, const QSizeF &size, const QColor &color, qreal opacity);

} // namespace Art
