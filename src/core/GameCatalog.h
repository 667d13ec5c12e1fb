#pragma once

#include <QByteArray>
#include <QHashFunctions>
#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

// The shelves of the playground and whether a game can be played. Declared in a
// meta-object namespace so QML can read them by name.
namespace GameEnums {
Q_NAMESPACE

// In the order of the category portals.
enum class GameCategory { english, chinese, math, dressUp, logicThinking, coordinationMemory, videoScience };
Q_ENUM_NS(GameCategory)

enum class GameStatus { available, comingSoon };
Q_ENUM_NS(GameStatus)

} // namespace GameEnums

using GameEnums::GameCategory;
using GameEnums::GameStatus;

// Every category, in portal order.
const QList<GameCategory> &allCategories();
// "english", "chinese", "math", "dress-up", "logic-thinking", "coordination-memory",
// "video-science".
QString storedString(GameCategory category);
// "available", "comingSoon".
QString storedString(GameStatus status);
// The category or status stored as `text`; false when the text names none.
bool categoryFromStored(const QString &text, GameCategory *category);
bool statusFromStored(const QString &text, GameStatus *status);

// One entry of the game catalogue; identified by `id`.
struct GameDefinition
{
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id CONSTANT)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString subtitle MEMBER subtitle CONSTANT)
    Q_PROPERTY(QString category READ categoryName CONSTANT)
    Q_PROPERTY(GameEnums::GameCategory categoryValue MEMBER category CONSTANT)
    Q_PROPERTY(QString icon MEMBER icon CONSTANT)
    Q_PROPERTY(qint64 minutes MEMBER minutes CONSTANT)
    Q_PROPERTY(QString status READ statusName CONSTANT)
    Q_PROPERTY(GameEnums::GameStatus statusValue MEMBER status CONSTANT)
    Q_PROPERTY(bool available READ isAvailable CONSTANT)
    Q_PROPERTY(QStringList skills MEMBER skills CONSTANT)

public:
    QString id;
    QString title;
    QString subtitle;
    GameCategory category = GameCategory::english;
    QString icon;
    qint64 minutes = 0;
    GameStatus status = GameStatus::available;
    QStringList skills;

    QString categoryName() const { return storedString(category); }
    QString statusName() const { return storedString(status); }
    bool isAvailable() const { return status == GameStatus::available; }

    friend bool operator==(const GameDefinition &, const GameDefinition &) = default;
};

size_t qHash(const GameDefinition &game, size_t seed = 0);

namespace GameCatalog {

// The catalogue: read once, on first use, from the first usable "game_catalog.json"
// among DataFiles::candidates(); the built-in list when none is usable. Never empty.
const QList<GameDefinition> &all();

// The 19 built-in games.
const QList<GameDefinition> &fallback();

// Strict decoding of a catalogue document: a JSON array of objects, each with the
// eight keys of a GameDefinition. Any bad element rejects the whole document (ok is
// false and the list empty). Keys other than the eight are ignored.
QList<GameDefinition> decode(const QByteArray &json, bool *ok = nullptr);

// The first candidate file that can be read and decodes to a non-empty list; the
// built-in list when none does.
QList<GameDefinition> loadFrom(const QStringList &candidatePaths);

// The entry with this identifier in all(), or nullptr.
const GameDefinition *find(const QString &id);

} // namespace GameCatalog
