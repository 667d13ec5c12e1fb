#pragma once

// Strict readings of JSON values shared by the decoders of the data files and of the
// saved progress: a value of the wrong type, a null, or a number with a fractional part
// where a whole number is expected is a failure, never a silent conversion.

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>
#include <QTimeZone>

#include <cmath>
#include <optional>

namespace JsonStrict {

// The whole document, or nullopt when it is not valid JSON.
inline std::optional<QJsonDocument> parse(const QByteArray &bytes)
{
    QJsonParseError error;
    QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || doc.isNull())
        return std::nullopt;
    return doc;
}

inline bool string(const QJsonObject &object, const char *key, QString *out)
{
    const QJsonValue v = object.value(QLatin1String(key));
    if (!v.isString())
        return false;
    *out = v.toString();
    return true;
}

// A whole number that fits a signed 64-bit integer. QJsonValue::toInteger() gives its
// default for anything else (a fraction, a value out of range), so two different
// defaults agree only on a true integer.
inline bool integer(const QJsonValue &v, qint64 *out)
{
    if (!v.isDouble())
        return false;
    const qint64 a = v.toInteger(0);
    if (a != v.toInteger(1))
        return false;
    *out = a;
    return true;
}

inline bool integer(const QJsonObject &object, const char *key, qint64 *out)
{
    return integer(object.value(QLatin1String(key)), out);
}

inline bool stringList(const QJsonValue &v, QStringList *out)
{
    if (!v.isArray())
        return false;
    const QJsonArray array = v.toArray();
    QStringList result;
    result.reserve(array.size());
    for (const QJsonValue &item : array) {
        if (!item.isString())
            return false;
        result.append(item.toString());
    }
    *out = std::move(result);
    return true;
}

inline bool stringList(const QJsonObject &object, const char *key, QStringList *out)
{
    return stringList(object.value(QLatin1String(key)), out);
}

// Dates are seconds since 2001-01-01 00:00:00 UTC, with a fraction.
inline const QDateTime &referenceDate()
{
    static const QDateTime reference(QDate(2001, 1, 1), QTime(0, 0), QTimeZone::utc());
    return reference;
}

inline double encodeDate(const QDateTime &date)
{
    return double(date.toMSecsSinceEpoch() - referenceDate().toMSecsSinceEpoch()) / 1000.0;
}

// A number of seconds; rejects values beyond some 300,000 years either way, which no
// clock writes and which the date type cannot hold to the millisecond.
inline bool date(const QJsonValue &v, QDateTime *out)
{
    if (!v.isDouble())
        return false;
    const double seconds = v.toDouble();
    if (!std::isfinite(seconds) || std::fabs(seconds) > 1e13)
        return false;
    *out = QDateTime::fromMSecsSinceEpoch(referenceDate().toMSecsSinceEpoch() + qint64(std::llround(seconds * 1000.0)),
                                          QTimeZone::utc());
    return true;
}

// The whole file, or nullopt when it cannot be opened or read.
inline std::optional<QByteArray> readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

} // namespace JsonStrict
