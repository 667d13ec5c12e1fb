#include "AppTheme.h"
#include "GameTestSupport.h"
#include "TangramGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestTangram : public QObject
{
    Q_OBJECT
private slots:
    void puzzlesAndPieces();
    void wholePlayWithMistakes();
    void leavingDuringTheLastPause();
};

void TestTangram::puzzlesAndPieces()
{
    const QList<TangramPuzzle> &all = TangramPuzzle::all();
    QCOMPARE(all.size(), 8);
    const QStringList answers{u"小三角"_s, u"小三角"_s, u"中三角"_s, u"平行四边形"_s,
                              u"正方形"_s, u"大三角"_s, u"小三角"_s, u"正方形"_s};
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(all[i].pieces.size(), 4);
        QCOMPARE(all[i].answer(), answers[i]);
        QCOMPARE(all[i].choices.size(), 3);
        QCOMPARE(all[i].choices.count(answers[i]), 1);
        QVERIFY(all[i].clue.startsWith(u"找出能补上"_s));
    }
    // The rabbit has two small triangles; its empty slot is the first, the middle one.
    QCOMPARE(all[2].pieces.count(u"小三角"_s), 2);
    QCOMPARE(all[2].missingIndex, 0);
    QCOMPARE(all[7].animal, u"🐢"_s);

    QCOMPARE(TangramGame::glyph(u"大三角"_s) + TangramGame::glyph(u"中三角"_s) + TangramGame::glyph(u"小三角"_s)
                 + TangramGame::glyph(u"正方形"_s) + TangramGame::glyph(u"平行四边形"_s),
             u"▲◢◣◆▰"_s);
    // Any other name is drawn as the parallelogram.
    QCOMPARE(TangramGame::glyph(u"圆形"_s), u"▰"_s);
    QCOMPARE(TangramGame::color(QString()), AppTheme::sky());
    QCOMPARE(TangramGame::color(u"正方形"_s), AppTheme::coral());
}

void TestTangram::wholePlayWithMistakes()
{
    GameTestWorld world;
    TangramGame game;
    ReportLog log;
    log.attach(game);
    QCOMPARE(game.name(), u"小狐狸"_s); // puzzle 0 until the session is drawn
    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    using enum TileState::State;
    for (int r = 0; r < 5; ++r) {
        const TangramPuzzle &puzzle = TangramPuzzle::all()[session[r]];
        QCOMPARE(game.counter(), u"第 %1 / 5 图"_s.arg(r + 1));
        QCOMPARE(game.feedback(), u"看看轮廓，选出缺少的那块"_s);
        // The empty slot while the round is open.
        const QVariantMap hole = game.pieceSlots()[puzzle.missingIndex].toMap();
        QCOMPARE(hole[u"glyph"_s].toString(), u"?"_s);
        QCOMPARE(hole[u"caption"_s].toString(), u"缺一块"_s);
        QCOMPARE(hole[u"text"_s].value<QColor>(), AppTheme::purple());
        const int right = int(puzzle.choices.indexOf(puzzle.answer()));
        const int wrong = (right + 1) % 3;
        game.choose(wrong);
        QCOMPARE(game.feedback(), u"这块放不进去，再看看边边的形状"_s);
        QVERIFY(game.feedbackGood()); // the hint asks to look: the good look
        QCOMPARE(game.tileStates()[wrong], int(Picked));
        QVERIFY(!game.locked());
        if (r == 0) {
            game.choose(wrong); // again: another shake
            QCOMPARE(game.wrongAttempt(), 2);
        }
        game.choose(right);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"拼好啦！这块正好合适"_s);
        QCOMPARE(game.tileStates()[right], int(Right));
        QCOMPARE(game.tileStates()[wrong], int(Plain));
        // The slot shows its own piece until the advance.
        const QVariantMap filled = game.pieceSlots()[puzzle.missingIndex].toMap();
        QCOMPARE(filled[u"glyph"_s].toString(), TangramGame::glyph(puzzle.answer()));
        QCOMPARE(filled[u"caption"_s].toString(), puzzle.answer());
        game.choose(wrong); // during the pause: nothing
        QCOMPARE(game.selected(), puzzle.answer());
        world.clock.advance(TangramGame::pauseMs);
    }
    QCOMPARE(game.wrongAttempt(), 6);
    QCOMPARE(log.only(), (ReportLog::Report{60, 1}));
    QCOMPARE(game.counter(), u"第 5 / 5 图"_s);
}

void TestTangram::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<TangramGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        game->choose(3); // no fourth piece: nothing
        QVERIFY(game->selected().isEmpty());
        game->choose(int(game->choices().indexOf(game->current().answer())));
        if (r < 4)
            world.clock.advance(TangramGame::pauseMs);
    }
    world.clock.advance(400);
    game.reset();
    world.clock.advance(TangramGame::pauseMs - 401);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestTangram)
#include "tst_tangram.moc"
