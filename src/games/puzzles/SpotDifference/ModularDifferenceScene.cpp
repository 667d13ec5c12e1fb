#include "ModularDifferenceScene.h"

#include "AppTheme.h"
#include "MagicSceneModule.h"
#include "ModularSpotDifferenceGame.h"
#include "PaintedBox.h"
#include "StorybookArtwork.h"
#include "StorybookPicture.h"
#include "SystemSymbols.h"

#include <QMouseEvent>
#include <QtMath>
#include <QPainter>
#include <QPainterPath>
#include <QQuickWindow>
#include <QVariantMap>

#include <atomic>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

QPainterPath roundedScene(const QRectF &scene)
{
    const double r = std::min(ModularDifferenceScene::cornerRadius, std::min(scene.width(), scene.height()) / 2);
    QPainterPath path;
    path.addRoundedRect(scene, r, r);
    return path;
}
// The check of the found mark: the symbol font at the title-3 symbol size.
const QFont &checkFont()
{
    static const QFont font = [] {
        QFont f(SystemSymbols::fontFamily());
        f.setPixelSize(qRound(AppTheme().symbolPixelSize(AppTheme::metrics(AppTheme::Title3).pixelSize)));
        return f;
    }();
    return font;
}

// Counted where the scenes are painted, which each window's render thread may do.
std::atomic<int> paintedPieces{0};
} // namespace

// The picture over a scene that shows the scene's newest mark while it fades in.
class NewestMarkPicture : public QQuickPaintedItem
{
public:
    explicit NewestMarkPicture(ModularDifferenceScene *scene)
        : QQuickPaintedItem(scene)
        , m_scene(scene)
    {
        setAntialiasing(true);
        setVisible(false);
    }
    void paint(QPainter *painter) override
    {
        m_scene->paintFade(*painter, QRect(QPoint(qRound(x()), qRound(y())), QSize(qRound(width()), qRound(height()))));
    }

private:
    ModularDifferenceScene *m_scene;
};

int ModularDifferenceScene::piecesPainted()
{
    return paintedPieces.load(std::memory_order_relaxed);
}

ModularDifferenceScene::ModularDifferenceScene(QQuickItem *parent)
    : QQuickPaintedItem(parent)
    , m_fade(new NewestMarkPicture(this))
{
    setAntialiasing(true);
    setAcceptedMouseButtons(Qt::LeftButton);
}

QRectF ModularDifferenceScene::fittedScene(const QSizeF &offered)
{
    if (offered.width() <= 0 || offered.height() <= 0)
        return {};
    const double w = std::min(offered.width(), offered.height() * aspect);
    const double h = w / aspect;
    return {(offered.width() - w) / 2, (offered.height() - h) / 2, w, h};
}

double ModularDifferenceScene::pieceSide(double sceneWidth, double size)
{
    return std::max(minimumSide, sceneWidth * size);
}

int ModularDifferenceScene::shownVariant(const ModularSpotLevel &level, const ModularScenePiece &piece, bool isChanged)
{
    return isChanged && level.differenceIDs.contains(piece.id) ? piece.changedVariant : piece.baseVariant;
}

void ModularDifferenceScene::setGame(ModularSpotDifferenceGame *game)
{
    if (m_game == game)
        return;
    if (m_game)
        disconnect(m_game, nullptr, this, nullptr);
    m_game = game;
    if (m_game) {
        connect(m_game, &ModularSpotDifferenceGame::levelChanged, this, &ModularDifferenceScene::levelChanged);
        connect(m_game, &ModularSpotDifferenceGame::changed, this, &ModularDifferenceScene::foundChanged);
    }
    emit gameChanged();
    levelChanged();
}

void ModularDifferenceScene::setIsChanged(bool isChanged)
{
    if (m_isChanged == isChanged)
        return;
    m_isChanged = isChanged;
    emit isChangedChanged();
    repaintAll();
}

const ModularSpotLevel *ModularDifferenceScene::level() const
{
    return m_game && m_game->level() ? &*m_game->level() : nullptr;
}

void ModularDifferenceScene::setMarkOpacity(qreal opacity)
{
    if (qFuzzyCompare(m_markOpacity, opacity))
        return;
    m_markOpacity = opacity;
    emit markOpacityChanged();
    polish();
}

bool ModularDifferenceScene::fading() const
{
    return level() && m_markOpacity < 1 && m_game->found().contains(m_newestMark);
}

QSet<int> ModularDifferenceScene::shownMarks() const
{
    QSet<int> marks = m_game ? m_game->found() : QSet<int>();
    if (fading())
        marks.remove(m_newestMark);
    return marks;
}

void ModularDifferenceScene::repaintAll()
{
    m_fadeLayers = {};
    m_painted = false;
    update();
    polish();
}

void ModularDifferenceScene::updatePolish()
{
    const bool fade = fading();
    if (fade) {
        const QRect area = newestMarkArea();
        if (QRectF(area) != QRectF(m_fade->position(), m_fade->size())) {
            m_fadeLayers = {};
            m_fade->setPosition(area.topLeft());
            m_fade->setSize(area.size());
        }
        m_fade->update();
    } else {
        m_fadeLayers = {};
    }
    m_fade->setVisible(fade);
    // The scene's own picture is painted again only when the marks it shows change: not
    // when a fade starts over it, nor at each step of the fade; and where a mark has
    // faded in, only the mark's area.
    const QSet<int> shown = shownMarks();
    if (m_painted && shown == m_paintedMarks)
        return;
    if (m_painted && shown == (QSet<int>(m_paintedMarks) << m_newestMark))
        update(newestMarkArea());
    else
        update();
}

void ModularDifferenceScene::foundChanged()
{
    const QSet<int> found = m_game ? m_game->found() : QSet<int>();
    // A wrong tap or a word of feedback changes nothing drawn.
    if (found == m_marked)
        return;
    for (int id : found) {
        if (!m_marked.contains(id))
            m_newestMark = id;
    }
    m_marked = found;
    m_fadeLayers = {};
    polish();
}

void ModularDifferenceScene::levelChanged()
{
    m_marked = m_game ? m_game->found() : QSet<int>();
    m_newestMark = -1;
    const QString name = level() ? level()->artwork : QString();
    if (name != m_artworkName) {
        m_artworkName = name;
        m_artwork = name.isEmpty() ? QImage() : StorybookArtwork::image(name);
        m_backdropKey.clear();
    }
    emit layoutChanged();
    repaintAll();
}

void ModularDifferenceScene::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        repaintAll();
        emit layoutChanged();
    }
}

QRectF ModularDifferenceScene::sceneRect() const
{
    const double m = borderMargin();
    return fittedScene(QSizeF(width() - 2 * m, height() - 2 * m)).translated(m, m);
}

QRectF ModularDifferenceScene::pieceSquare(int id) const
{
    const ModularSpotLevel *l = level();
    if (!l || id < 0 || id >= l->pieces.size())
        return {};
    const ModularScenePiece &piece = l->pieces.at(id);
    const QRectF scene = sceneRect();
    const double side = pieceSide(scene.width(), piece.size);
    const QPointF centre(scene.x() + piece.x * scene.width(), scene.y() + piece.y * scene.height());
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

QVariantList ModularDifferenceScene::pieceAreas() const
{
    QVariantList areas;
    const ModularSpotLevel *l = level();
    if (!l)
        return areas;
    for (const ModularScenePiece &piece : l->pieces) {
        const QRectF square = pieceSquare(piece.id);
        areas.append(QVariantMap{{u"id"_s, piece.id},
                                 {u"x"_s, square.x()},
                                 {u"y"_s, square.y()},
                                 {u"side"_s, square.width()},
                                 {u"label"_s, MagicSceneModule::phrase(piece.kind)}});
    }
    return areas;
}

int ModularDifferenceScene::pieceAt(QPointF point) const
{
    const ModularSpotLevel *l = level();
    if (!l)
        return -1;
    for (qsizetype i = l->pieces.size() - 1; i >= 0; --i) {
        const QRectF square = pieceSquare(int(i));
        const QPointF d = point - square.center();
        const double r = square.width() / 2;
        if (d.x() * d.x() + d.y() * d.y() <= r * r)
            return l->pieces.at(i).id;
    }
    return -1;
}

QPointF ModularDifferenceScene::tapPoint(int id) const
{
    const QRectF square = pieceSquare(id);
    if (square.isEmpty())
        return {};
    const QPointF c = square.center();
    if (pieceAt(c) == id)
        return c;
    for (double f = 0.1; f < 1.0; f += 0.1) {
        for (int a = 0; a < 360; a += 10) {
            const double t = qDegreesToRadians(double(a));
            const QPointF p = c + QPointF(std::cos(t), std::sin(t)) * (f * square.width() / 2);
            if (pieceAt(p) == id)
                return p;
        }
    }
    return {};
}

void ModularDifferenceScene::tapPiece(int id)
{
    if (m_game)
        m_game->tapPiece(id);
}

bool ModularDifferenceScene::contains(const QPointF &point) const
{
    return pieceAt(point) >= 0;
}

void ModularDifferenceScene::mousePressEvent(QMouseEvent *event)
{
    m_pressed = pieceAt(event->position());
    if (m_pressed < 0)
        event->ignore();
}

void ModularDifferenceScene::mouseReleaseEvent(QMouseEvent *event)
{
    // A tap is a press and a release on the same piece.
    const int pressed = std::exchange(m_pressed, -1);
    if (pressed >= 0 && pieceAt(event->position()) == pressed)
        tapPiece(pressed);
}

void ModularDifferenceScene::mouseUngrabEvent()
{
    m_pressed = -1;
}

const QImage &ModularDifferenceScene::backdrop(const QRectF &scene, qreal dpr)
{
    const QSize pixels = (scene.size() * dpr).toSize();
    const QString key = u"%1|%2x%3"_s.arg(m_artworkName).arg(pixels.width()).arg(pixels.height());
    if (key == m_backdropKey && !m_backdrop.isNull())
        return m_backdrop;
    m_backdropKey = key;
    m_backdrop = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    m_backdrop.setDevicePixelRatio(dpr);
    m_backdrop.fill(Qt::transparent);
    const QRectF box(0, 0, scene.width(), scene.height());
    QPainter p(&m_backdrop);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The artwork is scaled to fill a box twice the scene's width and shown from its left
    // edge: the scene shows the picture's left half.
    const QSizeF doubled(2 * box.width(), box.height());
    if (m_artwork.isNull()) {
        p.fillRect(QRectF(QPointF(0, 0), doubled),
                   PaintedBox::brush(Qt::transparent, AppTheme::artworkFallback(), PaintedBox::Diagonal));
    } else {
        const QRectF source = StorybookPicture::fillSource(m_artwork.size(), doubled);
        p.drawImage(box, m_artwork, QRectF(source.topLeft(), QSizeF(source.width() / 2, source.height())));
    }
    if (const ModularSpotLevel *l = level()) {
        QLinearGradient wash(0, 0, 0, box.height());
        wash.setColorAt(0, AppTheme::withOpacity(l->tint, 0));
        wash.setColorAt(1, AppTheme::withOpacity(l->tint, 0.12));
        p.fillRect(box, wash);
    }
    // Rounded corners, antialiased: everything outside the rounded card is cleared.
    QImage mask(pixels, QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(dpr);
    mask.fill(Qt::transparent);
    QPainter m(&mask);
    m.setRenderHint(QPainter::Antialiasing);
    m.fillPath(roundedScene(box), Qt::black);
    m.end();
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(QPointF(0, 0), mask);
    return m_backdrop;
}

void ModularDifferenceScene::paint(QPainter *painter)
{
    m_painted = true;
    m_paintedMarks = shownMarks();
    const QRectF scene = sceneRect();
    if (scene.isEmpty())
        return;
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const qsizetype count = level() ? level()->pieces.size() : 0;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->drawImage(scene.topLeft(), backdrop(scene, dpr));
    // A mark that has faded in is painted into the picture where it lies (the painter
    // is clipped there): the pieces that reach elsewhere are left as they are.
    paintPieces(*painter, scene, 0, count, m_paintedMarks,
                painter->hasClipping() ? painter->clipBoundingRect() : boundingRect());
    paintBorder(*painter, scene);
}

QRectF ModularDifferenceScene::markArea(const QRectF &square)
{
    const double pen = markLineWidth / 2 + 1;
    const double g = checkFont().pixelSize();
    const QPointF c = square.center() + QPointF(markOffset, -markOffset);
    return square.adjusted(-pen, -pen, pen, pen).united(QRectF(c.x() - g, c.y() - g, 2 * g, 2 * g));
}

QRect ModularDifferenceScene::newestMarkArea() const
{
    // The mark is drawn inside the scene alone.
    return markArea(pieceSquare(m_newestMark)).intersected(sceneRect()).toAlignedRect();
}

void ModularDifferenceScene::paintFade(QPainter &painter, const QRect &area)
{
    const QRectF scene = sceneRect();
    if (!fading() || scene.isEmpty() || area.isEmpty())
        return;
    const qreal dpr = window() ? window()->effectiveDevicePixelRatio() : 1.0;
    const qsizetype count = level()->pieces.size();
    painter.setRenderHint(QPainter::Antialiasing);
    // While the mark fades in nothing else changes: what lies under the mark and what
    // lies above it are painted once, each into a picture of the area, and each step of
    // the fade draws the mark between the two.
    if (m_fadeLayers.first.isNull()) {
        const QSet<int> marks = shownMarks();
        const auto layer = [&](const std::function<void(QPainter &)> &content) {
            QImage picture((QSizeF(area.size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
            picture.setDevicePixelRatio(dpr);
            picture.fill(Qt::transparent);
            QPainter p(&picture);
            p.setRenderHint(QPainter::Antialiasing);
            p.translate(-area.topLeft());
            content(p);
            return picture;
        };
        m_fadeLayers.first = layer([&](QPainter &p) {
            p.drawImage(scene.topLeft(), backdrop(scene, dpr));
            paintPieces(p, scene, 0, m_newestMark + 1, marks, area);
        });
        m_fadeLayers.second = layer([&](QPainter &p) {
            paintPieces(p, scene, m_newestMark + 1, count, marks, area);
            paintBorder(p, scene);
        });
    }
    painter.drawImage(QPointF(0, 0), m_fadeLayers.first);
    painter.save();
    painter.translate(-area.topLeft());
    painter.setClipPath(roundedScene(scene));
    painter.setOpacity(m_markOpacity);
    paintMark(painter, pieceSquare(m_newestMark));
    painter.restore();
    painter.drawImage(QPointF(0, 0), m_fadeLayers.second);
}

void ModularDifferenceScene::paintPieces(QPainter &painter, const QRectF &scene, qsizetype first, qsizetype last,
                                         const QSet<int> &marks, const QRectF &within)
{
    const ModularSpotLevel *l = level();
    if (!l || first >= last)
        return;
    painter.save();
    // Within what the painter is clipped to already: a scene painted again where a mark
    // has faded in is painted there alone.
    painter.setClipPath(roundedScene(scene), Qt::IntersectClip);
    const bool everywhere = within.contains(boundingRect());
    for (qsizetype i = first; i < last; ++i) {
        const ModularScenePiece &piece = l->pieces.at(i);
        const QRectF square = pieceSquare(piece.id);
        const int variant = shownVariant(*l, piece, m_isChanged);
        const bool marked = marks.contains(piece.id);
        if (!everywhere) {
            const QRectF reach = MagicSceneModule::reach(square, piece.kind, variant);
            if (!(marked ? reach.united(markArea(square)) : reach).intersects(within))
                continue;
        }
        paintedPieces.fetch_add(1, std::memory_order_relaxed);
        MagicSceneModule::paint(painter, square, piece.kind, variant);
        if (marked)
            paintMark(painter, square);
    }
    painter.restore();
}

void ModularDifferenceScene::paintBorder(QPainter &painter, const QRectF &scene)
{
    painter.setPen(QPen(AppTheme::withOpacity(Qt::white, 0.92), borderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedScene(scene));
}

void ModularDifferenceScene::paintMark(QPainter &painter, const QRectF &square)
{
    // The found mark: the tap circle ringed in coral, a check up and to the right.
    const QFont &symbolFont = checkFont();
    painter.setPen(QPen(AppTheme::coral(), markLineWidth));
    painter.setBrush(AppTheme::withOpacity(Qt::white, 0.38));
    painter.drawEllipse(square);
    const QPointF c = square.center() + QPointF(markOffset, -markOffset);
    const double d = symbolFont.pixelSize() * 0.55;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(c, d / 2, d / 2);
    painter.setFont(symbolFont);
    painter.setPen(AppTheme::coral());
    const double g = symbolFont.pixelSize();
    painter.drawText(QRectF(c.x() - g, c.y() - g, 2 * g, 2 * g), Qt::AlignCenter,
                     SystemSymbols::glyph(u"checkmark.circle.fill"_s));
}
