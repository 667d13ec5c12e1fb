#include "AppTheme.h"
#include "GameTestSupport.h"
#include "SillySceneGame.h"

#include <QTextBoundaryFinder>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

int graphemes(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

QList<int> states(std::initializer_list<TileState::State> list)
{
    return QList<int>(list.begin(), list.end());
}

} // namespace

class TestSillyScene : public QObject
{
    Q_OBJECT
private slots:
    void scenes();
    void wholePlayWithMistakes();
    void leavingDuringTheLastPause();
};

void TestSillyScene::scenes()
{
    const QList<SillySceneQuestion> &all = SillySceneQuestion::all();
    QCOMPARE(all.size(), 10);
    const QStringList intruders{u"自行车"_s, u"仙人掌"_s, u"海豚"_s, u"小鱼"_s, u"浴缸"_s,
                                u"飞碟"_s, u"鲨鱼"_s, u"企鹅"_s, u"长颈鹿"_s, u"汽车"_s};
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(all[i].items.size(), 6);
        QVERIFY(all[i].oddIndex == 4 || all[i].oddIndex == 5);
        QCOMPARE(all[i].items[all[i].oddIndex].name, intruders[i]);
        QCOMPARE(all[i].colors.size(), 2);
        QVERIFY(all[i].explanation.endsWith(u"。"_s));
        // Every picture is one picture: joined and selected emoji are single clusters.
        for (const SceneObject &object : all[i].items)
            QVERIFY2(graphemes(object.emoji) == 1, qPrintable(codePoints(object.emoji)));
    }
    // The polar bear, the astronaut and the teacher are joined with U+200D.
    QCOMPARE(codePoints(all[1].items[2].emoji), u"1F43B 200D 2744 FE0F"_s);
    QCOMPARE(codePoints(all[3].items[1].emoji), u"1F469 200D 1F680"_s);
    QCOMPARE(codePoints(all[6].items[4].emoji), u"1F9D1 200D 1F3EB"_s);
    QCOMPARE(codePoints(all[1].items[0].emoji), u"26C4 FE0F"_s);
    QCOMPARE(codePoints(all[2].items[1].emoji), u"1F43F FE0F"_s);
    QCOMPARE(codePoints(all[7].items[3].emoji), u"26FA FE0F"_s);
    QCOMPARE(all[6].explanation, u"鲨鱼生活在海里，不会坐在教室。"_s);
    // Board colours with their opacities; the platform's white is opaque.
    QCOMPARE(all[1].colors[1], QColor(Qt::white));
    QCOMPARE(qRound(all[0].colors[0].alphaF() * 100), 62);
    QCOMPARE(all[0].colors[0].rgb(), AppTheme::sky().rgb());
    QCOMPARE(qRound(all[8].colors[1].alphaF() * 100), 17);
    QCOMPARE(all[8].colors[1].rgb(), AppTheme::purple().rgb());
    QVERIFY(SillySceneQuestion::objects({}).isEmpty());
}

void TestSillyScene::wholePlayWithMistakes()
{
    GameTestWorld world;
    SillySceneGame game;
    ReportLog log;
    log.attach(game);
    QSignalSpy shakes(&game, &RoundQuizGame::wrongAttemptChanged);
    // Before the page appears: the first scene of the bank, picks ignored.
    QCOMPARE(game.title(), u"海底世界"_s);
    QCOMPARE(game.prompt(), u"在海底世界里，哪个东西来错了地方？"_s);
    game.choose(4);
    QVERIFY(!game.locked());
    QCOMPARE(game.selectedIndex(), -1);

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    QCOMPARE(QSet<int>(session.begin(), session.end()).size(), 5);
    QCOMPARE(world.settings.integer(u"pipwhistle.lastLevel.v1.silly-scene"_s), session.first());
    using enum TileState::State;
    for (int r = 0; r < 5; ++r) {
        const SillySceneQuestion &scene = SillySceneQuestion::all()[session[r]];
        const int odd = scene.oddIndex;
        QCOMPARE(game.title(), scene.title);
        QCOMPARE(game.counter(), u"第 %1 / 5 幅"_s.arg(r + 1));
        QCOMPARE(game.feedback(), u"找一找，哪个东西来错了地方？"_s);
        QVERIFY(game.feedbackGood());
        QCOMPARE(game.tileStates(), QList<int>(6, Plain));
        if (r == 1 || r == 3) {
            game.choose(0);
            QCOMPARE(game.feedback(), u"它在这里很正常，再看看别的"_s);
            QVERIFY(!game.feedbackGood());
            QCOMPARE(game.tileStates(), states({Picked, Plain, Plain, Plain, Plain, Plain}));
            game.choose(2); // the highlight moves to the new wrong tile
            QCOMPARE(game.selectedIndex(), 2);
            QCOMPARE(game.tileStates(), states({Plain, Plain, Picked, Plain, Plain, Plain}));
            QVERIFY(!game.locked());
        }
        game.choose(odd);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"发现啦！"_s + scene.items[odd].name + u"不应该在这里"_s);
        QVERIFY(game.feedbackGood());
        QCOMPARE(game.tileStates()[odd], int(Right));
        QCOMPARE(game.tileStates().count(int(Plain)), 5);
        QCOMPARE(game.explanation(), scene.explanation);
        game.choose(0); // during the pause: nothing
        QCOMPARE(game.selectedIndex(), odd);
        world.clock.advance(SillySceneGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
    }
    QCOMPARE(game.wrongAttempt(), 4);
    QCOMPARE(shakes.count(), 4);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
    // The last scene stays answered, its explanation shown; the counter stops at 5.
    QVERIFY(game.locked());
    QCOMPARE(game.counter(), u"第 5 / 5 幅"_s);
    QCOMPARE(game.explanation(), SillySceneQuestion::all()[session[4]].explanation);
}

void TestSillyScene::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<SillySceneGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        game->choose(99); // off the board: nothing
        game->choose(-1);
        QCOMPARE(game->selectedIndex(), -1);
        game->choose(game->current().oddIndex);
        if (r < 4)
            world.clock.advance(SillySceneGame::pauseMs);
    }
    world.clock.advance(500);
    game.reset();
    world.clock.advance(SillySceneGame::pauseMs - 501);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestSillyScene)
#include "tst_silly_scene.moc"
