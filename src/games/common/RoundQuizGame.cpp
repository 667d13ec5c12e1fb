#include "RoundQuizGame.h"

#include "Clock.h"
#include "GameAudio.h"
#include "GameScoring.h"
#include "LevelRotation.h"

RoundQuizGame::RoundQuizGame(Rules rules, QObject *parent)
    : GameBase(parent)
    , m_rules(std::move(rules))
{
    line().setGoodWords(m_rules.goodWords);
    setFeedback(m_rules.startFeedback, m_rules.startFeedbackGood);
    connect(&line(), &FeedbackLine::changed, this, &RoundQuizGame::changed);
    connect(&line(), &FeedbackLine::shaken, this, &RoundQuizGame::wrongAttemptChanged);
}

int RoundQuizGame::questionIndex() const
{
    return (m_round >= 0 && m_round < m_session.size()) ? m_session[m_round] : 0;
}

void RoundQuizGame::setInitialSession(QList<int> session)
{
    m_session = std::move(session);
    emit questionChanged();
}

bool RoundQuizGame::sessionPicked() const
{
    return m_rules.guard == Guard::Flag ? m_didChooseSession : !m_session.isEmpty();
}

void RoundQuizGame::appear()
{
    if (sessionPicked())
        return;
    m_session = LevelRotation::indices(m_rules.gameID, bankCount(), m_rules.take);
    m_didChooseSession = true;
    emit questionChanged();
    emit changed();
    sessionChosen();
}

bool RoundQuizGame::answersClosed() const
{
    return m_locked || !sessionPicked();
}

void RoundQuizGame::setFeedback(const QString &text, bool good)
{
    line().show(text, m_rules.goodWords.isEmpty() ? good : line().looksGood(text)); // notifies through changed()
}

void RoundQuizGame::forfeitFirstTry()
{
    m_roundHadMistake = true;
    emit changed();
}

void RoundQuizGame::answerWrong(const QString &hint)
{
    m_roundHadMistake = true;
    setFeedback(hint, false);
    line().shake();
    GameAudio::wrong();
}

void RoundQuizGame::answerRight(const QString &praise)
{
    if (!m_roundHadMistake)
        ++m_firstTryCorrect;
    m_locked = true;
    setFeedback(praise, true);
    GameAudio::correct();

    // Nothing changes the round while the game is locked, so the last round is known
    // now. The report is scheduled on the callback alone: it arrives even when the
    // child leaves the page during the pause. The advance needs the game, and is dropped
    // with it.
    if (m_round >= m_session.size() - 1) {
        const GameScore score = GameScoring::firstTry(m_firstTryCorrect, m_session.size());
        completeAfter(m_rules.pauseMs, score.points, score.stars);
    } else {
        Clock::current().after(m_rules.pauseMs, this, [this] { advance(); });
    }
}

void RoundQuizGame::advance()
{
    ++m_round;
    m_roundHadMistake = false;
    m_locked = false;
    m_picked.clear();
    m_hasPick = false;
    setFeedback(m_rules.startFeedback, m_rules.startFeedbackGood);
    roundStarted();
    emit questionChanged();
    emit changed();
}

QString RoundQuizGame::sessionProgress() const
{
    return QString::number(shownRound(m_session.size())) + QLatin1Char('/') + QString::number(m_session.size());
}

QString RoundQuizGame::fiveRoundCounter(int shown, const QString &unit)
{
    return QStringLiteral("第 ") + QString::number(shown) + QStringLiteral(" / 5 ") + unit;
}

QList<int> RoundQuizGame::choiceStates(const QStringList &choices, const QString &answer) const
{
    QList<int> states;
    states.reserve(choices.size());
    for (const QString &choice : choices)
        states.append(choiceState(choice, answer));
    return states;
}
