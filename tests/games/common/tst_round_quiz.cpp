#include "GameTestSupport.h"
#include "GameText.h"
#include "LevelRotation.h"
#include "RoundQuizGame.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

// A quiz whose row i is answered by the number i.
class CountingQuiz : public RoundQuizGame
{
public:
    CountingQuiz(int bank, Guard guard, QString start = {})
        : RoundQuizGame({.gameID = QStringLiteral("counting"),
                         .take = 5,
                         .pauseMs = 700,
                         .guard = guard,
                         .startFeedback = std::move(start)})
        , m_bank(bank)
    {
    }
    void answer(int value)
    {
        if (answersClosed())
            return;
        pick(QString::number(value));
        if (value == questionIndex())
            answerRight(QStringLiteral("right %1").arg(value));
        else
            answerWrong(QStringLiteral("hint"));
    }
    void answerRightly() { answer(questionIndex()); }
    void answerWrongly() { answer(-1); }

    int picks = 0;
    int starts = 0;

protected:
    int bankCount() const override { return m_bank; }
    void sessionChosen() override { ++picks; }
    void roundStarted() override { ++starts; }

private:
    int m_bank;
};

class TestRoundQuiz : public QObject
{
    Q_OBJECT
private slots:
    void perfectPlayReportsOnceAfterThePause();
    void mistakesCostTheFirstTryOnly();
    void answersDuringThePauseChangeNothing();
    void sessionIsPickedOncePerGuard();
    void sessionFollowsTheLevelRotation();
    void singleRowBankReportsWithoutAdvancing();
    void leavingDuringTheLastPauseStillReportsOnce();
    void leavingDuringAnEarlierPauseDropsTheAdvance();
    void restingFeedbackReturnsAfterEachAdvance();
    void tilesShowThePickAndTheWonAnswer();
    void capitalizesEveryWord();
};

void TestRoundQuiz::perfectPlayReportsOnceAfterThePause()
{
    GameTestWorld world;
    CountingQuiz quiz(20, RoundQuizGame::Guard::Flag);
    ReportLog log;
    log.attach(quiz);
    quiz.appear();
    QCOMPARE(quiz.session().size(), 5);

    for (int r = 0; r < 5; ++r) {
        QCOMPARE(quiz.round(), r);
        quiz.answerRightly();
        QVERIFY(quiz.locked());
        QCOMPARE(quiz.feedback(), QStringLiteral("right %1").arg(quiz.questionIndex()));
        QVERIFY(quiz.feedbackGood());
        world.clock.advance(699);
        QCOMPARE(quiz.round(), r);          // still pausing
        world.clock.advance(1);
    }
    QCOMPARE(quiz.firstTryCorrect(), 5);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // The finished screen stays locked on the last praise.
    QVERIFY(quiz.locked());
    QCOMPARE(quiz.round(), 4);
    QCOMPARE(quiz.starts, 4);
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
}

void TestRoundQuiz::mistakesCostTheFirstTryOnly()
{
    GameTestWorld world;
    CountingQuiz quiz(20, RoundQuizGame::Guard::Flag);
    ReportLog log;
    log.attach(quiz);
    quiz.appear();
    QSignalSpy shakes(&quiz, &RoundQuizGame::wrongAttemptChanged);
    QSignalSpy questions(&quiz, &RoundQuizGame::questionChanged);

    // Round 1: three wrong answers, then the right one.
    for (int i = 0; i < 3; ++i) {
        quiz.answerWrongly();
        QCOMPARE(quiz.feedback(), QStringLiteral("hint"));
        QVERIFY(!quiz.feedbackGood());
        QVERIFY(quiz.roundHadMistake());
        QVERIFY(!quiz.locked()); // no pause after a wrong answer
    }
    QCOMPARE(quiz.wrongAttempt(), 3);
    QCOMPARE(shakes.count(), 3);
    QCOMPARE(questions.count(), 0); // the tiles on screen stay while the child answers
    quiz.answerRightly();
    QCOMPARE(quiz.firstTryCorrect(), 0);
    QVERIFY(quiz.feedbackGood());
    QCOMPARE(questions.count(), 0);
    world.clock.advance(700);
    QCOMPARE(questions.count(), 1);
    QVERIFY(!quiz.roundHadMistake());
    QVERIFY(!quiz.locked());

    // Round 2 missed once, rounds 3 to 5 right: 3 of 5.
    quiz.answerWrongly();
    quiz.answerRightly();
    world.clock.advance(700);
    for (int r = 2; r < 5; ++r) {
        quiz.answerRightly();
        world.clock.advance(700);
    }
    QCOMPARE(quiz.firstTryCorrect(), 3);
    QCOMPARE(quiz.wrongAttempt(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

void TestRoundQuiz::answersDuringThePauseChangeNothing()
{
    GameTestWorld world;
    CountingQuiz quiz(20, RoundQuizGame::Guard::Flag);
    ReportLog log;
    log.attach(quiz);
    quiz.appear();
    quiz.answerRightly();
    const QString praise = quiz.feedback();
    QSignalSpy changes(&quiz, &RoundQuizGame::changed);
    quiz.answerWrongly();
    quiz.answerRightly();
    QCOMPARE(changes.count(), 0);
    QCOMPARE(quiz.wrongAttempt(), 0);
    QCOMPARE(quiz.feedback(), praise);
    QCOMPARE(quiz.firstTryCorrect(), 1);
    // One continuation only: one advance.
    world.clock.advance(5000);
    QCOMPARE(quiz.round(), 1);
    QCOMPARE(quiz.starts, 1);
}

void TestRoundQuiz::sessionIsPickedOncePerGuard()
{
    GameTestWorld world;
    CountingQuiz flagged(20, RoundQuizGame::Guard::Flag);
    QCOMPARE(flagged.questionIndex(), 0); // before the pick: the bank's first row
    flagged.appear();
    const QList<int> session = flagged.session();
    flagged.appear();
    QCOMPARE(flagged.session(), session);
    QCOMPARE(flagged.picks, 1);
    QVERIFY(flagged.didChooseSession());

    CountingQuiz empty(20, RoundQuizGame::Guard::EmptySession);
    empty.appear();
    empty.appear();
    QCOMPARE(empty.picks, 1);
    QCOMPARE(empty.session().size(), 5);
    // An answer before the page appeared has no question to answer.
    CountingQuiz early(20, RoundQuizGame::Guard::Flag);
    early.answerRightly();
    QVERIFY(!early.locked());
    QCOMPARE(early.firstTryCorrect(), 0);
}

void TestRoundQuiz::sessionFollowsTheLevelRotation()
{
    GameTestWorld world;
    world.settings.setInteger(LevelRotation::settingsKey(QStringLiteral("counting")), 3);
    for (int play = 0; play < 6; ++play) {
        const int last = int(world.settings.integer(LevelRotation::settingsKey(QStringLiteral("counting"))));
        CountingQuiz quiz(8, RoundQuizGame::Guard::Flag);
        quiz.appear();
        QCOMPARE(quiz.session().size(), 5);
        QVERIFY(quiz.session().first() != last);
        QCOMPARE(QSet<int>(quiz.session().begin(), quiz.session().end()).size(), 5);
        QCOMPARE(world.settings.integer(LevelRotation::settingsKey(QStringLiteral("counting"))), quiz.session().first());
    }
}

void TestRoundQuiz::singleRowBankReportsWithoutAdvancing()
{
    GameTestWorld world;
    CountingQuiz quiz(1, RoundQuizGame::Guard::Flag);
    ReportLog log;
    log.attach(quiz);
    quiz.appear();
    QCOMPARE(quiz.session(), QList<int>{0});
    quiz.answerRightly();
    QCOMPARE(log.count(), 0);
    world.clock.advance(700);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    QCOMPARE(quiz.starts, 0);
    QCOMPARE(quiz.round(), 0);
}

void TestRoundQuiz::leavingDuringTheLastPauseStillReportsOnce()
{
    GameTestWorld world;
    ReportLog log;
    {
        CountingQuiz quiz(20, RoundQuizGame::Guard::Flag);
        log.attach(quiz);
        quiz.appear();
        for (int r = 0; r < 4; ++r) {
            if (r == 1)
                quiz.answerWrongly();
            quiz.answerRightly();
            world.clock.advance(700);
        }
        quiz.answerRightly(); // the last answer; the page goes during its pause
    }
    QCOMPARE(log.count(), 0);
    world.clock.advance(700);
    QCOMPARE(log.only(), (ReportLog::Report{92, 3}));
    world.clock.runUntilIdle();
    QCOMPARE(log.count(), 1);
}

void TestRoundQuiz::leavingDuringAnEarlierPauseDropsTheAdvance()
{
    GameTestWorld world;
    ReportLog log;
    auto *quiz = new CountingQuiz(20, RoundQuizGame::Guard::Flag);
    log.attach(*quiz);
    quiz->appear();
    quiz->answerRightly();
    delete quiz;
    world.clock.runUntilIdle(); // nothing runs against the gone game
    QCOMPARE(log.count(), 0);
    QCOMPARE(world.clock.pendingCount(), 0);
}

void TestRoundQuiz::restingFeedbackReturnsAfterEachAdvance()
{
    GameTestWorld world;
    CountingQuiz quiz(20, RoundQuizGame::Guard::Flag, QStringLiteral("look"));
    QCOMPARE(quiz.feedback(), QStringLiteral("look"));
    quiz.appear();
    quiz.answerWrongly();
    quiz.answerRightly();
    world.clock.advance(700);
    QCOMPARE(quiz.feedback(), QStringLiteral("look"));
    QVERIFY(!quiz.feedbackGood());

    CountingQuiz silent(20, RoundQuizGame::Guard::Flag);
    silent.appear();
    silent.answerRightly();
    world.clock.advance(700);
    QVERIFY(silent.feedback().isEmpty()); // no bubble between answers
}

void TestRoundQuiz::tilesShowThePickAndTheWonAnswer()
{
    GameTestWorld world;
    CountingQuiz quiz(20, RoundQuizGame::Guard::Flag);
    quiz.appear();
    const QString answer = QString::number(quiz.questionIndex());
    QCOMPARE(quiz.choiceState(answer, answer), TileState::Plain);
    quiz.answer(quiz.questionIndex() + 1); // a wrong pick is shown as picked, not wrong
    const QString wrong = QString::number(quiz.questionIndex() + 1);
    QCOMPARE(quiz.choiceState(wrong, answer), TileState::Picked);
    QCOMPARE(quiz.choiceState(answer, answer), TileState::Plain);
    quiz.answerRightly();
    QCOMPARE(quiz.choiceState(answer, answer), TileState::Right);
    QCOMPARE(quiz.choiceState(wrong, answer), TileState::Plain);
    world.clock.advance(700);
    QVERIFY(!quiz.hasPick()); // the next round starts with no pick
    QCOMPARE(quiz.choiceState(answer, answer), TileState::Plain);
}

void TestRoundQuiz::capitalizesEveryWord()
{
    QCOMPARE(GameText::capitalized(QStringLiteral("ice cream")), QStringLiteral("Ice Cream"));
    QCOMPARE(GameText::capitalized(QStringLiteral("tEA")), QStringLiteral("Tea"));
    QCOMPARE(GameText::capitalized(QString()), QString());
}

QTEST_GUILESS_MAIN(TestRoundQuiz)
#include "tst_round_quiz.moc"
