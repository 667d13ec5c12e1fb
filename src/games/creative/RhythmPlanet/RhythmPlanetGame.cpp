#include "RhythmPlanetGame.h"

#include "Clock.h"
#include "GameScoring.h"
#include "LevelRotation.h"
#include "RoundQuizGame.h"
#include "TonePlayer.h"

#include <QVariantMap>

#include <algorithm>

using namespace Qt::StringLiterals;

RhythmPlanetGame::RhythmPlanetGame(QObject *parent)
    : GameBase(parent)
{
    line().setGoodWords({u"准备"_s, u"轮到"_s, u"对啦"_s});
    line().show(u"准备好，听听星球的节奏"_s);
    connect(&m_playback, &KeyedPlayback::phaseChanged, this, &RhythmPlanetGame::acceptingInputChanged);
}

const QList<RhythmPad> &RhythmPlanetGame::pads()
{
    static const QList<RhythmPad> all{
        {u"\U0001FA90"_s, u"紫星"_s, u"purple"_s, 392},
        {u"\U0001F31F"_s, u"金星"_s, u"mango"_s, 494},
        {u"\U0001F30D"_s, u"蓝星"_s, u"sky"_s, 587},
        {u"\U0001F331"_s, u"绿星"_s, u"mint"_s, 659},
    };
    return all;
}

const QList<RhythmPattern> &RhythmPlanetGame::patterns()
{
    static const QList<RhythmPattern> all{
        {u"启航节拍"_s, {0, 1, 0}},
        {u"月光跳跳"_s, {2, 2, 1}},
        {u"流星舞步"_s, {0, 3, 1, 3}},
        {u"银河回声"_s, {1, 2, 1, 0}},
        {u"火箭加速"_s, {3, 0, 2, 2, 1}},
        {u"星云派对"_s, {0, 2, 3, 1, 3}},
    };
    return all;
}

QVariantList RhythmPlanetGame::planets()
{
    QVariantList list;
    for (const RhythmPad &pad : pads()) {
        list.append(QVariantMap{{u"emoji"_s, pad.emoji},
                                {u"name"_s, pad.name},
                                {u"color"_s, pad.color},
                                {u"frequency"_s, pad.frequency}});
    }
    return list;
}

const RhythmPattern &RhythmPlanetGame::current() const
{
    if (m_round >= 0 && m_round < m_session.size())
        return patterns().at(m_session.at(m_round));
    return patterns().first();
}

QString RhythmPlanetGame::counter() const
{
    return RoundQuizGame::fiveRoundCounter(std::min(m_round + 1, 5), u"关"_s);
}

QString RhythmPlanetGame::instruction() const
{
    return acceptingInput() ? u"轮到你：按同样顺序点星球"_s : u"仔细听，也要看亮起的星球"_s;
}

void RhythmPlanetGame::setHighlighted(int planet)
{
    if (m_highlighted == planet)
        return;
    m_highlighted = planet;
    emit highlightedChanged();
}

void RhythmPlanetGame::setInput(QList<int> input)
{
    m_input = std::move(input);
    emit inputChanged();
}

void RhythmPlanetGame::appear()
{
    if (!m_session.isEmpty())
        return;
    m_session = LevelRotation::indices(QLatin1String(gameID), int(patterns().size()), take);
    emit roundChanged();
    playCurrentPattern();
}

void RhythmPlanetGame::playCurrentPattern()
{
    ++m_playbackID;
    KeyedPlayback::Script script;
    script.then([this] {
        m_playback.setPhase(KeyedPlayback::Phase::Watching);
        setInput({});
        line().show(u"听节奏……"_s);
    });
    script.wait(leadInMs).stopIfCancelled();
    // The pattern is taken once, as the playback begins.
    for (const int planet : current().sequence) {
        script.then([this, planet] {
            setHighlighted(planet);
            TonePlayer::shared().play(pads().at(planet).frequency, toneSeconds);
        });
        script.wait(litMs).then([this] { setHighlighted(-1); }).wait(gapMs).stopIfCancelled();
    }
    // Reaching the end hands the turn to the child.
    script.then([this] { line().show(u"轮到你啦！"_s); });
    m_playback.run(QString::number(m_playbackID), std::move(script));
}

void RhythmPlanetGame::tap(int index)
{
    if (!acceptingInput() || index < 0 || index >= pads().size())
        return;
    const QList<int> &sequence = current().sequence;
    if (m_input.size() >= sequence.size())
        return;
    setHighlighted(index);
    TonePlayer::shared().play(pads().at(index).frequency, toneSeconds);
    Clock::current().after(tapLitMs, this, [this, index] {
        if (m_highlighted == index)
            setHighlighted(-1);
    });

    if (index != sequence.at(m_input.size())) {
        m_roundHadMistake = true;
        m_playback.setPhase(KeyedPlayback::Phase::Watching);
        setInput({});
        line().show(u"差一点，星球会再演奏一次"_s);
        Clock::current().after(answerPauseMs, this, [this] { playCurrentPattern(); });
        return;
    }
    QList<int> input = m_input;
    input.append(index);
    if (input.size() < sequence.size()) {
        setInput(std::move(input));
        line().show(u"对啦，继续！"_s);
        return;
    }
    if (!m_roundHadMistake)
        ++m_firstTryCorrect;
    setInput(std::move(input));
    if (m_round == m_session.size() - 1) {
        // The last round: the planets stay off and the report follows the pause, also
        // when the page has gone by then.
        m_playback.setPhase(KeyedPlayback::Phase::Done);
        line().show(u"节奏全对啦！"_s);
        const GameScore result = GameScoring::firstTry(m_firstTryCorrect, int(m_session.size()));
        completeAfter(answerPauseMs, result.points, result.stars);
        return;
    }
    m_playback.setPhase(KeyedPlayback::Phase::Watching);
    line().show(u"节奏全对啦！"_s);
    Clock::current().after(answerPauseMs, this, [this] { advance(); });
}

void RhythmPlanetGame::replay()
{
    if (!acceptingInput())
        return;
    m_roundHadMistake = true;
    emit inputChanged();
    playCurrentPattern();
}

void RhythmPlanetGame::advance()
{
    ++m_round;
    m_roundHadMistake = false;
    emit roundChanged();
    setInput({});
    playCurrentPattern();
}
