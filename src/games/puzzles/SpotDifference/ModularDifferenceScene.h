#pragma once

#include "ModularSpotDifferenceGame.h"
#include "ModularSpotLevel.h"

#include <QImage>
#include <QPointer>
#include <QSet>
#include <QQuickPaintedItem>
#include <utility>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// One copy of a spot-the-difference scene, painted: the left half of the level's artwork,
// a wash of the level's tint, the twenty pieces (the changed copy shows the changed look
// of the level's differences, every other piece its base look), a ring and a check on each
// piece found, all inside a rounded card with a white border.
//
// The scene is the largest rectangle of width-to-height 1.18 that fits the item less a
// margin of half the border's width on every side (so the border is drawn whole); lay the
// item over the space the scene is offered with that margin outside it:
//
//     ModularDifferenceScene {
//         anchors.fill: parent
//         anchors.margins: -borderMargin
//         game: view.game
//         isChanged: true
//     }
//
// A tap hits a piece inside the circle inscribed in its square; where pieces overlap the
// later one (drawn above) takes it; every hit goes to the game's tap(), in either copy,
// found or not. Taps between pieces pass through. `pieceAreas` lists each piece's square
// and its label, for the screen-reader buttons the view lays over the scene.
class NewestMarkPicture;

class ModularDifferenceScene : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(ModularSpotDifferenceGame *game READ game WRITE setGame NOTIFY gameChanged FINAL)
    Q_PROPERTY(bool isChanged READ isChanged WRITE setIsChanged NOTIFY isChangedChanged FINAL)
    Q_PROPERTY(QRectF sceneRect READ sceneRect NOTIFY layoutChanged FINAL)
    Q_PROPERTY(qreal borderMargin READ borderMargin CONSTANT FINAL)
    // Each piece as {id, x, y, side, label}: its square in item coordinates, in id order.
    Q_PROPERTY(QVariantList pieceAreas READ pieceAreas NOTIFY layoutChanged FINAL)
    // The opacity of the newest found mark, which the view fades in after each find.
    Q_PROPERTY(qreal markOpacity READ markOpacity WRITE setMarkOpacity NOTIFY markOpacityChanged FINAL)

public:
    static constexpr double aspect = 1.18;
    static constexpr double cornerRadius = 28;
    static constexpr double borderWidth = 4;
    static constexpr double minimumSide = 46;
    static constexpr double markLineWidth = 4;
    static constexpr double markOffset = 23;

    explicit ModularDifferenceScene(QQuickItem *parent = nullptr);

    // The scene's rectangle in a space of `offered`: as large as fits at 1.18, centred.
    static QRectF fittedScene(const QSizeF &offered);
    // The side of a piece's square in a scene `sceneWidth` wide.
    static double pieceSide(double sceneWidth, double size);
    // The look a copy shows for the piece.
    static int shownVariant(const ModularSpotLevel &level, const ModularScenePiece &piece, bool isChanged);

    ModularSpotDifferenceGame *game() const { return m_game; }
    void setGame(ModularSpotDifferenceGame *game);
    bool isChanged() const { return m_isChanged; }
    void setIsChanged(bool isChanged);

    qreal markOpacity() const { return m_markOpacity; }
    void setMarkOpacity(qreal opacity);

    QRectF sceneRect() const;
    QVariantList pieceAreas() const;
    // The square of the piece with `id` in item coordinates (empty without a level).
    QRectF pieceSquare(int id) const;
    Q_INVOKABLE QPointF pieceCentre(int id) const { return pieceSquare(id).center(); }
    // A point that hits the piece: its centre, or where a later piece covers the centre,
    // a point of its own circle nearest the centre (a null point when none is left).
    Q_INVOKABLE QPointF tapPoint(int id) const;
    // The id of the piece whose tap circle holds `point` (item coordinates), the last one
    // in list order where circles overlap; -1 for none.
    Q_INVOKABLE int pieceAt(QPointF point) const;
    // A press on the piece (a screen reader's press): the game's tap() with it.
    Q_INVOKABLE void tapPiece(int id);

    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter) override;

    static qreal borderMargin() { return borderWidth / 2; }
    // How many pieces have been painted so far, in every scene and fade.
    static int piecesPainted();

signals:
    void gameChanged();
    void isChangedChanged();
    void layoutChanged();
    void markOpacityChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    void updatePolish() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseUngrabEvent() override;

private:
    const ModularSpotLevel *level() const;
    friend class NewestMarkPicture;

    void levelChanged();
    void foundChanged();
    // Whether the newest mark is fading in (drawn then by the small picture over it).
    bool fading() const;
    // The marks the scene's own picture shows: every found one, but the newest while it
    // fades in.
    QSet<int> shownMarks() const;
    // Throws away the fade's pictures and has the scene painted again.
    void repaintAll();
    // The area of the newest mark (its ring and its check) in item coordinates, in whole
    // points, inside the item.
    QRect newestMarkArea() const;
    // The area of the mark of the piece in `square`: its ring and its check.
    static QRectF markArea(const QRectF &square);
    // Paints the fading mark's area: what lies under the mark, the mark at its opacity,
    // what lies above it.
    void paintFade(QPainter &painter, const QRect &area);
    // The artwork's left half under the tint wash, rounded, at the scene's size in pixels.
    const QImage &backdrop(const QRectF &scene, qreal dpr);
    // Paints the pieces from `first` up to `last` (exclusive) inside the rounded scene,
    // each followed by its mark when it is one of `marks`; only those that reach into
    // `within` (item coordinates).
    void paintPieces(QPainter &painter, const QRectF &scene, qsizetype first, qsizetype last, const QSet<int> &marks,
                     const QRectF &within);
    // The found mark of the piece in `square`.
    static void paintMark(QPainter &painter, const QRectF &square);
    // The white border round the scene.
    static void paintBorder(QPainter &painter, const QRectF &scene);

    QPointer<ModularSpotDifferenceGame> m_game;
    bool m_isChanged = false;
    int m_pressed = -1;
    QSet<int> m_marked;    // the found ids known
    int m_newestMark = -1;
    QSet<int> m_paintedMarks; // the marks in the scene's picture as last painted
    bool m_painted = false;
    qreal m_markOpacity = 1;
    QImage m_artwork;      // the level's picture (null when it is missing)
    QString m_artworkName;
    QImage m_backdrop;     // cached, rebuilt when the size or the level changes
    QString m_backdropKey;
    // While the newest mark fades in, a picture as small as the mark over the scene shows
    // it, so that each step of the fade draws that area alone, not both whole scenes;
    // the scene's own picture leaves the mark out until the fade ends.
    NewestMarkPicture *m_fade = nullptr;
    // The fade's area under the mark and above it, painted once for the fade.
    std::pair<QImage, QImage> m_fadeLayers;
};
