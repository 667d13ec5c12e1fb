#pragma once

#include <QList>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// The maze board's floor in one painting: the soft green ground, the tiles and dots of
// the trail, the pale mint spots and the hedges, all inside the board's rounded corners.
// Cells are square, `width` ÷ `columns` wide. The symbols (chest, keys, bubble,
// monsters, fox) are items laid over it. A step along the trail repaints only the cells
// whose look it changed; a size that comes back before the next frame (a layout trying
// another one) repaints nothing.
class MazeFloor : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int rows READ rows WRITE setRows NOTIFY mazeChanged FINAL)
    Q_PROPERTY(int columns READ columns WRITE setColumns NOTIFY mazeChanged FINAL)
    // Wall bits (1 up, 2 right, 4 down, 8 left), row by row.
    Q_PROPERTY(QList<int> walls READ walls WRITE setWalls NOTIFY mazeChanged FINAL)
    // The cells stepped on (row × columns + column).
    Q_PROPERTY(QList<int> trail READ trail WRITE setTrail NOTIFY trailChanged FINAL)
    Q_PROPERTY(qreal cornerRadius READ cornerRadius WRITE setCornerRadius NOTIFY mazeChanged FINAL)
public:
    explicit MazeFloor(QQuickItem *parent = nullptr);

    int rows() const { return m_rows; }
    void setRows(int rows);
    int columns() const { return m_columns; }
    void setColumns(int columns);
    QList<int> walls() const { return m_walls; }
    void setWalls(const QList<int> &walls);
    QList<int> trail() const { return m_trail; }
    void setTrail(const QList<int> &trail);
    qreal cornerRadius() const { return m_cornerRadius; }
    void setCornerRadius(qreal radius);

    void paint(QPainter *painter) override;

signals:
    void mazeChanged();
    void trailChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *data) override;
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData &value) override;

private:
    // Asks for `part` to be painted again at the next frame: the whole floor when the
    // picture's size differs from the one painted (Qt would paint the part on a fresh,
    // empty picture).
    void repaint(const QRectF &part);
    void repaintAll();
    // The picture's size in pixels as QQuickPaintedItem sizes it: the item's size rounded,
    // times the pixel ratio (a PaintedPicture rounds the pixels up instead).
    QSize pictureSize() const;
    qreal cellSize() const;
    static qreal hedgeWidth(qreal cell);
    // The part of the floor that the cell's look reaches.
    QRectF cellInk(int index) const;

    int m_rows = 0;
    int m_columns = 0;
    QList<int> m_walls;
    QList<int> m_trail;
    qreal m_cornerRadius = 24;
    QSize m_paintedSize;           // the size of the picture shown
    bool m_repaintPending = false; // a part was asked for since the last painting
};
