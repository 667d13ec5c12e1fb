#pragma once

#include <QImage>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// A named picture that never fails: the picture scaled to fill the item (aspect kept,
// overflow cropped; `stretch` stretches it instead), clipped to `radius`; when the
// picture is missing or cannot be decoded, the soft sky-mint-cream wash instead. The
// picture is looked up again whenever the name changes. The picture is decoded at the
// size it is shown (a 1600×1200 scene in a 400×300 card is held as 400×300 pixels),
// through the PictureCache: a page prepared ahead finds its pictures decoded. With
// `smooth` false the picture is sampled at its nearest pixel: the same picture where it
// is never drawn scaled or turned (a backdrop filling the window), and with the software
// renderer a plain copy instead of a filtered one on the raster engine's thread pool.
class StorybookPicture : public QQuickItem
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StorybookArtImage)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged FINAL)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged FINAL)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch NOTIFY stretchChanged FINAL)
    Q_PROPERTY(bool found READ found NOTIFY nameChanged FINAL)
    // The pictures shown next in an item of this size and shape (the pages beside a
    // book's page), decoded on a worker and held while this one is shown: a page that
    // quick turns bring, build, drop and build again finds its picture decoded, where
    // its first frame would wait for the decoding.
    Q_PROPERTY(QStringList ahead READ ahead WRITE setAhead NOTIFY aheadChanged FINAL)

public:
    explicit StorybookPicture(QQuickItem *parent = nullptr);
    ~StorybookPicture() override;

    QString name() const { return m_name; }
    void setName(const QString &name);
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool found() const { return m_found; }
    QStringList ahead() const { return m_ahead; }
    void setAhead(const QStringList &ahead);

    // The part of an image of `imageSize` shown in a frame of `frame` when it is
    // scaled to fill: centred, as large as fits the frame's proportions.
    static QRectF fillSource(QSizeF imageSize, QSizeF frame);
    // What the item draws at `pixels` (its size times the device pixel ratio): the
    // picture at `path` scaled to fill (or stretched), with the corners of `radius`
    // (in the same pixels) cut away; the wash when the path is empty or undecodable.
    static QImage shownPicture(const QString &path, QSize pixels, qreal radius, bool stretch);
    // The pixels of an item of `size` on a screen of `devicePixelRatio`.
    static QSize pixelsOf(QSizeF size, qreal devicePixelRatio);
    // Decodes on a worker, ahead of its first show, what an item named `name` of `size`
    // (with `radius`, `stretch`) will draw.
    static void prepare(const QString &name, QSizeF size, qreal radius, bool stretch, qreal devicePixelRatio);
    // Lets go of what prepare() decoded of the picture named `name`, at any size.
    static void forgetPrepared(const QString &name);

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;
    QSGNode *updatePaintNode(QSGNode *node, UpdatePaintNodeData *) override;
    // As soon as the item has its size in a window (a page built at its final size gives
    // it while the rest of the page is still being built), the picture starts decoding
    // on a worker, beside the other pictures of the frame, until the frame takes it.
    void componentComplete() override;
    void updatePolish() override;

signals:
    void nameChanged();
    void radiusChanged();
    void stretchChanged();
    void aheadChanged();

private:
    // A new look: painted afresh at the next frame.
    void repaint();
    // A new size: painted at it at the next frame, unless the size shown comes back first.
    void resized();
    void prepareShown();
    void forgetPrepared();
    void prepareAhead();

    QString m_name;
    QString m_path;
    bool m_found = false;
    bool m_dirty = true;
    QSize m_shownPixels; // of the picture on screen; empty once its look has changed
    qreal m_radius = 0;
    bool m_stretch = false;
    // What updatePolish() has started decoding and no frame has taken yet.
    struct Prepared
    {
        QString path;
        QSize pixels;
        qreal radius = 0;
        bool stretch = false;
        bool operator==(const Prepared &) const = default;
    };
    Prepared m_prepared;
    // Holds the pictures of `wanted` and lets go of the others held before.
    void holdAhead(const QList<Prepared> &wanted);
    QStringList m_ahead;
    QList<Prepared> m_preparedAhead; // what prepareAhead() holds
};
