// Draw-and-guess played through its class on the manual clock: the scripted guess
// (draw-more line, hint, answer), strokes counted at the end of the 1.1 s wait, the
// English sentences, and the one report when the page goes during the wait.

#include "AppTheme.h"
#include "DrawGuessGame.h"
#include "DrawingTestSupport.h"
#include "GameTestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Play
{
    explicit Play(quint64 seed = 7) : world(seed)
    {
        log.attach(*game);
        board.setStrokes(game->strokes());
        board.setLineWidth(game->lineWidth());
        QObject::connect(game.get(), &DrawGuessGame::changed, &board,
                         [this] { board.setSelectedColor(game->selectedColor()); });
        board.setSelectedColor(game->selectedColor());
    }
    void draw(int strokes)
    {
        for (int i = 0; i < strokes; ++i)
            drawLine(board, 10, 10 + 12 * i);
    }

    GameTestWorld world;
    SpeechLog speech;
    std::unique_ptr<DrawGuessGame> game = std::make_unique<DrawGuessGame>();
    DrawingBoard board;
    ReportLog log;
};

} // namespace

class TestDrawGuess : public QObject
{
    Q_OBJECT
private slots:
    void guessesTheHintThenTheAnswerAndReportsOnce()
    {
        Play play;
        DrawGuessGame &game = *play.game;
        QCOMPARE(game.feedback(), u"先画出大大的轮廓吧！"_s);
        QCOMPARE(game.title(), u"请画：大象"_s);
        QCOMPARE(game.selectedColor(), AppTheme::ink());

        // Each appearance draws any of the five prompts (the current one included) and
        // says it with "a", also before a vowel.
        QSet<int> seen;
        for (int i = 0; i < 40; ++i) {
            game.appear();
            seen.insert(game.promptIndex());
            QCOMPARE(play.speech.spoken(), QStringList{u"Draw a "_s + game.prompt().english});
        }
        QCOMPARE(seen.size(), 5);
        while (game.prompt().english != u"apple"_s)
            game.appear();
        play.speech.spoken();
        QCOMPARE(game.title(), u"请画：苹果"_s); // no picture in the title
        QCOMPARE(game.speakerLabel(), u"Apple"_s);
        game.speakPrompt();
        QCOMPARE(play.speech.spoken(), QStringList{u"Draw a apple"_s});

        // Fewer than two strokes: the draw-more line, not counted, nothing said. A tap
        // on the board adds no stroke.
        game.makeGuess();
        QCOMPARE(game.feedback(), u"再多画几笔，我就能猜啦！"_s);
        play.draw(1);
        play.board.dragChanged({5, 5});
        play.board.dragEnded();
        game.makeGuess();
        QCOMPARE(game.guessCount(), 0);
        play.draw(1);
        game.makeGuess();
        QCOMPARE(game.guessCount(), 1);
        QCOMPARE(game.feedback(), u"看起来圆圆的，上面有叶子吗？"_s);
        QVERIFY(play.speech.spoken().isEmpty());

        // Clearing does not undo the hint: the next press with two strokes answers.
        game.clear();
        game.makeGuess();
        QCOMPARE(game.feedback(), u"再多画几笔，我就能猜啦！"_s);
        QCOMPARE(game.guessCount(), 1);
        play.draw(2);
        game.makeGuess();
        QVERIFY(game.guessed());
        QCOMPARE(game.feedback(), u"我知道了，是苹果！🍎"_s);
        QCOMPARE(play.speech.spoken(), QStringList{u"It is a apple! Great drawing!"_s});

        // A press after the answer starts nothing more.
        game.makeGuess();
        QCOMPARE(game.guessCount(), 2);
        QVERIFY(play.speech.spoken().isEmpty());

        // The board still works during the wait; the score counts the strokes at its end.
        play.draw(3);
        play.world.clock.advance(DrawGuessGame::reportDelayMs - 1);
        QCOMPARE(play.log.count(), 0);
        play.world.clock.advance(1);
        QCOMPARE(play.log.only(), (ReportLog::Report{86, 3}));
        play.world.clock.advance(5000);
        QCOMPARE(play.log.count(), 1);
    }

    void scoresTheStrokesAtTheEndOfTheWait_data()
    {
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("undone");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stars");
        QTest::newRow("two") << 2 << 0 << false << 80 << 2;
        QTest::newRow("four") << 4 << 0 << false << 84 << 2;
        QTest::newRow("five") << 5 << 0 << false << 86 << 3;
        QTest::newRow("six, one undone in the wait") << 6 << 1 << false << 86 << 3;
        QTest::newRow("twelve") << 12 << 0 << false << 100 << 3;
        QTest::newRow("twenty") << 20 << 0 << false << 100 << 3;
        QTest::newRow("cleared in the wait") << 7 << 0 << true << 76 << 2;
    }
    void scoresTheStrokesAtTheEndOfTheWait()
    {
        QFETCH(int, drawn);
        QFETCH(int, undone);
        QFETCH(bool, cleared);
        Play play;
        play.draw(drawn);
        play.game->makeGuess();
        play.game->makeGuess();
        for (int i = 0; i < undone; ++i)
            play.game->undo();
        if (cleared) {
            play.game->clear();
            play.game->undo(); // on an empty board: nothing
        }
        play.world.clock.advance(DrawGuessGame::reportDelayMs);
        QFETCH(int, score);
        QFETCH(int, stars);
        QCOMPARE(play.log.only(), (ReportLog::Report{score, stars}));
    }

    void leavingDuringTheWaitStillReportsOnce()
    {
        Play play(3);
        play.game->appear();
        while (play.game->prompt().english != u"sun"_s)
            play.game->appear();
        play.draw(6);
        play.game->makeGuess();
        play.game->makeGuess();
        QCOMPARE(play.game->feedback(), u"我知道了，是太阳！\u2600\uFE0F"_s);
        play.world.clock.advance(400);
        play.game->undo();
        play.game.reset(); // the page goes, 0.7 s before the report
        play.world.clock.advance(699);
        QCOMPARE(play.log.count(), 0);
        play.world.clock.advance(1);
        QCOMPARE(play.log.only(), (ReportLog::Report{86, 3}));
        play.world.clock.runUntilIdle();
        QCOMPARE(play.log.count(), 1);
    }

    void leavingBeforeTheAnswerReportsNothing()
    {
        Play play;
        play.draw(3);
        play.game->makeGuess(); // the hint only
        play.game.reset();
        play.world.clock.runUntilIdle();
        QCOMPARE(play.log.count(), 0);
    }
};

QTEST_MAIN(TestDrawGuess)
#include "tst_draw_guess.moc"
