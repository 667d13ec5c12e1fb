#include "SettingsStore.h"

#include "Clock.h"

#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QLockFile>
#include <QMutex>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

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
//
// The reader takes only what the store writes (numbers, Booleans, texts, binary data)
// and reads it by hand with every size checked against the bytes that are there, so a
// crafted file cannot make it allocate more than the file holds. Anything else, or a
// size beyond the limits below, makes the whole file unreadable: every value is absent.
constexpr qint64 maxFileBytes = 64 * 1024 * 1024;
constexpr quint32 maxEntries = 100000;

// A QString or QByteArray as QDataStream writes it: a 32-bit byte count (all ones for
// a null one), then the bytes.
std::optional<QByteArray> readSized(QDataStream &in, qint64 left)
{
    quint32 size = 0;
    in >> size;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    if (size == 0xffffffffu)
        return QByteArray();
    if (qint64(size) > left - 4)
        return std::nullopt;
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    if (in.readRawData(bytes.data(), int(size)) != int(size))
        return std::nullopt;
    return bytes;
}

std::optional<QString> readString(QDataStream &in, qint64 left)
{
    const std::optional<QByteArray> bytes = readSized(in, left);
    if (!bytes || bytes->size() % 2 != 0)
        return std::nullopt;
    QString text(bytes->size() / 2, Qt::Uninitialized);
    const auto *raw = reinterpret_cast<const uchar *>(bytes->constData());
    for (qsizetype i = 0; i < text.size(); ++i) // big-endian UTF-16, as QDataStream writes it
        text[i] = QChar(ushort(raw[2 * i] << 8 | raw[2 * i + 1]));
    return text;
}

// One QVariant as QDataStream writes it: type, null flag, value.
std::optional<QVariant> readValue(QDataStream &in, qint64 left)
{
    quint32 type = 0;
    qint8 isNull = 0;
    in >> type >> isNull;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    left -= 5;
    const auto number = [&in](auto value) -> std::optional<QVariant> {
        in >> value;
        if (in.status() != QDataStream::Ok)
            return std::nullopt;
        return QVariant::fromValue(value);
    };
    switch (type) {
    case QMetaType::Bool:
        return number(bool());
    case QMetaType::Int:
        return number(qint32());
    case QMetaType::UInt:
        return number(quint32());
    case QMetaType::LongLong:
        return number(qint64());
    case QMetaType::ULongLong:
        return number(quint64());
    case QMetaType::Double:
        return number(double());
    case QMetaType::Float:
        return number(float());
    case QMetaType::QString:
        if (auto text = readString(in, left))
            return QVariant(*text);
        return std::nullopt;
    case QMetaType::QByteArray:
        if (auto bytes = readSized(in, left))
            return QVariant(*bytes);
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

bool readTyped(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray bytes = device.read(maxFileBytes + 1);
    if (bytes.size() > maxFileBytes)
        return false;
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_4);
    const auto left = [&] { return qint64(bytes.size()) - in.device()->pos(); };
    quint32 count = 0;
    in >> count;
    // Every entry takes at least a key's size, a type and a null flag.
    if (in.status() != QDataStream::Ok || count > maxEntries || qint64(count) * 9 > left())
        return false;
    QSettings::SettingsMap stored;
    for (quint32 i = 0; i < count; ++i) {
        const std::optional<QString> key = readString(in, left());
        if (!key || key->isNull())
            return false;
        const std::optional<QVariant> value = readValue(in, left());
        if (!value)
            return false;
        stored.insert(*key, *value);
    }
    if (!in.atEnd())
        return false;
    map = std::move(stored);
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

// A save is made under the lock "<file>.lock" into a temporary copy "<file>.XXXXXX"
// that then takes the file's place. A save cut short (the program killed during it)
// can leave both behind: the copy, which nothing else would ever remove, and the lock,
// empty when the kill came before its owner was written into it. An empty lock says
// nothing of its owner, so it would count as stale only at 30 s of age, and the next
// save, made on the interface thread, would wait for that. At the start these are
// cleared: a lock whose owner is gone is taken over at once (a live owner keeps its
// lock held at the system's level, which a takeover cannot break), and the copies are
// removed while the lock is held, so no save of another run is writing one.
void clearCutShortSave(const QString &path)
{
    const QFileInfo file(path);
    static const QRegularExpression copyName(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    QStringList copies;
    const QString prefix = file.fileName();
    for (const QString &name : file.dir().entryList({prefix + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        const QString rest = name.mid(prefix.size());
        if (copyName.match(rest).hasMatch() && rest != QLatin1String(".rmlock"))
            copies << name;
    }
    const QString lockPath = path + QStringLiteral(".lock");
    if (copies.isEmpty() && !QFileInfo::exists(lockPath))
        return;
    QLockFile lock(lockPath);
    // A lock being made by a live save has its owner written within moments.
    lock.setStaleLockTime(250);
    if (!lock.tryLock(1000))
        return;
    for (const QString &name : std::as_const(copies)) {
        if (file.dir().remove(name))
            qWarning("Settings: removed %s, left by a save that was cut short", qPrintable(name));
    }
}

QSettings::Format typedFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("pwsettings"), readTyped, writeTyped);
    return format;
}

} // namespace

SettingsStore::~SettingsStore() = default;

void SettingsStore::setValues(const QList<std::pair<QString, QVariant>> &values)
{
    for (const auto &[key, value] : values)
        setValue(key, value);
}

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

// The store's way to the disk: one worker thread, and the changes set since its last save.
struct SettingsDisk
{
    QThreadPool worker;
    QMutex lock; // guards `pending`; never held while the disk is written
    QList<std::pair<QString, std::optional<QVariant>>> pending;
};

PersistentSettingsStore::PersistentSettingsStore(const QString &filePath)
    : m_path(filePath)
    , m_disk(std::make_unique<SettingsDisk>())
{
    m_disk->worker.setMaxThreadCount(1); // saves in the order they were asked for
    clearCutShortSave(filePath);
    const QSettings file(filePath, typedFormat());
    m_unreadableFile = file.status() == QSettings::FormatError;
    for (const QString &key : file.allKeys())
        m_values.insert(key, file.value(key));
}

QString MemorySettingsStore::keepCopy()
{
    m_copies << m_values;
    return QStringLiteral("copy %1 in memory").arg(m_copies.size());
}

QString PersistentSettingsStore::keepCopy()
{
    if (!QFileInfo(m_path).isFile())
        return {};
    const QString stem = m_path + QStringLiteral(".undecodable-")
                         + Clock::current().now().toTimeZone(Clock::current().timeZone()).toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = stem;
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = stem + QLatin1Char('-') + QString::number(n);
    if (!QFile::copy(m_path, copy)) {
        qWarning("Settings: could not keep a copy of %s", qPrintable(m_path));
        return {};
    }
    qWarning("Settings: kept the unreadable values of %s as %s", qPrintable(m_path), qPrintable(copy));
    return copy;
}

PersistentSettingsStore::~PersistentSettingsStore()
{
    sync();
}

bool PersistentSettingsStore::contains(const QString &key) const
{
    return m_values.contains(key);
}

QVariant PersistentSettingsStore::value(const QString &key) const
{
    return m_values.value(key);
}

void PersistentSettingsStore::setValue(const QString &key, const QVariant &value)
{
    change({{key, value}});
}

void PersistentSettingsStore::setValues(const QList<std::pair<QString, QVariant>> &values)
{
    QList<Change> changes;
    for (const auto &[key, value] : values)
        changes.append({key, value});
    change(changes);
}

void PersistentSettingsStore::remove(const QString &key)
{
    change({{key, std::nullopt}});
}

void PersistentSettingsStore::change(const QList<Change> &changes)
{
    // Writing to a file that could not be read replaces it: keep what it held first.
    if (std::exchange(m_unreadableFile, false))
        keepCopy();
    for (const auto &[key, value] : changes) {
        if (value)
            m_values.insert(key, *value);
        else
            m_values.remove(key);
    }
    bool saving = false;
    {
        QMutexLocker locker(&m_disk->lock);
        saving = !m_disk->pending.isEmpty(); // a save asked for has not taken them yet
        m_disk->pending.append(changes);
    }
    if (!saving)
        m_disk->worker.start([this] { save(); });
}

void PersistentSettingsStore::save()
{
    QList<Change> changes;
    {
        QMutexLocker locker(&m_disk->lock);
        changes.swap(m_disk->pending);
    }
    if (changes.isEmpty())
        return;
    QSettings file(m_path, typedFormat());
    for (const auto &[key, value] : std::as_const(changes)) {
        if (value)
            file.setValue(key, *value);
        else
            file.remove(key);
    }
    file.sync();
}

void PersistentSettingsStore::sync()
{
    m_disk->worker.waitForDone();
    save(); // anything a save still running had not taken
}
