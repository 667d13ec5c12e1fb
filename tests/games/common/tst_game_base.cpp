#include "GameTestSupport.h"

#include "FeedbackLine.h"
#include "GameBase.h"

#include <QtTest>

// A creation game's finish control, and a feedback line marked by its words.
class FinishingGame : public GameBase
{
public:
    bool finish() { return completeOnce(100, 3); }
};

class GameBaseTest : public QObject
{
    Q_OBJECT
private slots:
    void theFinishControlReportsOnce()
    {
        GameTestWorld world;
        FinishingGame game;
        ReportLog log;
        log.attach(game);
        QSignalSpy reported(&game, &GameBase::reportedChanged);
        bool reportedBeforeTheCall = false;
        game.setOnComplete([&, inner = log.reports](qint64 score, qint64 stars) {
            reportedBeforeTheCall = game.reported();
            inner->append({score, stars});
        });
        QVERIFY(!game.reported());
        QVERIFY(game.finish());
        QVERIFY(!game.finish());
        QVERIFY(!game.finish());
        QCOMPARE(log.count(), 1);
        QCOMPARE(log.only(), ReportLog::Report(100, 3));
        QVERIFY(reportedBeforeTheCall); // set before the report goes out
        QCOMPARE(reported.count(), 1);
    }

    void theLineLooksGoodByItsMarkerWords()
    {
        GameTestWorld world;
        FeedbackLine line;
        QSignalSpy changed(&line, &FeedbackLine::changed);
        QSignalSpy shaken(&line, &FeedbackLine::shaken);

        // Without marker words the operation decides the look.
        line.praise(QStringLiteral("答对啦"));
        QVERIFY(line.good());
        line.hint(QStringLiteral("再想想"));
        QVERIFY(!line.good());
        QCOMPARE(line.shakes(), 1);

        // With them, the text alone decides, whichever operation shows it.
        line.setGoodWords({QStringLiteral("找对"), QStringLiteral("先看")});
        line.show(QStringLiteral("先看小球怎么走"));
        QVERIFY(line.good());
        line.praise(QStringLiteral("好眼力！"));
        QVERIFY(!line.good());
        line.hint(QStringLiteral("没找对，再看一次"));
        QVERIFY(line.good());
        QCOMPARE(line.text(), QStringLiteral("没找对，再看一次"));
        line.show(QStringLiteral("找对啦"), false); // an explicit look wins
        QVERIFY(!line.good());

        QCOMPARE(line.shakes(), 2);
        QCOMPARE(shaken.count(), 2);
        QCOMPARE(changed.count(), 6);
        line.shake();
        QCOMPARE(line.shakes(), 3);
        QCOMPARE(changed.count(), 6);
    }
};

QTEST_MAIN(GameBaseTest)
#include "tst_game_base.moc"
