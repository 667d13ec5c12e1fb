#include "SettingsStore.h"

#include <QDataStream>
#include <QIODevice>
#include <QSettings>
#include <QStandardPaths>

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
    if (!ok)
        return std::nullopt;
    return d;
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
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        map.insert(it.key(), it.value());
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
    if (isNumeric(v))
        return static_cast<qint64>(v.toDouble());
    if (v.typeId() == QMetaType::QString) {
        const auto d = textAsNumber(v.toString());
        return d ? static_cast<qint64>(*d) : 0;
    }
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
