#include "StoryPuzzleGame.h"


using namespace Qt::StringLiterals;

namespace {
const QString startLine = u"从故事最开始的一张图点起"_s;
} // namespace

const StoryStep &StoryPuzzle::step(const QString &id) const
{
    for (const StoryStep &s : steps) {
        if (s.id == id)
            return s;
    }
    return steps.first();
}

const QList<StoryPuzzle> &StoryPuzzle::all()
{
    static const QList<StoryPuzzle> stories{
        {u"向日葵长大"_s, u"按发生的先后，把小故事拼完整"_s,
         {{u"seed"_s, u"🌱"_s, u"种下种子"_s}, {u"sprout"_s, u"🌿"_s, u"长出嫩芽"_s}, {u"flower"_s, u"🌻"_s, u"开出花朵"_s}},
         {u"flower"_s, u"seed"_s, u"sprout"_s}},
        {u"下雨天"_s, u"看看天气怎么变化"_s,
         {{u"cloud"_s, u"☁\uFE0F"_s, u"乌云来了"_s}, {u"rain"_s, u"🌧\uFE0F"_s, u"下起雨来"_s}, {u"rainbow"_s, u"🌈"_s, u"彩虹出现"_s}},
         {u"rainbow"_s, u"rain"_s, u"cloud"_s}},
        {u"小鸡出生"_s, u"帮小鸡排好它的故事"_s,
         {{u"egg"_s, u"🥚"_s, u"一颗鸡蛋"_s}, {u"crack"_s, u"🐣"_s, u"蛋壳裂开"_s}, {u"chick"_s, u"🐥"_s, u"小鸡出来"_s}},
         {u"chick"_s, u"egg"_s, u"crack"_s}},
        {u"做一块蛋糕"_s, u"甜甜的蛋糕先做什么？"_s,
         {{u"mix"_s, u"🥣"_s, u"搅拌材料"_s}, {u"oven"_s, u"🔥"_s, u"放进烤箱"_s}, {u"cake"_s, u"🍰"_s, u"蛋糕做好"_s}},
         {u"cake"_s, u"mix"_s, u"oven"_s}},
        {u"放风筝"_s, u"风筝要怎么飞上天？"_s,
         {{u"fold"_s, u"🪁"_s, u"拿好风筝"_s}, {u"run"_s, u"🏃"_s, u"迎风奔跑"_s}, {u"sky"_s, u"🌤\uFE0F"_s, u"飞到天空"_s}},
         {u"sky"_s, u"fold"_s, u"run"_s}},
        {u"小鱼回家"_s, u"顺着小鱼的旅程排一排"_s,
         {{u"pond"_s, u"💧"_s, u"离开小池塘"_s}, {u"river"_s, u"🏞\uFE0F"_s, u"游过小河"_s}, {u"home"_s, u"🐠"_s, u"找到朋友"_s}},
         {u"home"_s, u"river"_s, u"pond"_s}},
        {u"洗手步骤"_s, u"干净小手是怎么来的？"_s,
         {{u"water"_s, u"🚰"_s, u"打开水龙头"_s}, {u"soap"_s, u"🧼"_s, u"搓搓肥皂"_s}, {u"clean"_s, u"✨"_s, u"小手干净"_s}},
         {u"soap"_s, u"clean"_s, u"water"_s}},
        {u"种树"_s, u"一棵树从哪里开始？"_s,
         {{u"dig"_s, u"🕳\uFE0F"_s, u"挖一个小坑"_s}, {u"plant"_s, u"🌱"_s, u"种下树苗"_s}, {u"tree"_s, u"🌳"_s, u"长成大树"_s}},
         {u"tree"_s, u"dig"_s, u"plant"_s}},
    };
    return stories;
}

StoryPuzzleGame::StoryPuzzleGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = startLine,
                     .goodWords = {u"故事"_s, u"拼好"_s}},
                    parent)
{
}

const StoryPuzzle &StoryPuzzleGame::current() const
{
    return StoryPuzzle::all().at(questionIndex());
}

QStringList StoryPuzzleGame::cardIcons() const
{
    QStringList icons;
    for (const QString &id : current().choices)
        icons.append(current().step(id).icon);
    return icons;
}

QStringList StoryPuzzleGame::cardCaptions() const
{
    QStringList captions;
    for (const QString &id : current().choices)
        captions.append(current().step(id).caption);
    return captions;
}

QList<bool> StoryPuzzleGame::cardPlaced() const
{
    QList<bool> placed;
    for (const QString &id : current().choices)
        placed.append(m_picked.contains(id));
    return placed;
}

QStringList StoryPuzzleGame::slotIcons() const
{
    QStringList icons;
    for (int i = 0; i < current().steps.size(); ++i)
        icons.append(i < m_picked.size() ? current().step(m_picked[i]).icon : u"?"_s);
    return icons;
}

QStringList StoryPuzzleGame::slotCaptions() const
{
    QStringList captions;
    for (int i = 0; i < current().steps.size(); ++i)
        captions.append(i < m_picked.size() ? current().step(m_picked[i]).caption : u"第 %1 格"_s.arg(i + 1));
    return captions;
}

void StoryPuzzleGame::roundStarted()
{
    m_picked.clear();
    m_selected.clear();
}

void StoryPuzzleGame::pickCard(int index)
{
    const QStringList &choices = current().choices;
    if (index >= 0 && index < choices.size())
        pick(choices[index]);
}

void StoryPuzzleGame::pick(const QString &id)
{
    const StoryPuzzle &story = current();
    // Once every step is placed the story is locked; the check keeps the next step
    // inside the story in any case.
    if (answersClosed() || m_picked.contains(id) || m_picked.size() >= story.steps.size())
        return;
    m_selected = id;
    if (id != story.steps[m_picked.size()].id) {
        answerWrong(u"想想看，故事是从哪里开始的？"_s);
        return;
    }
    m_picked.append(id);
    if (m_picked.size() < story.steps.size()) {
        setFeedback(u"接得对，故事继续"_s);
    } else {
        answerRight(u"故事拼好啦！"_s);
    }
}
