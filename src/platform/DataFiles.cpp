#include "DataFiles.h"

#include <QCoreApplication>

namespace DataFiles {

QStringList folders()
{
    QStringList result{QStringLiteral(":/data")};
    if (QCoreApplication::instance())
        result << QCoreApplication::applicationDirPath() + QStringLiteral("/resources");
    return result;
}

QStringList candidates(const QString &name, const QString &extension)
{
    QStringList result;
    for (const QString &folder : folders())
        result << folder + QLatin1Char('/') + name + QLatin1Char('.') + extension;
    return result;
}

} // namespace DataFiles
