#include "GameText.h"

#include <QStringList>

QString GameText::capitalized(const QString &words)
{
    QStringList parts = words.split(QLatin1Char(' '));
    for (QString &part : parts) {
        if (!part.isEmpty())
            part = part.left(1).toUpper() + part.mid(1).toLower();
    }
    return parts.join(QLatin1Char(' '));
}
