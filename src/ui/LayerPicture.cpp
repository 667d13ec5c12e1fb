#include "LayerPicture.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QQuickWindow>
#include <QSGGeometryNode>
#include <QSGMaterialShader>
#include <QSGTextureMaterial>
#include <QSGTextureProvider>

#include <cstring>

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif
#ifndef GL_TEXTURE_IMMUTABLE_FORMAT
#define GL_TEXTURE_IMMUTABLE_FORMAT 0x912F
#endif

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

// With OpenGL, the layer's own texture laid out as the window's pixels are (blue, green,
// red, alpha). A software OpenGL driver copies such a picture onto the window row by row
// when it is drawn pixel for pixel without blending; a picture in the layer's own layout
// (red first) goes through the driver's general per-pixel path instead, at every frame.
// The layer makes its texture red first, so each new one it makes is given the window's
// layout before the layer paints into it (a copy in that layout would hold the picture
// twice).
class WindowLayout
{
public:
    enum Outcome { Kept, Given, Unavailable };

    // Gives the layer's texture the window's layout if it does not have it yet: Given
    // means its storage is new and empty, so the layer must paint again.
    Outcome ensure(QQuickWindow *window, QSGTexture *layer)
    {
        const auto *native = layer->nativeInterface<QNativeInterface::QSGOpenGLTexture>();
        QOpenGLContext *context = QOpenGLContext::currentContext();
        if (!native || !context || context->isOpenGLES())
            return Unavailable;
        const GLuint texture = native->nativeTexture();
        const QSize size = layer->textureSize();
        if (texture == m_texture && size == m_size && layer->rhiTexture() == m_rhiTexture)
            return Kept;
        QOpenGLExtraFunctions *gl = context->extraFunctions();
        window->beginExternalCommands();
        GLint bound = 0;
        gl->glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        gl->glBindTexture(GL_TEXTURE_2D, texture);
        GLint immutable = 0;
        gl->glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_IMMUTABLE_FORMAT, &immutable);
        // An unsized internal format takes the layout of the pixels given.
        if (!immutable)
            gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size.width(), size.height(), 0, GL_BGRA, GL_UNSIGNED_BYTE,
                             nullptr);
        gl->glBindTexture(GL_TEXTURE_2D, GLuint(bound));
        window->endExternalCommands();
        if (immutable)
            return Unavailable;
        m_texture = texture;
        m_size = size;
        m_rhiTexture = layer->rhiTexture();
        return Given;
    }

private:
    GLuint m_texture = 0;
    QSize m_size;
    const QRhiTexture *m_rhiTexture = nullptr;
};

// The picture over a rectangle: copied while fully opaque (unless it is translucent),
// blended otherwise.
class PictureNode : public QSGGeometryNode
{
public:
    explicit PictureNode(QQuickWindow *window)
        : m_geometry(QSGGeometry::defaultAttributes_TexturedPoint2D(), 4)
        , m_window(window)
    {
        setGeometry(&m_geometry);
        m_faded.setFlag(QSGMaterial::Blending);
        setMaterial(&m_faded);
        setOpaqueMaterial(&m_copied);
        setFlag(UsePreprocess);
    }

    void set(QSGTexture *layer, const QRectF &rect, bool translucent)
    {
        if (translucent != (opaqueMaterial() == nullptr))
            setOpaqueMaterial(translucent ? nullptr : &m_copied);
        if (layer != m_layer) {
            m_layer = layer;
            m_layout = {};
            m_laidOut = true;
            show(layer);
        }
        if (rect != m_rect) {
            m_rect = rect;
            QSGGeometry::updateTexturedRectGeometry(&m_geometry, rect, layer->normalizedTextureSubRect());
            markDirty(DirtyGeometry);
        }
    }

    // A layer paints its picture afresh here, before the frame that shows it, when
    // something inside it has changed (into a new texture when its size has changed,
    // which is then given the window's layout and painted again).
    void preprocess() override
    {
        auto *layer = qobject_cast<QSGDynamicTexture *>(m_layer);
        if (!layer || !layer->updateTexture())
            return;
        if (m_laidOut && !m_layer->textureSize().isEmpty()) {
            // Only a layer that can be told to paint again has its texture replaced.
            const WindowLayout::Outcome outcome = layer->metaObject()->indexOfSlot("markDirtyTexture()") < 0
                    ? WindowLayout::Unavailable
                    : m_layout.ensure(m_window, m_layer);
            m_laidOut = outcome != WindowLayout::Unavailable;
            if (outcome == WindowLayout::Given) {
                QMetaObject::invokeMethod(layer, "markDirtyTexture", Qt::DirectConnection);
                layer->updateTexture();
            }
        }
        show(m_layer);
    }

private:
    void show(QSGTexture *texture)
    {
        m_faded.setTexture(texture);
        m_copied.setTexture(texture);
        markDirty(DirtyMaterial);
    }

    QSGGeometry m_geometry;
    QSGTextureMaterial m_faded;
    CopyMaterial m_copied;
    QRectF m_rect;
    QQuickWindow *m_window;
    QSGTexture *m_layer = nullptr;
    WindowLayout m_layout;
    bool m_laidOut = true;
};

} // namespace

LayerPicture::LayerPicture(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents);
}

void LayerPicture::setSource(QQuickItem *source)
{
    if (m_source == source)
        return;
    m_source = source;
    update();
    emit sourceChanged();
}

void LayerPicture::setTranslucent(bool translucent)
{
    if (m_translucent == translucent)
        return;
    m_translucent = translucent;
    update();
    emit translucentChanged();
}

QSGNode *LayerPicture::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
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
    auto *node = oldNode ? static_cast<PictureNode *>(oldNode) : new PictureNode(window());
    node->set(texture, boundingRect(), m_translucent);
    return node;
}
