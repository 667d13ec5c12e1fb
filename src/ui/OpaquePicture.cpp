#include "OpaquePicture.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QQuickWindow>
#include <QSGGeometryNode>
#include <QSGMaterialShader>
#include <QSGTextureMaterial>
#include <QSGTextureProvider>

#include <cstring>
#include <memory>

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
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

// With OpenGL, the layer's picture copied into a texture laid out as the window's own
// pixels are (blue, green, red, alpha), each time the layer paints it afresh. A
// software OpenGL driver copies such a picture onto the window row by row when it is
// drawn pixel for pixel without blending; a picture in the layer's own layout (red
// first) goes through the driver's general per-pixel path instead, at every frame.
class WindowLayoutCopy
{
public:
    explicit WindowLayoutCopy(QQuickWindow *window)
        : m_window(window)
    {
    }
    WindowLayoutCopy(const WindowLayoutCopy &) = delete;
    WindowLayoutCopy &operator=(const WindowLayoutCopy &) = delete;

    // Freed with the node, on the render thread with the window's context current.
    ~WindowLayoutCopy()
    {
        if (!m_texture)
            return;
        m_picture.reset();
        if (QOpenGLContext *context = QOpenGLContext::currentContext()) {
            QOpenGLExtraFunctions *gl = context->extraFunctions();
            gl->glDeleteFramebuffers(2, m_framebuffers);
            gl->glDeleteTextures(1, &m_texture);
        }
    }

    QSGTexture *picture() const { return m_picture.get(); }

    // Copies the layer's picture; false (and nothing to show) where that cannot be done.
    bool copy(QSGTexture *layer)
    {
        const auto *native = layer->nativeInterface<QNativeInterface::QSGOpenGLTexture>();
        QOpenGLContext *context = QOpenGLContext::currentContext();
        if (!native || !context || context->isOpenGLES())
            return false;
        QOpenGLExtraFunctions *gl = context->extraFunctions();
        const QSize size = layer->textureSize();
        m_window->beginExternalCommands();
        if (size != m_size)
            allocate(gl, size);
        GLint read = 0, draw = 0;
        gl->glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
        gl->glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
        const bool scissor = gl->glIsEnabled(GL_SCISSOR_TEST);
        gl->glDisable(GL_SCISSOR_TEST);
        gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, m_framebuffers[0]);
        gl->glFramebufferTexture2D(GL_READ_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, native->nativeTexture(), 0);
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffers[1]);
        gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(),
                              GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(read));
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(draw));
        if (scissor)
            gl->glEnable(GL_SCISSOR_TEST);
        m_window->endExternalCommands();
        return true;
    }

private:
    void allocate(QOpenGLExtraFunctions *gl, QSize size)
    {
        if (!m_texture) {
            gl->glGenTextures(1, &m_texture);
            gl->glGenFramebuffers(2, m_framebuffers);
        }
        m_size = size;
        GLint bound = 0;
        gl->glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        gl->glBindTexture(GL_TEXTURE_2D, m_texture);
        // An unsized internal format takes the layout of the pixels given.
        gl->glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size.width(), size.height(), 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        gl->glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        gl->glBindTexture(GL_TEXTURE_2D, GLuint(bound));
        GLint draw = 0;
        gl->glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, m_framebuffers[1]);
        gl->glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, m_texture, 0);
        gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(draw));
        m_picture.reset(QNativeInterface::QSGOpenGLTexture::fromNative(m_texture, m_window, size,
                                                                       QQuickWindow::TextureHasAlphaChannel));
    }

    QQuickWindow *m_window;
    GLuint m_texture = 0;
    GLuint m_framebuffers[2] = {0, 0}; // the layer's picture is read from the first
    QSize m_size;
    std::unique_ptr<QSGTexture> m_picture;
};

// The picture over a rectangle: copied while fully opaque, blended (as it fades) below that.
class PictureNode : public QSGGeometryNode
{
public:
    explicit PictureNode(QQuickWindow *window)
        : m_geometry(QSGGeometry::defaultAttributes_TexturedPoint2D(), 4)
        , m_copy(window)
    {
        setGeometry(&m_geometry);
        m_faded.setFlag(QSGMaterial::Blending);
        setMaterial(&m_faded);
        setOpaqueMaterial(&m_copied);
        setFlag(UsePreprocess);
    }

    void set(QSGTexture *layer, const QRectF &rect)
    {
        if (layer != m_layer) {
            m_layer = layer;
            show(layer);
        }
        if (rect != m_rect) {
            m_rect = rect;
            QSGGeometry::updateTexturedRectGeometry(&m_geometry, rect, layer->normalizedTextureSubRect());
            markDirty(DirtyGeometry);
        }
    }

    // A layer paints its picture afresh here, before the frame that shows it, when
    // something inside it has changed; the copy follows it.
    void preprocess() override
    {
        auto *layer = qobject_cast<QSGDynamicTexture *>(m_layer);
        const bool painted = layer && layer->updateTexture();
        if (m_copyable && !m_layer->textureSize().isEmpty() && (painted || m_shown != m_copy.picture()))
            m_copyable = m_copy.copy(m_layer);
        QSGTexture *shown = m_copyable && m_copy.picture() ? m_copy.picture() : m_layer;
        if (painted || shown != m_shown)
            show(shown);
    }

private:
    void show(QSGTexture *texture)
    {
        m_shown = texture;
        m_faded.setTexture(texture);
        m_copied.setTexture(texture);
        markDirty(DirtyMaterial);
    }

    QSGGeometry m_geometry;
    QSGTextureMaterial m_faded;
    CopyMaterial m_copied;
    QRectF m_rect;
    QSGTexture *m_layer = nullptr;
    QSGTexture *m_shown = nullptr;
    WindowLayoutCopy m_copy;
    bool m_copyable = true;
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
    auto *node = oldNode ? static_cast<PictureNode *>(oldNode) : new PictureNode(window());
    node->set(texture, boundingRect());
    return node;
}
