#pragma once

#include "GameBase.h"
#include "TileState.h"

#include <QList>
#include <algorithm>
#include <QString>
#include <QStringList>

// The shape most games share: pick this play's questions when the page appears, show one
// question at a time, count first tries, answer a wrong tap with a hint, a sound and a
// shake, answer a right tap with praise, a sound and a pause, then move on; after the
// last question report one score.
//
// A game subclasses this, describes itself once in `Rules`, keeps its bank and its
// current-question properties, and calls `answerRight()` / `answerWrong()` from its own
// answer action. What describes the question on screen (its tiles, its picture) notifies
// through `questionChanged()`, only when another question comes, so the views keep
// their tiles while the child answers; the answer state notifies through `changed()`,
// and `wrongAttempt` through its own signal, which drives the shake. A new question (the
// first one too) announces both, so what the answer state draws from the question
// follows it.
//
// How a new round game is put together: docs/HACKING.md, "Adding a game".
class RoundQuizGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("RoundQuizGame is the common part of the round-based games")
    Q_PROPERTY(QList<int> session READ session NOTIFY questionChanged)
    Q_PROPERTY(int round READ round NOTIFY questionChanged)
    Q_PROPERTY(int questionIndex READ questionIndex NOTIFY questionChanged)
    Q_PROPERTY(int firstTryCorrect READ firstTryCorrect NOTIFY changed)
    Q_PROPERTY(bool roundHadMistake READ roundHadMistake NOTIFY changed)
    Q_PROPERTY(bool locked READ locked NOTIFY changed)
    Q_PROPERTY(QString feedback READ feedback NOTIFY changed)
    Q_PROPERTY(bool feedbackGood READ feedbackGood NOTIFY changed)
    Q_PROPERTY(int wrongAttempt READ wrongAttempt NOTIFY wrongAttemptChanged)
public:
    // How the session is chosen when the page appears.
    enum class Guard {
        Flag,         // once per play, remembered in a flag
        EmptySession, // whenever the session is still empty
    };

    struct Rules
    {
        QString gameID;       // the catalogue identifier, also the rotation key
        int take = 5;         // questions per play (fewer when the bank is smaller)
        int pauseMs = 750;    // the pause after a right answer
        Guard guard = Guard::Flag;
        QString startFeedback = {}; // the resting line; empty: no bubble between answers
        bool startFeedbackGood = false;
        // Marker words: when given, a feedback text looks good exactly when it holds one
        // of them, whoever shows it (praise, hint, resting line).
        QStringList goodWords = {};
    };

    explicit RoundQuizGame(Rules rules, QObject *parent = nullptr);

    const Rules &rules() const { return m_rules; }
    const QList<int> &session() const { return m_session; }
    int round() const { return m_round; }
    int firstTryCorrect() const { return m_firstTryCorrect; }
    bool roundHadMistake() const { return m_roundHadMistake; }
    bool locked() const { return m_locked; }
    int wrongAttempt() const { return line().shakes(); }
    QString feedback() const { return line().text(); }
    bool feedbackGood() const { return line().good(); }
    bool didChooseSession() const { return m_didChooseSession; }

    // The round on screen counted from 1, never above `limit`: during the pause after the
    // last answer the counter keeps showing the last round.
    int shownRound(qsizetype limit) const { return int(std::min<qsizetype>(m_round + 1, limit)); }
    // "N/M" over this play's questions ("0/0" before they are chosen).
    QString sessionProgress() const;
    // "第 n / 5 <unit>", the counter of the five-round games.
    static QString fiveRoundCounter(int shown, const QString &unit);
    QString fiveRoundCounter(const QString &unit) const { return fiveRoundCounter(shownRound(5), unit); }

    // The bank row on screen: session[round] while round is inside the session, else 0.
    int questionIndex() const;

    // The choice tapped last in this round; each new round starts with none (an empty
    // text).
    QString picked() const { return m_picked; }
    bool hasPick() const { return m_hasPick; }
    // The look of a choice's tile: right once the round is won and it is the answer,
    // picked when it was tapped last, else plain.
    TileState::State choiceState(const QString &choice, const QString &answer) const
    {
        return TileState::ofChoice(m_locked, choice == answer, m_hasPick && choice == m_picked);
    }
    // choiceState() of each choice, in order (a game's `tileStates`).
    QList<int> choiceStates(const QStringList &choices, const QString &answer) const;

    // The page came on screen: chooses the session once (see Guard).
    Q_INVOKABLE void appear() override;

signals:
    void questionChanged();
    void changed();
    void wrongAttemptChanged();

protected:
    // The number of rows of the game's bank (at least 1).
    virtual int bankCount() const = 0;
    // After the session is chosen (speak the first question, if the game does).
    virtual void sessionChosen() {}
    // After each advance to the next round (reset own round state, speak). The pick is
    // already cleared.
    virtual void roundStarted() {}

    // Remembers the tapped choice (before answerRight / answerWrong, which notify).
    void pick(const QString &choice)
    {
        m_picked = choice;
        m_hasPick = true;
    }

    // Replaces the session before the page appears (a game whose first screen shows
    // fixed rows).
    void setInitialSession(QList<int> session);
    // Replaces the rotation key before the page appears (a game that its builder
    // configures for an identifier).
    void setRotationKey(const QString &gameID) { m_rules.gameID = gameID; }

    // True when an answer must be ignored: before the page has picked the play's
    // questions (also where fixed rows stand on screen until then), during the pause and
    // after the play.
    bool answersClosed() const;
    // A wrong answer: hint, shake, sound; the round goes on.
    void answerWrong(const QString &hint);
    // A right answer: counts the first try, locks, praises, sounds, and after the pause
    // advances or, after the last round, reports the play.
    void answerRight(const QString &praise);

    // Shows a feedback text: with the look given, or, where the rules name good words,
    // with the look they decide.
    void setFeedback(const QString &text, bool good);
    void setFeedback(const QString &text) { setFeedback(text, line().looksGood(text)); }
    // The round no longer counts as a first try, though no wrong answer was given (the
    // child started the round over): no hint, no shake, no sound.
    void forfeitFirstTry();

private:
    // The guard's view of whether this play's session has been picked.
    bool sessionPicked() const;
    void advance();

    Rules m_rules;
    QList<int> m_session;
    bool m_didChooseSession = false;
    int m_round = 0;
    int m_firstTryCorrect = 0;
    bool m_roundHadMistake = false;
    bool m_locked = false;
    QString m_picked;
    bool m_hasPick = false;
};
