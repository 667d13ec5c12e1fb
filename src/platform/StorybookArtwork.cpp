#include "StorybookArtwork.h"

#include "DataFiles.h"

#include <QFileInfo>
#include <QImageReader>

namespace StorybookArtwork {

bool isValidName(const QString &name)
{
    if (name.isEmpty() || name.size() > 200)
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9')
                        || u == '_' || u == '-';
        if (!ok)
            return false;
    }
    return true;
}

QString filePath(const QString &name)
{
    if (!isValidName(name))
        return {};
    const QString file = name + QStringLiteral(".png");
    QStringList candidates{QStringLiteral(":/images/") + file};
    for (const QString &folder : DataFiles::folders())
        candidates << folder + QLatin1Char('/') + file << folder + QStringLiteral("/images/") + file;
    for (const QString &candidate : candidates) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return {};
}

QImage image(const QString &name)
{
    const QString path = filePath(name);
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

bool exists(const QString &name)
{
    const QString path = filePath(name);
    return !path.isEmpty() && QImageReader(path).canRead();
}

QString coverName(const QString &gameId)
{
    QString id = gameId;
    return QStringLiteral("game_cover_") + id.replace(QLatin1Char('-'), QLatin1Char('_'));
}

} // namespace StorybookArtwork
