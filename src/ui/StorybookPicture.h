#pragma once

#include <QImage>
#include <QQuickPaintedItem>
#include <QtQml/qqmlregistration.h>

// A named picture that never fails: the picture scaled to fill the item (aspect kept,
// overflow cropped; `stretch` stretches it instead), clipped to `radius`; when the
// picture is missing or cannot be decoded, the soft sky-mint-cream wash instead. The
// picture is looked up again whenever the name changes.
class StorybookPicture : public QQuickPaintedItem
{
    Q_OBJECT
    QML_NAMED_ELEMENT(StorybookArtImage)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged FINAL)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged FINAL)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch NOTIFY stretchChanged FINAL)
    Q_PROPERTY(bool found READ found NOTIFY nameChanged FINAL)

public:
    explicit StorybookPicture(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    QString name() const { return m_name; }
    void setName(const QString &name);
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool found() const { return !m_image.isNull(); }

    // The part of an image of `imageSize` shown in a frame of `frame` when it is
    // scaled to fill: centred, as large as fits the frame's proportions.
    static QRectF fillSource(QSizeF imageSize, QSizeF frame);

signals:
    void nameChanged();
    void radiusChanged();
    void stretchChanged();

private:
    QString m_name;
    QImage m_image;
    qreal m_radius = 0;
    bool m_stretch = false;
};
