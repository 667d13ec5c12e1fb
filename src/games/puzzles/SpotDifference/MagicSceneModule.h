#pragma once

#include "ModularSpotLevel.h"

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

// One piece of a spot-the-difference scene drawn from plain vector shapes: a drawing per
// kind, in three looks (variants 0, 1 and 2) that differ in a colour, in the number of
// repeated elements or in a width. Every shape is sized and placed in multiples of s, the
// shorter side of the area it is drawn in, around the area's centre; shapes are not
// clipped to the area and some reach beyond it.
//
//     MagicSceneModule::paint(painter, square, piece.kind, variant);
//
// The drawing is kept as data (`shapes`), back to front, so what a look consists of can be
// checked without painting it.
namespace MagicSceneModule {

struct Shape
{
    enum Form {
        Capsule,     // a w × h rectangle whose shorter sides are half circles
        Circle,      // a circle of diameter w (w == h)
        RoundedRect, // corner radius `radius`, at most half the shorter side
        Ring,        // the circle inscribed in w × h, stroked `line` wide
    };
    Form form = Circle;
    double w = 0;       // all lengths in multiples of s
    double h = 0;
    double radius = 0;
    double line = 0;
    double angle = 0;   // degrees, clockwise, about the shape's own centre
    double dx = 0;      // offset of the centre from the area's centre (not rotated)
    double dy = 0;
    QColor color;

    bool operator==(const Shape &) const = default;
};

// The five colours the flower and the butterfly pick from by variant mod 5.
QList<QColor> palette();
// The platform's named colours the pieces use.
QColor gray();
QColor brown();
QColor green();

// The shapes of a piece of `kind` in look `variant`, back to front. A negative variant is
// taken as its distance below zero (the generator makes only 0 to 2).
QList<Shape> shapes(ModularModuleKind kind, int variant);

// Draws the piece centred in `area` (s is the shorter side of the area).
void paint(QPainter &painter, const QRectF &area, ModularModuleKind kind, int variant);
// Where paint() may draw for the piece in `area`: each shape's bounds however it is
// turned, with its line and a pixel of smoothing.
QRectF reach(const QRectF &area, ModularModuleKind kind, int variant);

// What a piece of `kind` depicts changing, said when it is found and read to a screen
// reader as the piece's label.
QString phrase(ModularModuleKind kind);

} // namespace MagicSceneModule
