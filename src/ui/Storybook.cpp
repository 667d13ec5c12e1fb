#include "Storybook.h"

#include "StorybookArtwork.h"
#include "SystemSymbols.h"

Storybook::Storybook(QObject *parent)
    : QObject(parent)
{
}

bool Storybook::hasImage(const QString &name) const
{
    return StorybookArtwork::exists(name);
}

QUrl Storybook::source(const QString &name) const
{
    if (!hasImage(name))
        return {};
    return QUrl(QStringLiteral("image://%1/%2").arg(QLatin1String(providerId), name));
}

QString Storybook::coverName(const QString &gameId) const
{
    return StorybookArtwork::coverName(gameId);
}

StorybookImageProvider::StorybookImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

QImage StorybookImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage image = StorybookArtwork::image(id);
    if (size)
        *size = image.size();
    if (!image.isNull() && requestedSize.isValid() && !requestedSize.isEmpty())
        image = image.scaled(requestedSize, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    return image;
}

Symbols::Symbols(QObject *parent)
    : QObject(parent)
{
}

QString Symbols::family() const
{
    return SystemSymbols::fontFamily();
}

QString Symbols::glyph(const QString &name) const
{
    return SystemSymbols::glyph(name);
}

QString Symbols::innerGlyph(const QString &name) const
{
    return SystemSymbols::innerGlyph(name);
}
