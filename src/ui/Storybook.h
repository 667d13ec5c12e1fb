#pragma once

#include <QObject>
#include <QQuickImageProvider>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// Named pictures for QML: whether a picture is there, its "image://storybook/<name>"
// address, the cover name of a game and the name of the storybook cover's picture.
class Storybook : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString welcomeCover READ welcomeCover CONSTANT FINAL)

public:
    explicit Storybook(QObject *parent = nullptr);

    Q_INVOKABLE bool hasImage(const QString &name) const;
    // The picture's address for an Image, or an empty address when there is none.
    Q_INVOKABLE QUrl source(const QString &name) const;
    Q_INVOKABLE QString coverName(const QString &gameId) const;
    QString welcomeCover() const { return QLatin1String(welcomeCoverName); }

    static constexpr auto providerId = "storybook";
    // The picture the storybook cover shows, the first the program draws.
    static constexpr auto welcomeCoverName = "storybook_welcome_cover";
};

// Serves "image://storybook/<name>" from StorybookArtwork.
class StorybookImageProvider : public QQuickImageProvider
{
public:
    StorybookImageProvider();
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;
};

// System symbols for QML: the icon-font glyph of a symbol name.
class Symbols : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString family READ family CONSTANT FINAL)

public:
    explicit Symbols(QObject *parent = nullptr);
    QString family() const;
    Q_INVOKABLE QString glyph(const QString &name) const;
    // The glyph cut into a two-glyph symbol, or an empty string.
    Q_INVOKABLE QString innerGlyph(const QString &name) const;
};
