// Whole rounds of reaction tapping on the manual clock: the one-second countdown, the
// report in the same step as the twelfth hit or the last countdown step, the bonus of
// the seconds left only when the goal is reached, and the star kept off the edges.

#include "GameTestSupport.h"
#include "ReactionGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestReaction : public QObject
{
    Q_OBJECT
private slots:
    void reachingTheGoal_data()
    {
        QTest::addColumn<int>("elapsedSeconds");
        QTest::addColumn<int>("score");
        QTest::addRow("ten seconds left") << 5 << 100;
        QTest::addRow("four seconds left") << 11 << 100;
        QTest::addRow("three seconds left") << 12 << 99;
        QTest::addRow("two seconds left") << 13 << 98;
        QTest::addRow("one second left") << 14 << 97;
    }
    void reachingTheGoal()
    {
        QFETCH(int, elapsedSeconds);
        QFETCH(int, score);
        GameTestWorld world;
        ReportLog log;
        ReactionGame game;
        log.attach(game);
        QCOMPARE(game.seconds(), 15);
        QCOMPARE(game.hits(), 0);
        game.hit(); // before the start
        QCOMPARE(game.hits(), 0);

        game.start();
        QVERIFY(game.running());
        QCOMPARE(game.target(), QPointF(0.5, 0.5));
        QCOMPARE(game.targetEmoji(), u"⭐️"_s);
        world.clock.advance(999);
        QCOMPARE(game.seconds(), 15);
        world.clock.advance(1);
        QCOMPARE(game.seconds(), 14);
        world.clock.advance(qint64(elapsedSeconds - 1) * 1000 + 500);
        QCOMPARE(game.seconds(), 15 - elapsedSeconds);

        QSet<QString> pictures;
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(log.count(), 0);
            const QPointF before = game.target();
            game.hit();
            QCOMPARE(game.hits(), i);
            QVERIFY(game.target() != before);
            QVERIFY(game.target().x() >= 0 && game.target().x() <= 1);
            QVERIFY(game.target().y() >= 0 && game.target().y() <= 1);
            QVERIFY(ReactionGame::starPictures().contains(game.targetEmoji()));
            pictures.insert(game.targetEmoji());
        }
        QVERIFY(pictures.size() > 1);
        // Reported in the same step as the twelfth hit.
        QCOMPARE(log.only(), ReportLog::Report(score, 3));
        QVERIFY(game.finished() && !game.running());
        game.hit();
        game.start();
        QCOMPARE(game.hits(), 12);
        QVERIFY(!game.running());
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
        QCOMPARE(game.seconds(), 15 - elapsedSeconds); // the header keeps the end's values
    }

    void runningOutOfTime_data()
    {
        QTest::addColumn<int>("hits");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("stars");
        QTest::addRow("eleven") << 11 << 88 << 2;
        QTest::addRow("eight") << 8 << 64 << 2;
        QTest::addRow("seven") << 7 << 56 << 1;
        QTest::addRow("none") << 0 << 0 << 1;
    }
    void runningOutOfTime()
    {
        QFETCH(int, hits);
        QFETCH(int, score);
        QFETCH(int, stars);
        GameTestWorld world;
        ReportLog log;
        ReactionGame game;
        log.attach(game);
        game.start();
        world.clock.advance(3000);
        for (int i = 0; i < hits; ++i)
            game.hit();
        world.clock.advance(11999);
        QCOMPARE(game.seconds(), 1);
        QCOMPARE(log.count(), 0);
        world.clock.advance(1);
        QCOMPARE(game.seconds(), 0);
        QCOMPARE(log.only(), ReportLog::Report(score, stars));
        QVERIFY(game.finished());
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 1);
        QCOMPARE(world.clock.pendingCount(), 0);
    }

    void leavingMidRoundReportsNothing()
    {
        GameTestWorld world;
        ReportLog log;
        auto game = std::make_unique<ReactionGame>();
        log.attach(*game);
        game->start();
        world.clock.advance(7000);
        for (int i = 0; i < 11; ++i)
            game->hit();
        game.reset();
        world.clock.runUntilIdle();
        QCOMPARE(log.count(), 0);
        QCOMPARE(world.clock.pendingCount(), 0);
    }

    void theStarKeepsOffTheEdges()
    {
        const QSizeF board(600, 400);
        QCOMPARE(ReactionGame::starCentre({0, 0}, board), QPointF(52, 52));
        QCOMPARE(ReactionGame::starCentre({1, 1}, board), QPointF(548, 348));
        QCOMPARE(ReactionGame::starCentre({0.5, 0.5}, board), QPointF(300, 200));
        // A board 104 points wide or narrower keeps the star 52 points from its left.
        QCOMPARE(ReactionGame::starCentre({1, 0.25}, QSizeF(90, 104)), QPointF(52, 52));
        const QVariantList circles = ReactionGame::decorations();
        QCOMPARE(circles.size(), 12);
        QCOMPARE(circles[11].toMap().value(u"size"_s).toInt(), 53);
        QCOMPARE(circles[11].toMap().value(u"x"_s).toDouble(), 0.03);
        QCOMPARE(circles[11].toMap().value(u"y"_s).toDouble(), 0.17);
        QCOMPARE(circles[11].toMap().value(u"sky"_s).toBool(), false);
    }
};

QTEST_GUILESS_MAIN(TestReaction)
#include "tst_reaction.moc"
