#include "SettingsStore.h"

#include <QDataStream>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

SettingsStore *g_standard = nullptr;

bool isNumeric(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

std::optional<double> textAsNumber(const QString &text)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    // "nan" and "inf" parse as doubles, but no one writes them as a number.
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// Truncates toward zero; a value beyond the 64-bit range stays at its limit and NaN
// reads as 0 (a plain cast of either is undefined).
qint64 truncated(double d)
{
    if (std::isnan(d))
        return 0;
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (d >= limit)
        return std::numeric_limits<qint64>::max();
    if (d < -limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(d);
}

// QSettings format that keeps each QVariant's type: the whole map as a QDataStream.
bool readTyped(QIODevice &device, QSettings::SettingsMap &map)
{
    QDataStream in(&device);
    in.setVersion(QDataStream::Qt_6_4);
    QVariantMap stored;
    in >> stored;
    if (in.status() != QDataStream::Ok)
        return false;
    // A value of a type that cannot be made means the bytes are not what the store
    // wrote (the rest of the stream is out of step): the file is unreadable as a whole.
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        if (!it.value().isValid())
            return false;
    }
    // The store writes only these types; anything else reads as no value.
    for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
        if (isNumeric(it.value()) || it.value().typeId() == QMetaType::QString
            || it.value().typeId() == QMetaType::QByteArray)
            map.insert(it.key(), it.value());
    }
    return true;
}

bool writeTyped(QIODevice &device, const QSettings::SettingsMap &map)
{
    QDataStream out(&device);
    out.setVersion(QDataStream::Qt_6_4);
    QVariantMap stored;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        stored.insert(it.key(), it.value());
    out << stored;
    return out.status() == QDataStream::Ok;
}

QSettings::Format typedFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("pwsettings"), readTyped, writeTyped);
    return format;
}

} // namespace

SettingsStore::~SettingsStore() = default;

qint64 SettingsStore::integer(const QString &key) const
{
    const QVariant v = value(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? 1 : 0;
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int || v.typeId() == QMetaType::UInt)
        return v.toLongLong();
    if (v.typeId() == QMetaType::ULongLong)
        return qint64(std::min<qulonglong>(v.toULongLong(), qulonglong(std::numeric_limits<qint64>::max())));
    if (isNumeric(v))
        return truncated(v.toDouble());
    if (v.typeId() == QMetaType::QString)
        return truncated(textAsNumber(v.toString()).value_or(0.0));
    return 0;
}

double SettingsStore::real(const QString &key) const
{
    const QVariant v = value(key);
    if (isNumeric(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::QString)
        return textAsNumber(v.toString()).value_or(0.0);
    return 0.0;
}

bool SettingsStore::boolean(const QString &key) const
{
    const QVariant v = value(key);
    if (isNumeric(v))
        return v.toDouble() != 0.0;
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed().toLower();
        if (t == QLatin1String("yes") || t == QLatin1String("true"))
            return true;
        return textAsNumber(t).value_or(0.0) != 0.0;
    }
    return false;
}

std::optional<QString> SettingsStore::string(const QString &key) const
{
    const QVariant v = value(key);
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    if (isNumeric(v) && v.typeId() != QMetaType::Bool)
        return v.toString();
    return std::nullopt;
}

std::optional<QByteArray> SettingsStore::data(const QString &key) const
{
    const QVariant v = value(key);
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray();
    return std::nullopt;
}

bool SettingsStore::isNumber(const QString &key) const
{
    return isNumeric(value(key));
}

SettingsStore &SettingsStore::standard()
{
    if (g_standard)
        return *g_standard;
    static PersistentSettingsStore persistent;
    return persistent;
}

void SettingsStore::setStandard(SettingsStore *store)
{
    g_standard = store;
}

PersistentSettingsStore::PersistentSettingsStore()
    : PersistentSettingsStore(
          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
          + QStringLiteral("/pipwhistle/settings.bin"))
{
}

PersistentSettingsStore::PersistentSettingsStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, typedFormat()))
{
}

PersistentSettingsStore::~PersistentSettingsStore()
{
    m_settings->sync();
}

bool PersistentSettingsStore::contains(const QString &key) const
{
    return m_settings->contains(key);
}

QVariant PersistentSettingsStore::value(const QString &key) const
{
    return m_settings->value(key);
}

void PersistentSettingsStore::setValue(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

void PersistentSettingsStore::remove(const QString &key)
{
    m_settings->remove(key);
    m_settings->sync();
}

void PersistentSettingsStore::sync()
{
    m_settings->sync();
}
