#include "LittleLabGame.h"

using namespace Qt::StringLiterals;

const QList<LabQuestion> &LabQuestion::all()
{
    static const QList<LabQuestion> table{
        {u"冰块去哪了？"_s, u"🧊☀️"_s, u"冰块晒到太阳下，会变成什么？"_s, u"水"_s,
         {u"水"_s, u"石头"_s, u"木头"_s}, u"冰受热会融化成水。"_s},
        {u"种子喝水"_s, u"🌱💧☀️"_s, u"种子有水和阳光，接下来会怎样？"_s, u"发芽"_s,
         {u"发芽"_s, u"变小"_s, u"飞走"_s}, u"水和阳光帮助种子发芽。"_s},
        {u"磁铁朋友"_s, u"🧲📎"_s, u"磁铁靠近回形针，会发生什么？"_s, u"吸住"_s,
         {u"吸住"_s, u"融化"_s, u"变甜"_s}, u"回形针里的铁会被磁铁吸住。"_s},
        {u"影子游戏"_s, u"🔦🧸"_s, u"光照到玩具后，后面会出现什么？"_s, u"影子"_s,
         {u"影子"_s, u"彩虹"_s, u"雪花"_s}, u"物体挡住光，就会出现影子。"_s},
        {u"雨衣实验"_s, u"🌧️🧥"_s, u"雨水落到雨衣上，最可能怎样？"_s, u"滑落"_s,
         {u"滑落"_s, u"吸干"_s, u"变成火"_s}, u"雨衣表面不容易吸水，水会滑落。"_s},
        {u"纸船旅行"_s, u"🛶💧"_s, u"轻轻把纸船放进水里，它会怎样？"_s, u"漂着"_s,
         {u"漂着"_s, u"立刻沉"_s, u"长叶子"_s}, u"纸船里面有空气，所以能暂时漂在水上。"_s},
        {u"彩色影子"_s, u"🔴🔦"_s, u"红色玻璃纸放在灯前，光会更像什么颜色？"_s, u"红色"_s,
         {u"红色"_s, u"绿色"_s, u"黑色"_s}, u"彩色玻璃纸会让相近颜色的光通过。"_s},
        {u"风的力量"_s, u"💨🪁"_s, u"有风的时候，风筝最可能怎样？"_s, u"飞起来"_s,
         {u"飞起来"_s, u"沉下去"_s, u"变成雨"_s}, u"风推动风筝，风筝就能飞起来。"_s},
    };
    return table;
}

LittleLabGame::LittleLabGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"想一想，会发生什么呢？"_s,
                     .startFeedbackGood = true},
                    parent)
{
}

const LabQuestion &LittleLabGame::current() const
{
    return LabQuestion::all().at(questionIndex());
}

QString LittleLabGame::counter() const
{
    return u"实验 "_s + QString::number(shownRound(5)) + u" / 5"_s;
}

void LittleLabGame::choose(const QString &choice)
{
    if (answersClosed())
        return;
    pick(choice);
    if (choice == current().answer)
        answerRight(u"发现科学小秘密啦！"_s);
    else
        answerWrong(u"Oops，再观察一下实验材料"_s);
}
