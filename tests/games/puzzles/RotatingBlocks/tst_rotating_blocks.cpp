#include "GameTestSupport.h"
#include "RotatingBlocksGame.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The taps that solve the board with no mistake: each block turned until it matches.
QList<int> fewestTaps(const QList<int> &board, const QList<int> &target)
{
    QList<int> taps;
    for (int i = 0; i < target.size(); ++i) {
        for (int k = 0; k < ((target[i] - board[i]) % 4 + 4) % 4; ++k)
            taps.append(i);
    }
    return taps;
}

} // namespace

class TestRotatingBlocks : public QObject
{
    Q_OBJECT
private slots:
    void patterns();
    void wholePlayWithTheFewestTaps();
    void turningAMatchedBlockIsTheMistake();
    void guardedTapsAndLeavingThePage();
};

void TestRotatingBlocks::patterns()
{
    const QList<RotatingBlocksPattern> &all = RotatingBlocksPattern::all();
    QCOMPARE(all.size(), 8);
    const QList<int> fewest{11, 9, 8, 7, 9, 9, 11, 9};
    for (int p = 0; p < 8; ++p) {
        QCOMPARE(all[p].target.size(), 6);
        QCOMPARE(all[p].start.size(), 6);
        for (int i = 0; i < 6; ++i)
            QVERIFY(all[p].start[i] != all[p].target[i]);
        QCOMPARE(fewestTaps(all[p].start, all[p].target).size(), fewest[p]);
    }
    QCOMPARE(all[3].name, u"星际信号"_s);
    QCOMPARE(all[3].target, (QList<int>{0, 2, 0, 2, 1, 3}));
    QCOMPARE(all[6].start, (QList<int>{0, 0, 3, 2, 2, 1}));
    QCOMPARE(RotatingBlocksGame::glyph(0) + RotatingBlocksGame::glyph(1) + RotatingBlocksGame::glyph(2)
                 + RotatingBlocksGame::glyph(3) + RotatingBlocksGame::glyph(5) + RotatingBlocksGame::glyph(-1),
             u"↑→↓←→←"_s);
}

void TestRotatingBlocks::wholePlayWithTheFewestTaps()
{
    GameTestWorld world;
    RotatingBlocksGame game;
    ReportLog log;
    log.attach(game);
    // Before the page appears: pattern 0's start on the board.
    QCOMPARE(game.name(), u"太阳花"_s);
    QCOMPARE(game.blockGlyphs(), (QStringList{u"→"_s, u"←"_s, u"↑"_s, u"↓"_s, u"↓"_s, u"↑"_s}));
    QCOMPARE(game.targetGlyphs(), (QStringList{u"↑"_s, u"→"_s, u"↓"_s, u"←"_s, u"↑"_s, u"→"_s}));
    QCOMPARE(game.feedback(), u"把下面的积木转到和上面一样"_s);
    QVERIFY(game.feedbackGood());

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    QCOMPARE(QSet<int>(session.begin(), session.end()).size(), 5);
    QCOMPARE(world.settings.integer(u"pipwhistle.lastLevel.v1.rotating-blocks"_s), session.first());
    for (int r = 0; r < 5; ++r) {
        const RotatingBlocksPattern &pattern = RotatingBlocksPattern::all()[session[r]];
        QCOMPARE(game.counter(), u"第 %1 / 5 关"_s.arg(r + 1));
        QCOMPARE(game.name(), pattern.name);
        QCOMPARE(game.orientations(), pattern.start);
        QCOMPARE(game.matched(), QList<bool>(6, false));
        QCOMPARE(game.feedback(), u"把下面的积木转到和上面一样"_s);
        const QList<int> taps = fewestTaps(pattern.start, pattern.target);
        for (int t = 0; t < taps.size(); ++t) {
            QVERIFY(!game.locked());
            game.rotate(taps[t]);
            if (t + 1 < taps.size()) {
                // An ordinary turn: the instruction to go on, drawn as a hint.
                QCOMPARE(game.feedback(), u"继续转，把每个箭头对准目标"_s);
                QVERIFY(!game.feedbackGood());
            }
        }
        QVERIFY(game.locked());
        QCOMPARE(game.orientations(), pattern.target);
        QCOMPARE(game.matched(), QList<bool>(6, true));
        QCOMPARE(game.feedback(), u"全都转好啦，和目标一模一样！"_s);
        QVERIFY(game.feedbackGood());
        game.rotate(0); // during the pause: nothing turns
        QCOMPARE(game.orientations(), pattern.target);
        QCOMPARE(game.wrongAttempt(), 0);
        world.clock.advance(RotatingBlocksGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
    }
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    QCOMPARE(game.counter(), u"第 5 / 5 关"_s);
    QVERIFY(game.locked());
}

void TestRotatingBlocks::turningAMatchedBlockIsTheMistake()
{
    GameTestWorld world;
    RotatingBlocksGame game;
    ReportLog log;
    log.attach(game);
    QSignalSpy shakes(&game, &RoundQuizGame::wrongAttemptChanged);
    game.appear();
    for (int r = 0; r < 5; ++r) {
        const RotatingBlocksPattern &pattern = game.current();
        QList<int> taps = fewestTaps(pattern.start, pattern.target);
        if (r == 0) {
            // Block 0 brought to its target, then turned once more: a mistake, though
            // three more taps bring it back.
            const int first = int(taps.count(0));
            for (int k = 0; k < first; ++k)
                game.rotate(0);
            QVERIFY(game.matched()[0]);
            QCOMPARE(game.wrongAttempt(), 0);
            game.rotate(0);
            QCOMPARE(game.wrongAttempt(), 1);
            QVERIFY(game.roundHadMistake());
            QVERIFY(!game.matched()[0]);
            QCOMPARE(game.orientations()[0], (pattern.target[0] + 1) % 4);
            QCOMPARE(game.feedback(), u"继续转，把每个箭头对准目标"_s);
            QVERIFY(!game.feedbackGood());
            taps.removeAll(0);
            taps += QList<int>{0, 0, 0};
        } else if (r == 2) {
            // Four taps on a block that started wrong: the one that turns it away from
            // its target is the mistake, and only that one.
            const int i = taps.first();
            const int needed = int(taps.count(i));
            for (int k = 0; k < 4; ++k) {
                game.rotate(i);
                QCOMPARE(game.wrongAttempt(), 1 + (k >= needed ? 1 : 0));
            }
            QCOMPARE(game.orientations()[i], pattern.start[i]);
        }
        for (int t : std::as_const(taps))
            game.rotate(t);
        QVERIFY(game.locked());
        world.clock.advance(RotatingBlocksGame::pauseMs);
    }
    QCOMPARE(game.wrongAttempt(), 2);
    QCOMPARE(shakes.count(), 2);
    QCOMPARE(log.only(), (ReportLog::Report{84, 2}));
}

void TestRotatingBlocks::guardedTapsAndLeavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<RotatingBlocksGame>();
    log.attach(*game);
    game->rotate(0); // before the page appears: ignored
    QCOMPARE(game->orientations(), RotatingBlocksPattern::all()[0].start);
    game->appear();
    const QList<int> session = game->session();
    game->appear(); // shown again: the same play
    QCOMPARE(game->session(), session);
    for (int r = 0; r < 5; ++r) {
        const QList<int> before = game->orientations();
        for (int outside : {-1, 6, 7, 1000, std::numeric_limits<int>::min()})
            game->rotate(outside);
        QCOMPARE(game->orientations(), before);
        QCOMPARE(game->wrongAttempt(), 0);
        for (int t : fewestTaps(game->current().start, game->current().target))
            game->rotate(t);
        if (r < 4)
            world.clock.advance(RotatingBlocksGame::pauseMs);
    }
    // The child leaves during the last pause: one report, 0.68 s after the solving tap.
    world.clock.advance(100);
    game.reset();
    world.clock.advance(RotatingBlocksGame::pauseMs - 101);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestRotatingBlocks)
#include "tst_rotating_blocks.moc"
