// The action games played in the running application: opened from the coordination
// shelf, played through the window (clicks and the arrow keys) on the manual clock,
// finished on the completion card with the play saved.

#include "FruitCatcherGame.h"
#include "GameHostController.h"
#include "Patience.h"
#include "Random.h"
#include "ReactionGame.h"
#include "RedLightGreenLightGame.h"
#include "RhythmPlanetGame.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Advances the manual clock and lets the window draw what changed.
void advance(ShellFixture &f, qint64 ms)
{
    f.clock.advance(ms);
    QTest::qWait(5);
}

// Ten fruits, the basket moved under each by the arrow keys while it falls; the eighth
// let go. Returns the expected catches.
int playFruitCatcher(ShellFixture &f, QQuickItem *view)
{
    auto *game = view->property("game").value<FruitCatcherGame *>();
    if (!game || !f.clickInWindow(view, u"start"_s))
        return -1;
    const auto basketAt = [&](int column) {
        QQuickItem *slot = ShellTest::findNamed(view, u"basket%1"_s.arg(column));
        return slot && ShellTest::findItem(slot, [](QQuickItem *i) { return !i->property("text").toString().isEmpty(); });
    };
    for (int k = 0; k < 10; ++k) {
        advance(f, FruitCatcherGame::tickMs);
        int target = FruitCatcherGame::fruitColumns().at(k);
        if (k == 7)
            target = (target + 2) % 4;
        const Qt::Key key = target == 0 ? Qt::Key_Left
                            : target == 3 ? Qt::Key_Right
                            : target < game->basketColumn() ? Qt::Key_Left : Qt::Key_Right;
        // A key more than needed: the basket stops at the board's edge.
        for (int n = std::abs(target - game->basketColumn()) + 1; n > 0; --n)
            QTest::keyClick(f.window(), key);
        if (target == 0 || target == 3) {
            if (game->basketColumn() != target)
                return -1;
        } else {
            // Back from the edge by a click on the arrow.
            if (!f.clickInWindow(view, key == Qt::Key_Left ? u"right"_s : u"left"_s))
                return -1;
        }
        if (game->basketColumn() != target || !basketAt(target))
            return -1;
        advance(f, 4 * FruitCatcherGame::tickMs);
    }
    advance(f, FruitCatcherGame::reportMs);
    return 9;
}

// Twelve signals: every green tapped, and the first red too. Returns false on a fault.
bool playRedLight(ShellFixture &f, QQuickItem *view)
{
    auto *game = view->property("game").value<RedLightGreenLightGame *>();
    if (!game || !f.clickInWindow(view, u"start"_s))
        return false;
    for (int i = 0; i < 12; ++i) {
        if (RedLightGreenLightGame::signalList().at(i) || i == 1) {
            if (!f.clickInWindow(view, u"light"_s))
                return false;
            // One tap a signal: the light stays shut until the next one.
            if (!Patience::waitFor([&] { return !ShellTest::findNamed(view, u"light"_s)->isEnabled(); }))
                return false;
        }
        advance(f, RedLightGreenLightGame::tickMs);
    }
    advance(f, RedLightGreenLightGame::reportMs);
    return game->greenHits() == 7 && game->redTaps() == 1;
}

// Thirteen seconds pass, then twelve hits on the jumping star (a tap beside it first).
bool playReaction(ShellFixture &f, QQuickItem *view)
{
    auto *game = view->property("game").value<ReactionGame *>();
    // The start button shows its symbol before its label.
    QQuickItem *symbol = ShellTest::findNamed(view, u"startSymbol"_s);
    QQuickItem *label = ShellTest::findNamed(view, u"startLabel"_s);
    if (!symbol || !label || symbol->mapToScene({symbol->width(), 0}).x() >= label->mapToScene({0, 0}).x())
        return false;
    if (!game || !f.clickInWindow(view, u"start"_s))
        return false;
    advance(f, 13 * ReactionGame::stepMs);
    QQuickItem *board = ShellTest::findNamed(view, u"board"_s);
    QTest::mouseClick(f.window(), Qt::LeftButton, {}, board->mapToScene(QPointF(8, board->height() - 8)).toPoint());
    if (game->hits() != 0 || game->seconds() != 2)
        return false;
    for (int i = 0; i < 12; ++i) {
        QTest::qWait(260); // the star springs in
        if (!f.clickInWindow(view, u"star"_s))
            return false;
        if (game->hits() != i + 1)
            return false;
    }
    return game->finished();
}

// Five patterns repeated by clicks on the planets; the first round spoilt by a wrong
// planet, so four rounds count.
bool playRhythmPlanet(ShellFixture &f, QQuickItem *view)
{
    auto *game = view->property("game").value<RhythmPlanetGame *>();
    if (!game || game->session().size() != 5)
        return false;
    const auto listen = [&] {
        const qsizetype steps = game->current().sequence.size();
        advance(f, RhythmPlanetGame::leadInMs);
        for (qsizetype i = 0; i < steps; ++i) {
            // The planet of the step is lit while its tone sounds.
            QQuickItem *planet = ShellTest::findNamed(view, u"planet%1"_s.arg(game->current().sequence[i]));
            if (!planet || game->highlighted() != game->current().sequence[i] || planet->isEnabled())
                return false;
            advance(f, RhythmPlanetGame::litMs + RhythmPlanetGame::gapMs);
        }
        return game->acceptingInput();
    };
    for (int r = 0; r < 5; ++r) {
        if (!listen())
            return false;
        const QList<int> sequence = game->current().sequence;
        if (r == 0) {
            if (!f.clickInWindow(view, u"planet%1"_s.arg((sequence[0] + 1) % 4)))
                return false;
            // The dots are empty again and the same pattern plays once more.
            advance(f, RhythmPlanetGame::answerPauseMs);
            if (!listen())
                return false;
        }
        for (qsizetype i = 0; i < sequence.size(); ++i) {
            if (!f.clickInWindow(view, u"planet%1"_s.arg(sequence[i])))
                return false;
            QQuickItem *dot = ShellTest::findNamed(view, u"dot%1"_s.arg(i));
            if (!dot || game->input().size() != i + 1)
                return false;
        }
        advance(f, RhythmPlanetGame::answerPauseMs);
    }
    return game->firstTryCorrect() == 4;
}

} // namespace

class TestActionGamesInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl());
    }
    void playsEachGameFromItsShelf_data()
    {
        QTest::addColumn<QString>("gameId");
        QTest::addColumn<QSize>("windowSize");
        for (const QSize &size : {QSize(1180, 820), QSize(800, 600)}) {
            const QByteArray suffix = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
            QTest::addRow("fruit-catcher %s", suffix.constData()) << u"fruit-catcher"_s << size;
            QTest::addRow("red-light %s", suffix.constData()) << u"red-light"_s << size;
            QTest::addRow("reaction %s", suffix.constData()) << u"reaction"_s << size;
            QTest::addRow("rhythm-tap %s", suffix.constData()) << u"rhythm-tap"_s << size;
        }
    }
    void playsEachGameFromItsShelf()
    {
        QFETCH(QString, gameId);
        QFETCH(QSize, windowSize);

        Random::shared().seed(5);
        ShellFixture f;
        GameDispatch::setExtraRows({});
        QVERIFY(f.window());
        // The coordination shelf lies far along the playground's rail: a wide window
        // shows its portal; the game is then played at the size of the row.
        f.window()->resize(3800, 820);
        QQuickItem *view = f.openGame(gameId, u"协调记忆"_s, windowSize);
        QVERIFY(view);
        GameHostController *host = f.host();

        int score = -1;
        int stars = -1;
        if (gameId == u"fruit-catcher"_s) {
            const int catches = playFruitCatcher(f, view);
            QCOMPARE(catches, 9);
            score = 90;
            stars = 3;
        } else if (gameId == u"red-light"_s) {
            QVERIFY(playRedLight(f, view));
            score = 92;
            stars = 3;
        } else if (gameId == u"reaction"_s) {
            QVERIFY(playReaction(f, view));
            score = 98;
            stars = 3;
        } else if (gameId == u"rhythm-tap"_s) {
            QVERIFY(playRhythmPlanet(f, view));
            score = 92;
            stars = 3;
        }

        QVERIFY(Patience::waitFor([&] { return host->hasResult(); }));
        QCOMPARE(host->resultScore(), score);
        QCOMPARE(host->resultStars(), stars);
        QVERIFY(f.waitShown(host->resultHeadline()));
        QVERIFY(f.waitShown(u"下一关"_s));
        const ProgressStore &store = f.app->progress();
        QCOMPARE(store.records().size(), 1);
        QCOMPARE(store.records().first().gameID, gameId);
        QCOMPARE(store.records().first().score, score);
        QCOMPARE(store.records().first().stars, stars);
        const QStringList warnings = ShellTest::warnings().filter(QRegularExpression(u"^(?!PulseAudioService:)"_s));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    }
};

QTEST_MAIN(TestActionGamesInShell)
#include "tst_action_games_in_shell.moc"
