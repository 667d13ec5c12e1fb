#include "BandedPictureNode.h"

#include "PaintedPicture.h"

#include <QQuickWindow>
#include <QSGImageNode>
#include <QSGTexture>

#include <cmath>

BandedPictureNode::BandedPictureNode(QQuickWindow *window)
    : m_window(window)
{
    setFlag(UsePreprocess);
}

BandedPictureNode::~BandedPictureNode()
{
    // The bands show the texture: they go before it.
    setBands(0);
}

void BandedPictureNode::setPicture(QSGTexture *texture)
{
    for (QSGNode *band = firstChild(); band; band = band->nextSibling())
        static_cast<QSGImageNode *>(band)->setTexture(texture);
    m_texture.reset(texture);
    m_placed = false;
}

void BandedPictureNode::setRect(const QRectF &rect, bool rowForRow)
{
    if (rect != m_rect || rowForRow != m_rowForRow)
        m_placed = false;
    m_rect = rect;
    m_rowForRow = rowForRow;
    preprocess();
}

void BandedPictureNode::preprocess()
{
    if (!m_texture)
        return;
    const QSize pixels = m_texture->textureSize();
    const int bands = m_rowForRow && onWholeRows() ? (pixels.height() + bandRows - 1) / bandRows : 1;
    if (m_placed && bands == childCount())
        return;
    m_placed = true;
    setBands(bands);
    if (bands == 1) {
        auto *whole = static_cast<QSGImageNode *>(firstChild());
        whole->setSourceRect(QRectF(QPointF(), pixels));
        whole->setRect(m_rect);
        return;
    }
    const qreal rowHeight = m_rect.height() / pixels.height();
    int row = 0;
    for (QSGNode *node = firstChild(); node; node = node->nextSibling()) {
        auto *band = static_cast<QSGImageNode *>(node);
        const int rows = qMin(bandRows, pixels.height() - row);
        band->setSourceRect(QRectF(0, row, pixels.width(), rows));
        band->setRect(QRectF(m_rect.x(), m_rect.y() + row * rowHeight, m_rect.width(), rows * rowHeight));
        row += rows;
    }
}

bool BandedPictureNode::onWholeRows() const
{
    if (!PaintedPicture::drawnAtScale(this, 1))
        return false;
    // Where the picture's top left corner lands, through each matrix above in turn.
    QPointF corner = m_rect.topLeft();
    for (const QSGNode *node = parent(); node; node = node->parent()) {
        if (node->type() == QSGNode::TransformNodeType)
            corner = static_cast<const QSGTransformNode *>(node)->matrix().map(corner);
    }
    return std::abs(corner.y() - std::round(corner.y())) < 1e-4;
}

void BandedPictureNode::setBands(int count)
{
    while (childCount() > count) {
        QSGNode *band = lastChild();
        removeChildNode(band);
        delete band;
    }
    while (childCount() < count) {
        QSGImageNode *band = m_window->createImageNode();
        band->setFiltering(QSGTexture::Nearest);
        band->setTexture(m_texture.get());
        appendChildNode(band);
    }
}
