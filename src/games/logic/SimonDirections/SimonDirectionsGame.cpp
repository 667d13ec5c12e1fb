#include "SimonDirectionsGame.h"

#include "Clock.h"
#include "GameAudio.h"

#include <numeric>

using namespace Qt::StringLiterals;

QString SimonDirection::symbol(int direction)
{
    static const QStringList symbols{u"arrow.left"_s, u"arrow.right"_s, u"arrow.up"_s, u"arrow.down"_s};
    return symbols.value(direction);
}

QString SimonDirection::name(int direction)
{
    static const QStringList names{u"左"_s, u"右"_s, u"上"_s, u"下"_s};
    return names.value(direction);
}

const QList<SimonCommand> &SimonCommand::all()
{
    using namespace SimonDirection;
    static const QList<SimonCommand> table{
        {u"Simon says, point left"_s, u"指向左边"_s, Left},
        {u"Simon says, point right"_s, u"指向右边"_s, Right},
        {u"Simon says, hands up"_s, u"举起双手"_s, Up},
        {u"Simon says, touch the floor"_s, u"摸摸地板"_s, Down},
        {u"Simon says, touch your left ear"_s, u"摸左耳"_s, Left},
        {u"Simon says, raise your right hand"_s, u"举右手"_s, Right},
    };
    return table;
}

SimonDirectionsGame::SimonDirectionsGame(QObject *parent)
    : RoundQuizGame({.gameID = QString::fromLatin1(gameID),
                     .take = 6,
                     .pauseMs = pauseMs,
                     .guard = Guard::EmptySession,
                     .startFeedback = u"认真听 Simon 的口令"_s,
                     .startFeedbackGood = false},
                    parent)
{
    // Every play runs the six commands in table order: no rotation.
    QList<int> session(SimonCommand::all().size());
    std::iota(session.begin(), session.end(), 0);
    setInitialSession(session);
}

QString SimonDirectionsGame::progress() const
{
    return QString::number(shownRound(session().size())) + u" / "_s + QString::number(session().size());
}

void SimonDirectionsGame::appear()
{
    RoundQuizGame::appear();
    speak();
}

void SimonDirectionsGame::speak()
{
    GameAudio::readQuestion(english(), u"en-US"_s);
}

void SimonDirectionsGame::setActiveDirection(int direction)
{
    m_activeDirection = direction;
    emit activeDirectionChanged();
}

void SimonDirectionsGame::choose(int direction)
{
    if (answersClosed() || direction < SimonDirection::Left || direction > SimonDirection::Down)
        return;
    setActiveDirection(direction);
    if (direction != current().answer) {
        answerWrong(u"这是"_s + SimonDirection::name(direction) + u"，再听听口令"_s);
        // Each wrong press clears the light after a moment, whichever press lit it.
        Clock::current().after(clearMs, this, [this] { setActiveDirection(-1); });
        return;
    }
    answerRight(u"做对啦，太棒了！"_s);
}

void SimonDirectionsGame::roundStarted()
{
    setActiveDirection(-1);
    speak();
}
