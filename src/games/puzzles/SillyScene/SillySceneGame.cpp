#include "SillySceneGame.h"

#include "AppTheme.h"

using namespace Qt::StringLiterals;

namespace {
const QString searchLine = u"找一找，哪个东西来错了地方？"_s;

// The platform's standard colours the boards use besides the theme's.
const QColor systemBlue = QColor::fromRgb(0, 122, 255);
const QColor systemCyan = QColor::fromRgb(50, 173, 230);
const QColor systemIndigo = QColor::fromRgb(88, 86, 214);
const QColor white = QColor(Qt::white);
} // namespace

QList<SceneObject> SillySceneQuestion::objects(const QList<std::pair<QString, QString>> &pairs)
{
    QList<SceneObject> list;
    list.reserve(pairs.size());
    for (const auto &[emoji, name] : pairs)
        list.append({emoji, name});
    return list;
}

// Joined pictures (the polar bear, the astronaut, the teacher) keep their zero-width
// joiners, so each is drawn as one picture.
const QList<SillySceneQuestion> &SillySceneQuestion::all()
{
    static const QList<SillySceneQuestion> scenes{
        {u"海底世界"_s,
         objects({{u"🐠"_s, u"小鱼"_s}, {u"🐙"_s, u"章鱼"_s}, {u"🪸"_s, u"珊瑚"_s}, {u"🦀"_s, u"螃蟹"_s}, {u"🚲"_s, u"自行车"_s}, {u"🤿"_s, u"潜水员"_s}}),
         4, u"自行车不能在海底骑。"_s, {AppTheme::withOpacity(AppTheme::sky(), 0.62), AppTheme::withOpacity(systemBlue, 0.42)}},
        {u"冰雪乐园"_s,
         objects({{u"⛄\uFE0F"_s, u"雪人"_s}, {u"🐧"_s, u"企鹅"_s}, {u"🐻\u200D❄\uFE0F"_s, u"北极熊"_s}, {u"🛷"_s, u"雪橇"_s}, {u"🌵"_s, u"仙人掌"_s}, {u"🎿"_s, u"滑雪板"_s}}),
         4, u"仙人掌喜欢温暖干燥的地方。"_s, {AppTheme::withOpacity(systemCyan, 0.35), AppTheme::withOpacity(white, 1.0)}},
        {u"森林野餐"_s,
         objects({{u"🌳"_s, u"大树"_s}, {u"🐿\uFE0F"_s, u"松鼠"_s}, {u"🧺"_s, u"野餐篮"_s}, {u"🥪"_s, u"三明治"_s}, {u"🐬"_s, u"海豚"_s}, {u"🍄"_s, u"蘑菇"_s}}),
         4, u"海豚应该生活在水里。"_s, {AppTheme::withOpacity(AppTheme::mint(), 0.44), AppTheme::withOpacity(AppTheme::mango(), 0.22)}},
        {u"太空旅行"_s,
         objects({{u"🚀"_s, u"火箭"_s}, {u"👩\u200D🚀"_s, u"宇航员"_s}, {u"🌍"_s, u"地球"_s}, {u"🌙"_s, u"月亮"_s}, {u"⭐\uFE0F"_s, u"星星"_s}, {u"🐟"_s, u"小鱼"_s}}),
         5, u"小鱼离不开水，不能在太空游。"_s, {AppTheme::withOpacity(systemIndigo, 0.62), AppTheme::withOpacity(AppTheme::purple(), 0.44)}},
        {u"香香厨房"_s,
         objects({{u"🍲"_s, u"汤锅"_s}, {u"🍳"_s, u"平底锅"_s}, {u"🍎"_s, u"苹果"_s}, {u"🧁"_s, u"蛋糕"_s}, {u"🛁"_s, u"浴缸"_s}, {u"🥄"_s, u"勺子"_s}}),
         4, u"浴缸应该放在浴室里。"_s, {AppTheme::withOpacity(AppTheme::mango(), 0.36), AppTheme::withOpacity(AppTheme::coral(), 0.22)}},
        {u"快乐农场"_s,
         objects({{u"🐄"_s, u"奶牛"_s}, {u"🚜"_s, u"拖拉机"_s}, {u"🌽"_s, u"玉米"_s}, {u"🐔"_s, u"母鸡"_s}, {u"🐖"_s, u"小猪"_s}, {u"🛸"_s, u"飞碟"_s}}),
         5, u"飞碟来自太空，不是农场工具。"_s, {AppTheme::withOpacity(AppTheme::sky(), 0.34), AppTheme::withOpacity(AppTheme::mint(), 0.46)}},
        {u"安静教室"_s,
         objects({{u"📚"_s, u"图书"_s}, {u"✏\uFE0F"_s, u"铅笔"_s}, {u"🎒"_s, u"书包"_s}, {u"📏"_s, u"尺子"_s}, {u"🧑\u200D🏫"_s, u"老师"_s}, {u"🦈"_s, u"鲨鱼"_s}}),
         5, u"鲨鱼生活在海里，不会坐在教室。"_s, {AppTheme::withOpacity(AppTheme::sky(), 0.27), AppTheme::withOpacity(AppTheme::mango(), 0.25)}},
        {u"沙漠营地"_s,
         objects({{u"🐪"_s, u"骆驼"_s}, {u"🌵"_s, u"仙人掌"_s}, {u"☀\uFE0F"_s, u"太阳"_s}, {u"⛺\uFE0F"_s, u"帐篷"_s}, {u"🐧"_s, u"企鹅"_s}, {u"💧"_s, u"水壶"_s}}),
         4, u"企鹅更适合寒冷的地方。"_s, {AppTheme::withOpacity(AppTheme::mango(), 0.48), AppTheme::withOpacity(AppTheme::coral(), 0.22)}},
        {u"洗澡时间"_s,
         objects({{u"🛁"_s, u"浴缸"_s}, {u"🧼"_s, u"香皂"_s}, {u"🪥"_s, u"牙刷"_s}, {u"🧻"_s, u"毛巾"_s}, {u"🦒"_s, u"长颈鹿"_s}, {u"🦆"_s, u"小黄鸭"_s}}),
         4, u"长颈鹿太高大，不能待在浴室里。"_s, {AppTheme::withOpacity(systemCyan, 0.28), AppTheme::withOpacity(AppTheme::purple(), 0.17)}},
        {u"蓝蓝天空"_s,
         objects({{u"✈\uFE0F"_s, u"飞机"_s}, {u"🐦"_s, u"小鸟"_s}, {u"☁\uFE0F"_s, u"云朵"_s}, {u"🪁"_s, u"风筝"_s}, {u"🚗"_s, u"汽车"_s}, {u"🌈"_s, u"彩虹"_s}}),
         4, u"汽车应该在地面道路上行驶。"_s, {AppTheme::withOpacity(AppTheme::sky(), 0.48), AppTheme::withOpacity(white, 1.0)}},
    };
    return scenes;
}

SillySceneGame::SillySceneGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = searchLine,
                     .goodWords = {u"找一找"_s, u"发现"_s}},
                    parent)
{
}

const SillySceneQuestion &SillySceneGame::current() const
{
    return SillySceneQuestion::all().at(questionIndex());
}

QString SillySceneGame::prompt() const
{
    return u"在"_s + current().title + u"里，哪个东西来错了地方？"_s;
}

QStringList SillySceneGame::emojis() const
{
    QStringList list;
    for (const SceneObject &object : current().items)
        list.append(object.emoji);
    return list;
}

QStringList SillySceneGame::names() const
{
    QStringList list;
    for (const SceneObject &object : current().items)
        list.append(object.name);
    return list;
}

TileState::State SillySceneGame::tileState(int index) const
{
    return TileState::ofChoice(locked(), index == current().oddIndex, index == selectedIndex());
}

QList<int> SillySceneGame::tileStates() const
{
    QList<int> states;
    for (int i = 0; i < current().items.size(); ++i)
        states.append(tileState(i));
    return states;
}

void SillySceneGame::choose(int index)
{
    if (answersClosed() || index < 0 || index >= current().items.size())
        return;
    m_selected = index;
    if (index == current().oddIndex)
        answerRight(u"发现啦！"_s + current().items[index].name + u"不应该在这里"_s);
    else
        answerWrong(u"它在这里很正常，再看看别的"_s);
}
