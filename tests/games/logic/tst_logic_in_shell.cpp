// The logic and memory games played in the running application: opened from their
// shelf, played to the completion card with the play saved. Memory match and one-line
// are played by clicks in the window, at the usual size and in a small window; the
// others through their game objects.

#include "GameHostController.h"
#include "KidSudokuGame.h"
#include "LittleDetectiveGame.h"
#include "MemoryMatchGame.h"
#include "OneLineGame.h"
#include "Patience.h"
#include "RouteMemoryGame.h"
#include "SchulteGridGame.h"
#include "SequenceMemoryGame.h"
#include "SimonDirectionsGame.h"
#include "Random.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The positions in the grid of two cards of the same animal, for each animal.
QList<QPair<int, int>> pairPositions(const QList<MemoryCard> &cards)
{
    QList<QPair<int, int>> pairs;
    for (int i = 0; i < cards.size(); ++i) {
        for (int j = i + 1; j < cards.size(); ++j) {
            if (cards[i].emoji == cards[j].emoji)
                pairs.append({i, j});
        }
    }
    return pairs;
}

} // namespace

class TestLogicInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }
    void clickedThrough_data();
    void clickedThrough();
    void playedThrough_data();
    void playedThrough();
};

void TestLogicInShell::clickedThrough_data()
{
    ShellTest::addGameRowsAtBothSizes({u"memory-match"_s, u"one-line"_s});
}

void TestLogicInShell::clickedThrough()
{
    QFETCH(QString, gameId);
    QFETCH(QSize, size);
    Random::shared().seed(11);
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(gameId, size);
    QVERIFY(view);
    const auto click = [&](const QString &name) { QVERIFY(f.clickInWindow(view, name)); };

    if (auto *game = view->property("game").value<MemoryMatchGame *>()) {
        const QList<QPair<int, int>> pairs = pairPositions(game->cards());
        // One mismatch: both cards up, then back after the pause.
        click(u"card%1"_s.arg(pairs[0].first));
        click(u"card%1"_s.arg(pairs[1].first));
        QCOMPARE(game->wrongAttempt(), 1);
        QVERIFY(game->locked());
        f.clock.advance(MemoryMatchGame::turnBackMs);
        QVERIFY(!game->locked());
        for (const auto &[a, b] : pairs) {
            click(u"card%1"_s.arg(a));
            click(u"card%1"_s.arg(b));
        }
        QCOMPARE(game->turns(), 7);
        QVERIFY(f.waitShown(u"6/6 对"_s));
        f.clock.advance(MemoryMatchGame::reportMs);
        QVERIFY(f.savedPlay(gameId, 95, 3));
        return;
    }

    auto *game = view->property("game").value<OneLineGame *>();
    QVERIFY(game);
    for (int r = 0; r < 5; ++r) {
        QCOMPARE(game->round(), r);
        const QList<int> route = game->route();
        if (r == 0) {
            click(u"dot%1"_s.arg(route[1])); // not the star: the line breaks
            QVERIFY(ShellFixture::bubbleShows(view, game->feedback()));
            QCOMPARE(game->wrongAttempt(), 1);
        }
        for (int cell : route)
            click(u"dot%1"_s.arg(cell));
        QVERIFY(game->locked());
        f.clock.advance(OneLineGame::pauseMs);
        QTest::qWait(20);
    }
    QVERIFY(f.savedPlay(gameId, 92, 3));
}

void TestLogicInShell::playedThrough_data()
{
    QTest::addColumn<QString>("gameId");
    for (const char *id : {"simon-directions", "sequence-memory", "kid-sudoku", "schulte-grid", "little-detective",
                           "route-memory"})
        QTest::newRow(id) << QString::fromLatin1(id);
}

void TestLogicInShell::playedThrough()
{
    QFETCH(QString, gameId);
    Random::shared().seed(11);
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(gameId, QSize(1180, 820));
    QVERIFY(view);
    QObject *object = view->property("game").value<QObject *>();
    QVERIFY(object);
    ManualClock &clock = f.clock;
    const auto settle = [&](int ms) {
        clock.advance(ms);
        QTest::qWait(10);
    };

    if (auto *game = qobject_cast<SimonDirectionsGame *>(object)) {
        for (int r = 0; r < 6; ++r) {
            game->choose(game->current().answer);
            settle(SimonDirectionsGame::pauseMs);
        }
    } else if (auto *game = qobject_cast<SequenceMemoryGame *>(object)) {
        // The reader button follows the instruction 8 points after its last word.
        const auto readerFollows = [&] {
            return ShellTest::followsText(ShellTest::findNamed(view, u"instruction"_s),
                                          ShellTest::findNamed(view, u"reader"_s), 8);
        };
        QVERIFY(readerFollows());
        for (int r = 0; r < 4; ++r) {
            settle(SequenceMemoryGame::leadMs + int(game->current().size()) * 700);
            QVERIFY(game->acceptingInput());
            QVERIFY(Patience::waitFor(readerFollows));
            for (const QString &light : game->current())
                game->tap(light);
            settle(SequenceMemoryGame::pauseMs);
        }
    } else if (auto *game = qobject_cast<KidSudokuGame *>(object)) {
        for (int cell : {1, 4, 10, 15})
            game->place(KidSudokuGame::sudokuSolution()[cell]);
        settle(KidSudokuGame::reportMs);
    } else if (auto *game = qobject_cast<SchulteGridGame *>(object)) {
        for (int n = 1; n <= 16; ++n)
            game->tap(n);
        settle(SchulteGridGame::reportMs);
    } else if (auto *game = qobject_cast<LittleDetectiveGame *>(object)) {
        for (int r = 0; r < 5; ++r) {
            game->choose(game->answer());
            settle(LittleDetectiveGame::pauseMs);
        }
    } else if (auto *game = qobject_cast<RouteMemoryGame *>(object)) {
        for (int r = 0; r < 5; ++r) {
            settle(RouteMemoryGame::stepMs + int(game->steps().size()) * 580);
            QVERIFY(game->acceptingInput());
            for (int step : game->steps())
                game->tap(step);
            settle(RouteMemoryGame::pauseMs);
        }
    } else {
        QFAIL("no game on the page");
    }
    QVERIFY(f.savedPlay(gameId, 100, 3));
}

QTEST_MAIN(TestLogicInShell)
#include "tst_logic_in_shell.moc"
