#pragma once

#include <QColor>
#include <QImage>

// A Gaussian blur made of three box passes, for the shapes and pictures the interface
// softens. Two kinds of image, two edge rules:
//  - Format_Alpha8 (a shadow's mask): what lies beyond the edge is transparent, so the
//    blur spills in from nothing as a shadow fades out;
//  - Format_ARGB32_Premultiplied (a picture): the edge pixels repeat beyond the edge,
//    so a blurred picture keeps its colours up to its border and gets no dark rim.
// Other formats are converted to the picture format first.
namespace ImageBlur {

// The half-width of each of the three box passes that together approximate a Gaussian
// of standard deviation `sigma` pixels (0: no blur).
int boxRadius(qreal sigma);

// Blurs `image` in place by a Gaussian of standard deviation `sigma` pixels.
void gaussian(QImage &image, qreal sigma);

// The soft shadow (or glow) of a shape: its coverage `mask` (Format_Alpha8) blurred by
// a Gaussian of standard deviation `sigma` pixels, filled with `color`.
QImage shadow(QImage mask, qreal sigma, const QColor &color);

} // namespace ImageBlur
