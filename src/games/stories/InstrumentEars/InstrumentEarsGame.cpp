#include "InstrumentEarsGame.h"

#include "GameAudio.h"
#include "TileState.h"

using namespace Qt::StringLiterals;

const QList<InstrumentQuestion> &InstrumentQuestion::all()
{
    static const QList<InstrumentQuestion> table{
        {u"小鼓"_s, {174, 174, 130}, u"低低的、短短的“咚咚”"_s},
        {u"铃铛"_s, {1046, 1318, 1568}, u"亮亮的、高高的“叮铃”"_s},
        {u"长笛"_s, {698, 784, 880}, u"轻轻地往上飞的声音"_s},
        {u"钢琴"_s, {262, 330, 392}, u"像走台阶一样的音"_s},
        {u"小鼓"_s, {146, 174, 146}, u"低低的、短短的“咚咚”"_s},
        {u"铃铛"_s, {1318, 1568, 1318}, u"亮亮的、高高的“叮铃”"_s},
        {u"长笛"_s, {880, 784, 698}, u"轻轻地连成一条线的声音"_s},
        {u"钢琴"_s, {392, 330, 262}, u"像按下三个琴键的音"_s},
    };
    return table;
}

InstrumentEarsGame::InstrumentEarsGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 5,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"先听一听，再找出音乐朋友"_s,
                     .goodWords = {u"先听"_s, u"猜对"_s}},
                    parent)
{
}

QString InstrumentEarsGame::clue() const
{
    return u"提示："_s + current().clue;
}

QStringList InstrumentEarsGame::choices() const
{
    return {u"小鼓"_s, u"铃铛"_s, u"长笛"_s, u"钢琴"_s};
}

QList<int> InstrumentEarsGame::choiceStates() const
{
    return RoundQuizGame::choiceStates(choices(), current().answer);
}

QString InstrumentEarsGame::question() const
{
    return u"听一听，这段音乐像哪一种乐器？"_s;
}

QString InstrumentEarsGame::patternKey() const
{
    return QString::number(session().size()) + u'-' + QString::number(round()) + u'-' + QString::number(m_replayToken);
}

void InstrumentEarsGame::appear()
{
    RoundQuizGame::appear();
    playPattern();
}

void InstrumentEarsGame::playPattern()
{
    if (round() < 0 || round() >= session().size())
        return;
    KeyedPlayback::Script script;
    script.wait(leadInMs).checked([this] {
        const QList<double> notes = current().notes; // as it stands when the wait ends
        GameAudio::playInstrument(notes);
        emit patternPlayed(notes);
    });
    m_pattern.run(patternKey(), std::move(script));
}

void InstrumentEarsGame::choose(const QString &name)
{
    if (answersClosed() || !choices().contains(name))
        return;
    pick(name);
    if (name == current().answer)
        answerRight(u"猜对啦，耳朵真灵！"_s);
    else
        answerWrong(u"Oops，按喇叭再听一遍"_s);
}

void InstrumentEarsGame::replay()
{
    if (locked())
        return;
    ++m_replayToken;
    playPattern();
}
