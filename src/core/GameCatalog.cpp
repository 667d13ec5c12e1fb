#include "GameCatalog.h"

#include "DataFiles.h"
#include "JsonStrict.h"

namespace {

struct CategoryName
{
    GameCategory category;
    const char *stored;
};

constexpr CategoryName kCategoryNames[] = {
    {GameCategory::english, "english"},
    {GameCategory::chinese, "chinese"},
    {GameCategory::math, "math"},
    {GameCategory::dressUp, "dress-up"},
    {GameCategory::logicThinking, "logic-thinking"},
    {GameCategory::coordinationMemory, "coordination-memory"},
    {GameCategory::videoScience, "video-science"},
};

std::optional<GameDefinition> decodeEntry(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    GameDefinition game;
    QString category;
    QString status;
    if (!JsonStrict::string(object, "id", &game.id) || !JsonStrict::string(object, "title", &game.title)
        || !JsonStrict::string(object, "subtitle", &game.subtitle) || !JsonStrict::string(object, "category", &category)
        || !JsonStrict::string(object, "icon", &game.icon) || !JsonStrict::integer(object, "minutes", &game.minutes)
        || !JsonStrict::string(object, "status", &status) || !JsonStrict::stringList(object, "skills", &game.skills))
        return std::nullopt;
    if (!categoryFromStored(category, &game.category) || !statusFromStored(status, &game.status))
        return std::nullopt;
    return game;
}

GameDefinition entry(const char *id, const char *title, const char *subtitle, GameCategory category,
                     const char *icon, qint64 minutes, QStringList skills)
{
    return GameDefinition{QString::fromUtf8(id),
                          QString::fromUtf8(title),
                          QString::fromUtf8(subtitle),
                          category,
                          QString::fromUtf8(icon),
                          minutes,
                          GameStatus::available,
                          std::move(skills)};
}

} // namespace

const QList<GameCategory> &allCategories()
{
    static const QList<GameCategory> categories = [] {
        QList<GameCategory> list;
        for (const CategoryName &name : kCategoryNames)
            list.append(name.category);
        return list;
    }();
    return categories;
}

QString storedString(GameCategory category)
{
    for (const CategoryName &name : kCategoryNames) {
        if (name.category == category)
            return QString::fromLatin1(name.stored);
    }
    return {};
}

QString storedString(GameStatus status)
{
    return status == GameStatus::available ? QStringLiteral("available") : QStringLiteral("comingSoon");
}

bool categoryFromStored(const QString &text, GameCategory *category)
{
    for (const CategoryName &name : kCategoryNames) {
        if (text == QLatin1String(name.stored)) {
            *category = name.category;
            return true;
        }
    }
    return false;
}

bool statusFromStored(const QString &text, GameStatus *status)
{
    if (text == QLatin1String("available"))
        *status = GameStatus::available;
    else if (text == QLatin1String("comingSoon"))
        *status = GameStatus::comingSoon;
    else
        return false;
    return true;
}

size_t qHash(const GameDefinition &game, size_t seed)
{
    return qHashMulti(seed, game.id, game.title, game.subtitle, int(game.category), game.icon, game.minutes,
                      int(game.status), game.skills);
}

namespace GameCatalog {

QList<GameDefinition> decode(const QByteArray &json, bool *ok)
{
    if (ok)
        *ok = false;
    const auto doc = JsonStrict::parse(json);
    if (!doc || !doc->isArray())
        return {};
    const QJsonArray array = doc->array();
    QList<GameDefinition> games;
    games.reserve(array.size());
    for (const QJsonValue &value : array) {
        auto game = decodeEntry(value);
        if (!game)
            return {};
        games.append(std::move(*game));
    }
    if (ok)
        *ok = true;
    return games;
}

QList<GameDefinition> loadFrom(const QStringList &candidatePaths)
{
    for (const QString &path : candidatePaths) {
        const auto bytes = JsonStrict::readFile(path);
        if (!bytes)
            continue;
        bool ok = false;
        QList<GameDefinition> games = decode(*bytes, &ok);
        if (ok && !games.isEmpty())
            return games;
    }
    return fallback();
}

const QList<GameDefinition> &all()
{
    static const QList<GameDefinition> games =
        loadFrom(DataFiles::candidates(QStringLiteral("game_catalog"), QStringLiteral("json")));
    return games;
}

const GameDefinition *find(const QString &id)
{
    for (const GameDefinition &game : all()) {
        if (game.id == id)
            return &game;
    }
    return nullptr;
}

const QList<GameDefinition> &fallback()
{
    using C = GameCategory;
    static const QList<GameDefinition> games{
        entry("draw-guess", "魔法画画猜猜", "画出来，让小铃来猜", C::coordinationMemory, "paintbrush.pointed.fill", 5,
              {"creativity", "english"}),
        entry("spot-difference", "大家来找茬", "每局随机找 5–10 处不同", C::logicThinking, "eye.fill", 4,
              {"observation"}),
        entry("english-listen", "听英语找图片", "听一听，点一点", C::english, "ear.fill", 3,
              {"english", "coordination"}),
        entry("word-builder", "跟读拼词", "开口读，再拼单词", C::english, "character.book.closed.fill", 4, {"english"}),
        entry("chinese-match", "识字拼音岛", "听音找到汉字", C::chinese, "character.book.closed.fill.zh", 3,
              {"chinese"}),
        entry("math-battle", "数学打怪兽", "算对就发射星光", C::math, "sparkles", 4, {"math"}),
        entry("memory-match", "记忆翻翻乐", "帮动物找到朋友", C::coordinationMemory, "rectangle.on.rectangle.angled", 4,
              {"memory", "observation"}),
        entry("maze", "森林冒险迷宫", "收集道具，击退捣蛋怪，到达终点", C::logicThinking, "map.fill", 6,
              {"logic", "observation", "coordination"}),
        entry("pattern", "图形规律", "下一张是什么？", C::logicThinking, "square.grid.3x3.fill", 3,
              {"logic", "observation"}),
        entry("reaction", "反应力点击", "追上跳跳星", C::coordinationMemory, "scope", 2, {"coordination"}),
        entry("simon-directions", "Simon Says", "听口令，分左右", C::english, "figure.play", 3,
              {"coordination", "english"}),
        entry("free-canvas", "魔法画板", "把想象画出来", C::coordinationMemory, "pencil.and.outline", 8, {"creativity"}),
        entry("rhythm-tap", "节奏星球", "跟着节拍点一点", C::coordinationMemory, "music.note.list", 3,
              {"coordination"}),
        entry("radical-builder", "汉字拼拼乐", "偏旁部首变汉字", C::chinese, "square.grid.2x2.fill", 4, {"chinese"}),
        entry("space-trip", "视频科普影厅", "点击卡片，直接在乐园里播放", C::videoScience, "play.rectangle.fill", 8,
              {"observation"}),
        entry("magic-closet", "魔法换装秀场", "拖动女孩，切换造型和魔法配饰", C::dressUp, "tshirt.fill", 6,
              {"creativity", "coordination"}),
        entry("pet-care", "宠物魔法小屋", "照顾宠物，点亮爱心徽章", C::dressUp, "heart.fill", 5,
              {"creativity", "observation"}),
        entry("magic-builder", "魔法建造工坊", "像积木一样搭出童话小屋", C::dressUp, "building.2.fill", 6,
              {"creativity", "logic"}),
        entry("magic-bakery", "梦幻奶茶屋", "拖配料、摇奶茶，完成梦幻特调", C::dressUp, "cup.and.saucer.fill", 6,
              {"creativity", "coordination"}),
    };
    return games;
}

} // namespace GameCatalog
