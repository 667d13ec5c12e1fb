// The puzzle shelf's games played in the running application: opened from
// their shelf, played to the completion card with the play saved, at the usual size and
// in a small window. The maze is walked by its direction pad.

#include "BubbleBlasterGame.h"
#include "GameHostController.h"
#include "MazeGame.h"
#include "Random.h"
#include "ShellCatalog.h"
#include "ShellWindowTest.h"
#include "SpeechService.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The fewest steps that open the chest of the forest maze.
const QString fewest = u"DRDDLDRDDRURDRURUULULLURURRDDRDDRUURRUURRDDLUDDRDDLDLULURUDLDRDRR"_s;

QString padButton(QChar c)
{
    switch (c.unicode()) {
    case 'U': return u"padUp"_s;
    case 'R': return u"padRight"_s;
    case 'D': return u"padDown"_s;
    default: return u"padLeft"_s;
    }
}

} // namespace

class TestPuzzlesInShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SpeechService::setRemoteEndpoint(QUrl()); // Chinese is spoken locally: no network
    }
    void clickedThrough_data();
    void clickedThrough();

};

void TestPuzzlesInShell::clickedThrough_data()
{
    QTest::addColumn<QString>("gameId");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(1180, 820), QSize(800, 600)}) {
        const QByteArray suffix = size.width() == 800 ? " small" : "";
        QTest::newRow("maze" + suffix) << u"maze"_s << size;
        QTest::newRow("hidden-objects" + suffix) << u"hidden-objects"_s << size;
    }
}

void TestPuzzlesInShell::clickedThrough()
{
    QFETCH(QString, gameId);
    QFETCH(QSize, size);
    Random::shared().seed(11);
    ShellFixture f;
    QQuickItem *view = f.openFromShelf(gameId, size);
    QVERIFY(view);
    const auto click = [&](const QString &name) { QVERIFY(f.clickInWindow(view, name)); };

    if (auto *blaster = view->property("game").value<BubbleBlasterGame *>()) {
        QVERIFY(f.waitShown(u"寻找隐藏物"_s));
        for (int r = 0; r < 5; ++r) {
            QCOMPARE(blaster->round(), r);
            const qsizetype right = blaster->targets().indexOf(blaster->current().answer);
            if (r == 1) { // a miss first: the round is lost for the score
                click(u"bubble%1"_s.arg((right + 1) % 6));
                f.clock.advance(BubbleBlasterGame::flightMs);
                QCOMPARE(blaster->wrongAttempt(), 1);
            }
            click(u"bubble%1"_s.arg(right));
            QVERIFY(blaster->firing());
            f.clock.advance(BubbleBlasterGame::flightMs);
            QCOMPARE(blaster->popped(), blaster->current().answer);
            QVERIFY(QTest::qWaitFor([&] { return !ShellTest::findNamed(view, u"bubble%1"_s.arg(right))->isEnabled(); }));
            f.clock.advance(BubbleBlasterGame::pauseMs);
            QTest::qWait(20);
        }
        QVERIFY(f.savedPlay(gameId, 92, 3));
        return;
    }

    auto *maze = view->property("game").value<MazeGame *>();
    QVERIFY(maze);
    QVERIFY(f.waitShown(u"0 步"_s));
    click(u"padUp"_s); // a hedge: the fox stays
    QCOMPARE(maze->wrongAttempt(), 1);
    QCOMPARE(maze->moves(), 0);
    for (QChar c : fewest) {
        click(padButton(c));
        f.clock.advance(MazeGame::walkMs);
    }
    QVERIFY(maze->finished());
    QVERIFY(f.waitShown(u"65 步"_s));
    QVERIFY(!ShellTest::findNamed(view, u"padDown"_s)->isEnabled());
    f.clock.advance(MazeGame::reportMs);
    QVERIFY(f.savedPlay(gameId, 70, 2));
}

QTEST_MAIN(TestPuzzlesInShell)
#include "tst_puzzles_in_shell.moc"
