#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QPointF>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One finger drag on a drawing board: the positions in the board's own coordinates,
// in the order reported, and the brush in force when the drag began.
struct DrawingStroke
{
    QUuid id;
    QList<QPointF> points;
    QColor color;
    qreal width = 0;
};

// The brush colours both drawing games offer: ink, coral, sky, mint, purple, mango.
QList<QColor> drawingPalette();

// The finished strokes of a drawing, held by the game that owns the drawing. The board
// only appends (one stroke at the end of each drag); the game removes (undo, clear).
// Every change is announced at once, one `changed` per change.
class DrawingStrokes : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A game holds its strokes")
    Q_PROPERTY(int count READ count NOTIFY changed FINAL)
public:
    using QObject::QObject;

    const QList<DrawingStroke> &strokes() const { return m_strokes; }
    int count() const { return int(m_strokes.size()); }
    bool isEmpty() const { return m_strokes.isEmpty(); }

    void append(DrawingStroke stroke);
    // Takes back the newest stroke; false when there was none.
    bool removeLast();
    void clear();

signals:
    void changed();

private:
    QList<DrawingStroke> m_strokes;
};
