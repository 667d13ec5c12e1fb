#pragma once

#include "DrawingStrokes.h"
#include "GameBase.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

// "free-canvas": a free drawing board. Six brush colours, three widths, up to nine
// stickers, undo (stickers first, newest first, then strokes) and clear; the work
// (strokes and stickers together) can be finished once it holds three items, and every
// finish reports (100, 3) — the host keeps the first.
class MagicBoardGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(DrawingStrokes *strokes READ strokes CONSTANT FINAL)
    Q_PROPERTY(QList<QColor> palette READ palette CONSTANT FINAL)
    Q_PROPERTY(QList<qreal> widths READ widths CONSTANT FINAL)
    Q_PROPERTY(QStringList stampChoices READ stampChoices CONSTANT FINAL)
    Q_PROPERTY(QColor selectedColor READ selectedColor NOTIFY changed FINAL)
    Q_PROPERTY(qreal lineWidth READ lineWidth NOTIFY changed FINAL)
    Q_PROPERTY(QStringList stamps READ stamps NOTIFY changed FINAL)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed FINAL)
    Q_PROPERTY(int workCount READ workCount NOTIFY changed FINAL)
    Q_PROPERTY(QString counter READ counter NOTIFY changed FINAL)
    Q_PROPERTY(bool canFinish READ canFinish NOTIFY changed FINAL)
public:
    explicit MagicBoardGame(QObject *parent = nullptr);

    static constexpr auto gameID = "free-canvas";
    static constexpr int maxStamps = 9;
    static constexpr int itemsToFinish = 3;

    DrawingStrokes *strokes() const { return m_strokes; }
    QList<QColor> palette() const { return drawingPalette(); }
    QList<qreal> widths() const { return {5, 9, 15}; }
    QStringList stampChoices() const;
    QColor selectedColor() const { return m_selectedColor; }
    qreal lineWidth() const { return m_lineWidth; }
    QStringList stamps() const { return m_stamps; }
    QString feedback() const { return m_feedback; }
    int workCount() const { return m_strokes->count() + int(m_stamps.size()); }
    QString counter() const;
    bool canFinish() const { return workCount() >= itemsToFinish; }

    Q_INVOKABLE void selectColor(int paletteIndex);
    Q_INVOKABLE void selectWidth(int widthIndex);
    Q_INVOKABLE void addStamp(int choiceIndex);
    Q_INVOKABLE void undo();
    Q_INVOKABLE void clear();
    Q_INVOKABLE void finish();

signals:
    void changed();

private:
    DrawingStrokes *m_strokes;
    QColor m_selectedColor;
    qreal m_lineWidth = 9;
    QStringList m_stamps;
    QString m_feedback;
};
