#include "LittleDetectiveGame.h"

#include "GameAudio.h"
#include "TileState.h"

using namespace Qt::StringLiterals;

namespace {

// The feedback line reads as good when it speaks of the clue or the solved case.
bool isGood(const QString &feedback)
{
    return feedback.contains(u"线索"_s) || feedback.contains(u"破案"_s);
}

} // namespace

const QList<DetectiveCase> &DetectiveCase::all()
{
    static const QList<DetectiveCase> table{
        {u"谁带走了雨伞？"_s, u"雨伞是下雨天用的。小熊拿着一件防雨的东西。"_s, u"小熊"_s,
         {u"小兔"_s, u"小熊"_s, u"小猫"_s}, {{u"小兔"_s, u"🐰"_s}, {u"小熊"_s, u"🐻"_s}, {u"小猫"_s, u"🐱"_s}},
         u"小熊拿着防雨的东西，所以是他带走雨伞。"_s},
        {u"谁的脚印？"_s, u"脚印有四个圆圆的爪印，旁边还掉了一根羽毛。"_s, u"小鸟"_s,
         {u"小鸟"_s, u"小狗"_s, u"小鱼"_s}, {{u"小鸟"_s, u"🐦"_s}, {u"小狗"_s, u"🐶"_s}, {u"小鱼"_s, u"🐟"_s}},
         u"羽毛是小鸟的线索。"_s},
        {u"谁爱吃胡萝卜？"_s, u"桌上少了胡萝卜，窗边留着一对长耳朵的影子。"_s, u"小兔"_s,
         {u"小熊"_s, u"小兔"_s, u"小猫"_s}, {{u"小熊"_s, u"🐻"_s}, {u"小兔"_s, u"🐰"_s}, {u"小猫"_s, u"🐱"_s}},
         u"长耳朵和胡萝卜都指向小兔。"_s},
        {u"谁在水里游？"_s, u"水面有气泡，还看见一条尾巴在摆动。"_s, u"小鱼"_s,
         {u"小鸟"_s, u"小鱼"_s, u"小狗"_s}, {{u"小鸟"_s, u"🐦"_s}, {u"小鱼"_s, u"🐟"_s}, {u"小狗"_s, u"🐶"_s}},
         u"会在水里游、还摆尾巴的是小鱼。"_s},
        {u"谁送来了蜂蜜？"_s, u"盒子上有黄黑条纹，闻起来甜甜的。"_s, u"小蜜蜂"_s,
         {u"小蜜蜂"_s, u"蝴蝶"_s, u"瓢虫"_s}, {{u"小蜜蜂"_s, u"🐝"_s}, {u"蝴蝶"_s, u"🦋"_s}, {u"瓢虫"_s, u"🐞"_s}},
         u"黄黑条纹和蜂蜜都是小蜜蜂的线索。"_s},
        {u"谁躲在树洞？"_s, u"树洞旁有一颗松果，里面传来咔嚓咔嚓声。"_s, u"小松鼠"_s,
         {u"小松鼠"_s, u"小海豚"_s, u"小企鹅"_s},
         {{u"小松鼠"_s, u"\U0001F43F\uFE0F"_s}, {u"小海豚"_s, u"🐬"_s}, {u"小企鹅"_s, u"🐧"_s}},
         u"小松鼠爱收集和啃松果。"_s},
        {u"谁把花园浇湿？"_s, u"小花旁有一把长长的鼻子和水珠。"_s, u"大象"_s,
         {u"大象"_s, u"长颈鹿"_s, u"狮子"_s}, {{u"大象"_s, u"🐘"_s}, {u"长颈鹿"_s, u"🦒"_s}, {u"狮子"_s, u"🦁"_s}},
         u"大象会用长鼻子吸水、喷水。"_s},
        {u"谁在夜里醒着？"_s, u"月亮升起来后，树上有一双圆圆的大眼睛。"_s, u"猫头鹰"_s,
         {u"小鸡"_s, u"猫头鹰"_s, u"小鸭"_s}, {{u"小鸡"_s, u"🐥"_s}, {u"猫头鹰"_s, u"🦉"_s}, {u"小鸭"_s, u"🦆"_s}},
         u"猫头鹰常在夜晚活动。"_s},
        {u"谁会筑水坝？"_s, u"小河边堆起很多树枝，水流慢慢变小。"_s, u"河狸"_s,
         {u"河狸"_s, u"小马"_s, u"小羊"_s}, {{u"河狸"_s, u"🦫"_s}, {u"小马"_s, u"🐴"_s}, {u"小羊"_s, u"🐑"_s}},
         u"河狸会用树枝筑水坝。"_s},
        {u"谁有长长的脖子？"_s, u"高高的树叶被吃掉了，地上没有梯子。"_s, u"长颈鹿"_s,
         {u"大象"_s, u"长颈鹿"_s, u"斑马"_s}, {{u"大象"_s, u"🐘"_s}, {u"长颈鹿"_s, u"🦒"_s}, {u"斑马"_s, u"🦓"_s}},
         u"长颈鹿的长脖子能吃到高处树叶。"_s},
    };
    return table;
}

LittleDetectiveGame::LittleDetectiveGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"读读线索，找出正确答案"_s,
                     .startFeedbackGood = isGood(u"读读线索，找出正确答案"_s)},
                    parent)
{
}

QStringList LittleDetectiveGame::icons() const
{
    QStringList list;
    for (const QString &choice : current().choices)
        list.append(current().icons.value(choice, u"❓"_s));
    return list;
}

QString LittleDetectiveGame::counter() const
{
    return u"案件 "_s + QString::number(shownRound(5)) + u" / 5"_s;
}

QList<int> LittleDetectiveGame::tileStates() const
{
    QList<int> states;
    for (const QString &choice : current().choices)
        states.append(TileState::ofChoice(locked(), choice == current().answer, choice == m_selected));
    return states;
}

void LittleDetectiveGame::choose(const QString &choice)
{
    if (answersClosed() || !current().choices.contains(choice))
        return;
    m_selected = choice;
    if (choice != current().answer) {
        const QString hint = u"再读一遍线索，别着急"_s;
        answerWrong(hint);
        setFeedback(hint, isGood(hint));
        return;
    }
    answerRight(u"破案啦！答案是 "_s + choice);
}

void LittleDetectiveGame::roundStarted()
{
    m_selected.clear();
    readClueSoon();
}

void LittleDetectiveGame::readClueSoon()
{
    KeyedPlayback::Script script;
    script.wait(clueDelayMs).checked([this] { GameAudio::readQuestion(clue(), u"zh-CN"_s); });
    m_clueReading.run(clue(), std::move(script));
}
