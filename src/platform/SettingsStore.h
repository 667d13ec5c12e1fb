#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>
#include <utility>

class QSettings;

// The key-value store for everything the playground keeps between runs.
//
// Values keep their type (integer, double, Boolean, string, binary data). The typed
// readings follow the conventions every caller relies on:
//  - integer(): a number is truncated toward zero, a Boolean is 0 or 1, a text is read
//    as a number when the whole text is a finite one (leading and trailing spaces
//    allowed) and as 0 otherwise; anything else, or no value, is 0. A number beyond
//    the 64-bit range reads as the nearest limit, NaN as 0.
//  - real(): like integer() without the truncation.
//  - boolean(): a number is true when it is not 0; a text is true when it is "yes" or
//    "true" (any case) or reads as a non-zero number; anything else is false.
//  - string(): a text as it is, a number as its decimal text; otherwise no string.
//  - data(): binary data only; any other value reads as no data.
//  - isNumber(): the value is an integer, a double or a Boolean.
class SettingsStore
{
public:
    virtual ~SettingsStore();

    virtual bool contains(const QString &key) const = 0;
    virtual QVariant value(const QString &key) const = 0;
    virtual void setValue(const QString &key, const QVariant &value) = 0;
    virtual void remove(const QString &key) = 0;
    // Writes several values at once: a persistent store saves them in one go, so that
    // values that belong together are never on disk one without the others.
    virtual void setValues(const QList<std::pair<QString, QVariant>> &values);

    qint64 integer(const QString &key) const;
    double real(const QString &key) const;
    bool boolean(const QString &key) const;
    std::optional<QString> string(const QString &key) const;
    std::optional<QByteArray> data(const QString &key) const;
    bool isNumber(const QString &key) const;

    void setInteger(const QString &key, qint64 v) { setValue(key, QVariant::fromValue(v)); }
    void setReal(const QString &key, double v) { setValue(key, v); }
    void setBoolean(const QString &key, bool v) { setValue(key, v); }
    void setString(const QString &key, const QString &v) { setValue(key, v); }
    void setData(const QString &key, const QByteArray &v) { setValue(key, v); }

    // Keeps a copy of everything the store holds, as it is, before a caller overwrites
    // values it could not make sense of; a stored file is copied beside itself with
    // the time in its name. Returns where the copy went (empty when none was made).
    virtual QString keepCopy() = 0;

    // The application's standard store: the persistent one unless a test installs
    // another. The store installed is not owned.
    static SettingsStore &standard();
    static void setStandard(SettingsStore *store);
};

// Keeps values in memory only; used by tests.
class MemorySettingsStore final : public SettingsStore
{
public:
    bool contains(const QString &key) const override { return m_values.contains(key); }
    QVariant value(const QString &key) const override { return m_values.value(key); }
    void setValue(const QString &key, const QVariant &value) override { m_values.insert(key, value); }
    void remove(const QString &key) override { m_values.remove(key); }
    void clear() { m_values.clear(); m_copies.clear(); }
    QString keepCopy() override;
    // The copies kept, oldest first.
    const QList<QHash<QString, QVariant>> &copies() const { return m_copies; }

private:
    QHash<QString, QVariant> m_values;
    QList<QHash<QString, QVariant>> m_copies;
};

// Keeps values on disk through QSettings, in a binary format that stores each value
// with its type, so an integer reads back as an integer after a restart.
//
// The values are read once, as the store is made, and kept in memory: reading and
// writing never touch the disk on the calling thread. What is set goes to the disk on
// the store's own worker, soon after, in the order it was set; the values of one
// setValues() call are saved in one go. Saving a file waits for the disk to confirm
// it (tens of milliseconds on a busy disk), which held the tap that stored a look or
// finished a play. sync() and the destructor wait until everything set is on disk.
class PersistentSettingsStore final : public SettingsStore
{
public:
    // The default location is the user's configuration folder; tests pass a file.
    PersistentSettingsStore();
    explicit PersistentSettingsStore(const QString &filePath);
    ~PersistentSettingsStore() override;

    bool contains(const QString &key) const override;
    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;
    void remove(const QString &key) override;
    void setValues(const QList<std::pair<QString, QVariant>> &values) override;
    // Returns once everything set so far is on disk.
    void sync();
    // Copies the file to "<file>.undecodable-<yyyyMMdd-HHmmss>" beside it.
    QString keepCopy() override;

private:
    // A value to store, or a key to remove (no value).
    using Change = std::pair<QString, std::optional<QVariant>>;
    // Records `changes` in memory and hands them to the worker.
    void change(const QList<Change> &changes);
    // On the worker: saves every change handed over so far.
    void save();

    QString m_path;
    QHash<QString, QVariant> m_values;
    // The file is there but unreadable: the first write keeps a copy of it first.
    bool m_unreadableFile = false;
    std::unique_ptr<struct SettingsDisk> m_disk;
};
