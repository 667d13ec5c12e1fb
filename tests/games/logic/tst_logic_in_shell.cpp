// The logic and memory games played in the running application: opened from their
// shelf, played to the completion card with the play saved. Memory match and one-line
// are played by clicks in the window, at the usual size and in a small window.

#include "GameHostController.h"
#include "MemoryMatchGame.h"
#include "OneLineGame.h"
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

private:
    // Opens the game from its shelf, in a window wide enough to show the shelf's portal,
    // and plays it in a window of `size`.
    QQuickItem *open(ShellFixture &f, const QString &gameId, const QSize &size);
    void checkSaved(ShellFixture &f, const QString &gameId, int score, int stars);
};

QQuickItem *TestLogicInShell::open(ShellFixture &f, const QString &gameId, const QSize &size)
{
    GameDispatch::setExtraRows({}); // the real games, not the stand-in
    if (!f.window())
        return nullptr;
    f.window()->resize(3400, 820); // every portal of the playground's rail in view
    const QString shelf = ShellCatalog::shelfName(ShellCatalog::game(gameId).value(u"category"_s).toString());
    return f.openGame(gameId, shelf, size);
}

void TestLogicInShell::checkSaved(ShellFixture &f, const QString &gameId, int score, int stars)
{
    GameHostController *host = f.host();
    QVERIFY(QTest::qWaitFor([&] { return host->hasResult(); }));
    QCOMPARE(host->resultScore(), score);
    QCOMPARE(host->resultStars(), stars);
    QVERIFY(f.waitShown(host->resultHeadline()));
    QVERIFY(f.waitShown(u"下一关"_s));
    const ProgressStore &store = f.app->progress();
    QCOMPARE(store.records().size(), 1);
    QCOMPARE(store.records().first().gameID, gameId);
    QCOMPARE(store.records().first().score, score);
    QCOMPARE(store.records().first().stars, stars);
    // This machine may have no sound server: that note is not the game's.
    const QStringList warnings = ShellTest::warnings().filter(QRegularExpression(u"^(?!PulseAudioService:)"_s));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
}

void TestLogicInShell::clickedThrough_data()
{
    QTest::addColumn<QString>("gameId");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(1180, 820), QSize(800, 600)}) {
        const QByteArray suffix = size.width() == 800 ? " small" : "";
        QTest::newRow("memory-match" + suffix) << u"memory-match"_s << size;
        QTest::newRow("one-line" + suffix) << u"one-line"_s << size;
    }
}

void TestLogicInShell::clickedThrough()
{
    QFETCH(QString, gameId);
    QFETCH(QSize, size);
    Random::shared().seed(11);
    ShellFixture f;
    QQuickItem *view = open(f, gameId, size);
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
        checkSaved(f, gameId, 95, 3);
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
    checkSaved(f, gameId, 92, 3);
}

QTEST_MAIN(TestLogicInShell)
#include "tst_logic_in_shell.moc"
