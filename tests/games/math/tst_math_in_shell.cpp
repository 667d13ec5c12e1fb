// The math games played in the running application: opened from their shelf card,
// answered by clicking their tiles (or sliding their numbers) in the window, finished
// on the completion card with the play saved.

#include "ClockMasterGame.h"
#include "GameHostController.h"
#include "LittleLabGame.h"
#include "MakeTenGame.h"
#include "MathBattleGame.h"
#include "NumberSliderGame.h"
#include "Patience.h"
#include "PatternGame.h"
#include "Random.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SliderSolver.h"
#include "SpeechService.h"
#include "SupermarketGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The cells of one move each that solve the board, and a cell that cannot move.
QPair<QList<int>, int> sliderTaps(const NumberSliderGame *game)
{
    const QList<int> board = game->board();
    const int blank = int(board.indexOf(0));
    int stuck = -1;
    for (int c = 0; c < 9 && stuck < 0; ++c) {
        if (c != blank && !NumberSliderGame::sharesSide(c, blank))
            stuck = c;
    }
    return {solveSlider(board), stuck};
}

} // namespace

class TestMathInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }
    void playsEachGameFromItsShelf_data()
    {
        QTest::addColumn<QString>("gameId");
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QSize>("windowSize");
        const QList<QPair<const char *, QSize>> sizes{{"", QSize()}, {" in a small window", QSize(800, 600)}};
        for (const auto &[suffix, size] : sizes) {
            QTest::addRow("math-battle%s", suffix) << u"math-battle"_s << 730 << u"怪兽挡住了，再算一算"_s << size;
            QTest::addRow("number-slider%s", suffix) << u"number-slider"_s << 760 << u"Oops，只能移动空格旁边的数字"_s << size;
            QTest::addRow("clock-master%s", suffix) << u"clock-master"_s << 680 << u"Oops，再看看长针指向哪里"_s << size;
            QTest::addRow("little-lab%s", suffix) << u"little-lab"_s << 950 << u"Oops，再观察一下实验材料"_s << size;
            QTest::addRow("pattern%s", suffix) << u"pattern"_s << 650 << u"再从第一个图形开始看一遍"_s << size;
            QTest::addRow("make-ten%s", suffix) << u"make-ten"_s << 600 << u"这两个合起来是 "_s << size;
            QTest::addRow("supermarket%s", suffix) << u"supermarket"_s << 600 << u"再加一次"_s << size;
        }
    }
    void playsEachGameFromItsShelf()
    {
        QFETCH(QString, gameId);
        QFETCH(int, pauseMs);
        QFETCH(QString, hint);
        QFETCH(QSize, windowSize);

        Random::shared().seed(11);
        ShellFixture f;
        GameDispatch::setExtraRows({}); // the real games, not the stand-in
        QVERIFY(f.window());
        // The game itself is played in the small window (the math portal lies further
        // along the playground's rail than a small window shows).
        // The pattern game stands on the logic shelf, further along the playground's rail:
        // a window wide enough shows its portal, and the game is played at the usual size.
        const bool onLogicShelf = gameId == u"pattern"_s;
        if (onLogicShelf)
            f.window()->resize(2600, 820);
        const QString shelf = onLogicShelf ? u"逻辑思维"_s : u"数学"_s;
        const QSize playSize = onLogicShelf && !windowSize.isValid() ? QSize(1180, 820) : windowSize;
        QQuickItem *view = f.openGame(gameId, shelf, playSize);
        QVERIFY(view);
        GameHostController *host = f.host();
        auto *game = view->property("game").value<RoundQuizGame *>();
        QVERIFY(game);
        QVERIFY(!game->session().isEmpty());

        const auto click = [&](const QString &name) { QVERIFY(f.clickInWindow(view, name)); };
        const auto bubbleShows = [&](const QString &text) { return ShellFixture::bubbleShows(view, text); };

        const int rounds = int(game->session().size());
        QCOMPARE(rounds, 5);
        for (int r = 0; r < rounds; ++r) {
            QCOMPARE(game->round(), r);
            if (auto *battle = qobject_cast<MathBattleGame *>(game)) {
                const QList<int> choices = battle->choices();
                const int right = int(choices.indexOf(battle->question().answer));
                if (r == 0) {
                    click(u"tile%1"_s.arg((right + 1) % 4));
                    QCOMPARE(battle->monsterHP(), 5);
                    QVERIFY(bubbleShows(hint));
                }
                click(u"tile%1"_s.arg(right));
                QCOMPARE(battle->monsterHP(), 4 - r);
            } else if (qobject_cast<ClockMasterGame *>(game)) {
                if (r == 0) {
                    click(u"tile0"_s);
                    QVERIFY(bubbleShows(hint));
                }
                click(u"tile1"_s); // the right time stands in the middle
            } else if (auto *slider = qobject_cast<NumberSliderGame *>(game)) {
                const auto [taps, stuck] = sliderTaps(slider);
                if (r == 0) {
                    click(u"cell%1"_s.arg(stuck));
                    QVERIFY(bubbleShows(hint));
                }
                for (int tap : taps)
                    click(u"cell%1"_s.arg(tap));
                QCOMPARE(slider->board(), NumberSliderGame::solved());
            } else if (auto *lab = qobject_cast<LittleLabGame *>(game)) {
                if (r == 0) {
                    click(u"tile2"_s);
                    QCOMPARE(lab->selected(), lab->choices()[2]);
                    QVERIFY(bubbleShows(hint));
                }
                click(u"tile0"_s); // the right answer stands first
            } else if (auto *pattern = qobject_cast<PatternGame *>(game)) {
                const int right = int(pattern->choices().indexOf(pattern->puzzle().answer));
                if (r == 0) {
                    click(u"tile%1"_s.arg((right + 1) % 3));
                    QVERIFY(bubbleShows(hint));
                }
                click(u"tile%1"_s.arg(right));
            } else if (auto *makeTen = qobject_cast<MakeTenGame *>(game)) {
                const QList<int> row = makeTen->numbers();
                QPair<int, int> right{-1, -1};
                QPair<int, int> wrong{-1, -1};
                for (int i = 0; i < 6; ++i) {
                    for (int j = i + 1; j < 6; ++j)
                        (row[i] + row[j] == 10 ? right : wrong) = {i, j};
                }
                if (r == 0) {
                    click(u"tile%1"_s.arg(wrong.first));
                    click(u"tile%1"_s.arg(wrong.second));
                    QVERIFY(bubbleShows(hint + QString::number(row[wrong.first] + row[wrong.second]) + u"，再试试"_s));
                    f.clock.advance(MakeTenGame::clearMs);
                }
                click(u"tile%1"_s.arg(right.first));
                click(u"tile%1"_s.arg(right.second));
            } else if (auto *shop = qobject_cast<SupermarketGame *>(game)) {
                const int right = int(shop->choices().indexOf(shop->task().total()));
                if (r == 0) {
                    click(u"tile%1"_s.arg((right + 1) % 3));
                    QVERIFY(shop->feedback().endsWith(hint));
                    QVERIFY(bubbleShows(shop->feedback()));
                }
                click(u"tile%1"_s.arg(right));
            }
            if (r == 0) {
                QCOMPARE(game->wrongAttempt(), 1);
            }
            QVERIFY(game->locked());
            QVERIFY(bubbleShows(game->feedback()));
            f.clock.advance(pauseMs);
            QTest::qWait(20);
        }

        QVERIFY(Patience::waitFor([&] { return host->hasResult(); }));
        QCOMPARE(host->resultScore(), 92);
        QCOMPARE(host->resultStars(), 3);
        QVERIFY(f.waitShown(host->resultHeadline()));
        QVERIFY(f.waitShown(u"下一关"_s));
        ProgressStore &store = f.app->progress();
        QCOMPARE(store.records().size(), 1);
        QCOMPARE(store.records().first().gameID, gameId);
        QCOMPARE(store.records().first().score, 92);
        // This machine may have no sound server: that note is not the game's.
        const QStringList warnings = ShellTest::warnings().filter(QRegularExpression(u"^(?!PulseAudioService:)"_s));
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(u'\n')));
    }
};

QTEST_MAIN(TestMathInShell)
#include "tst_math_in_shell.moc"
