#include "OpaquePicture.h"

#include <QSGGeometryNode>
#include <QSGMaterialShader>
#include <QSGTextureMaterial>
#include <QSGTextureProvider>

#include <cstring>

namespace {

// Qt's own shader for an opaque texture, with blending switched off: the batch renderer
// blends everything it draws when the window has no depth buffer (UiSetup), whatever
// the material says, unless the shader takes the pipeline's state into its own hands.
class CopyShader : public QSGMaterialShader
{
public:
    CopyShader()
    {
        setShaderFileName(VertexStage, QStringLiteral(":/qt-project.org/scenegraph/shaders_ng/opaquetexture.vert.qsb"));
        setShaderFileName(FragmentStage, QStringLiteral(":/qt-project.org/scenegraph/shaders_ng/opaquetexture.frag.qsb"));
        setFlag(UpdatesGraphicsPipelineState);
    }

    bool updateUniformData(RenderState &state, QSGMaterial *, QSGMaterial *) override
    {
        if (!state.isMatrixDirty())
            return false;
        const QMatrix4x4 matrix = state.combinedMatrix();
        std::memcpy(state.uniformData()->data(), matrix.constData(), 64);
        return true;
    }

    void updateSampledImage(RenderState &state, int binding, QSGTexture **texture, QSGMaterial *newMaterial,
                            QSGMaterial *) override
    {
        if (binding != 1)
            return;
        auto *material = static_cast<QSGOpaqueTextureMaterial *>(newMaterial);
        QSGTexture *picture = material->texture();
        picture->setFiltering(material->filtering());
        picture->setHorizontalWrapMode(material->horizontalWrapMode());
        picture->setVerticalWrapMode(material->verticalWrapMode());
        picture->commitTextureOperations(state.rhi(), state.resourceUpdateBatch());
        *texture = picture;
    }

    bool updateGraphicsPipelineState(RenderState &, GraphicsPipelineState *ps, QSGMaterial *, QSGMaterial *) override
    {
        ps->blendEnable = false;
        return true;
    }
};

class CopyMaterial : public QSGOpaqueTextureMaterial
{
public:
    QSGMaterialType *type() const override
    {
        static QSGMaterialType type;
        return &type;
    }
    QSGMaterialShader *createShader(QSGRendererInterface::RenderMode) const override { return new CopyShader; }
};

// The picture over a rectangle: copied while fully opaque, blended (as it fades) below that.
class PictureNode : public QSGGeometryNode
{
public:
    PictureNode()
        : m_geometry(QSGGeometry::defaultAttributes_TexturedPoint2D(), 4)
    {
        setGeometry(&m_geometry);
        m_faded.setFlag(QSGMaterial::Blending);
        setMaterial(&m_faded);
        setOpaqueMaterial(&m_copied);
        setFlag(UsePreprocess);
    }

    void set(QSGTexture *texture, const QRectF &rect)
    {
        if (texture != m_faded.texture()) {
            m_faded.setTexture(texture);
            m_copied.setTexture(texture);
            markDirty(DirtyMaterial);
        }
        if (rect != m_rect) {
            m_rect = rect;
            QSGGeometry::updateTexturedRectGeometry(&m_geometry, rect, texture->normalizedTextureSubRect());
            markDirty(DirtyGeometry);
        }
    }

    // A layer paints its picture afresh here, before the frame that shows it, when
    // something inside it has changed.
    void preprocess() override
    {
        if (auto *layer = qobject_cast<QSGDynamicTexture *>(m_faded.texture()); layer && layer->updateTexture())
            markDirty(DirtyMaterial);
    }

private:
    QSGGeometry m_geometry;
    QSGTextureMaterial m_faded;
    CopyMaterial m_copied;
    QRectF m_rect;
};

} // namespace

OpaquePicture::OpaquePicture(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void OpaquePicture::setSource(QQuickItem *source)
{
    if (m_source == source)
        return;
    m_source = source;
    update();
    emit sourceChanged();
}

QSGNode *OpaquePicture::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    QSGTextureProvider *provider = m_source && m_source->isTextureProvider() ? m_source->textureProvider() : nullptr;
    if (provider != m_provider) {
        if (m_provider)
            disconnect(m_provider, nullptr, this, nullptr);
        m_provider = provider;
        if (provider)
            connect(provider, &QSGTextureProvider::textureChanged, this, &QQuickItem::update, Qt::QueuedConnection);
    }
    QSGTexture *texture = provider ? provider->texture() : nullptr;
    if (!texture || width() <= 0 || height() <= 0) {
        delete oldNode;
        return nullptr;
    }
    auto *node = oldNode ? static_cast<PictureNode *>(oldNode) : new PictureNode;
    node->set(texture, boundingRect());
    return node;
}
