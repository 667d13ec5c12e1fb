#include "AppTheme.h"
#include "ColorTrapGame.h"
#include "GameTestSupport.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestColorTrap : public QObject
{
    Q_OBJECT
private slots:
    void cardsAndHues();
    void wholePlayWithMistakes();
    void leavingDuringTheLastPause();
};

void TestColorTrap::cardsAndHues()
{
    using namespace ColorTrapHues;
    QCOMPARE(allCases().size(), 4);
    QCOMPARE(rawValue(allCases()[2]), u"green"_s);
    for (ColorTrapHue hue : allCases())
        QCOMPARE(fromRawValue(rawValue(hue)), std::optional<ColorTrapHue>(hue));
    for (const QString &other : {u"Red"_s, u"red "_s, QString(), u"orange"_s})
        QVERIFY(!fromRawValue(other).has_value());
    QCOMPARE(color(ColorTrapHue::red), AppTheme::coral()); // the theme's coral, not pure red
    QCOMPARE(color(ColorTrapHue::blue), AppTheme::sky());

    const QList<ColorTrapQuestion> &cards = ColorTrapQuestion::all();
    QCOMPARE(cards.size(), 12);
    QHash<QString, QSet<int>> inksOfWord;
    QHash<int, int> answers;
    for (const ColorTrapQuestion &card : cards) {
        QVERIFY(name(card.ink) != card.word); // never the colour the word names
        inksOfWord[card.word].insert(int(card.ink));
        ++answers[int(card.ink)];
    }
    QCOMPARE(inksOfWord.size(), 4);
    for (const QSet<int> &inks : std::as_const(inksOfWord))
        QCOMPARE(inks.size(), 3);
    for (ColorTrapHue hue : allCases())
        QCOMPARE(answers.value(int(hue)), 3);
    QCOMPARE(cards[0].word, u"红色"_s);
    QCOMPARE(cards[0].ink, ColorTrapHue::blue);
    QCOMPARE(cards[11].ink, ColorTrapHue::blue);
    QCOMPARE(cards[8].ink, ColorTrapHue::red);
}

void TestColorTrap::wholePlayWithMistakes()
{
    GameTestWorld world;
    ColorTrapGame game;
    ReportLog log;
    log.attach(game);
    QSignalSpy shakes(&game, &RoundQuizGame::wrongAttemptChanged);
    // Before the session: card 0, "红色" in the blue ink.
    QCOMPARE(game.word(), u"红色"_s);
    QCOMPARE(game.ink(), AppTheme::sky());
    QCOMPARE(game.feedback(), u"不要读文字，要看文字的颜色"_s);
    QCOMPARE(game.hueNames(), (QStringList{u"红色"_s, u"蓝色"_s, u"绿色"_s, u"紫色"_s}));
    game.choose(1);
    QVERIFY(!game.locked());

    game.appear();
    const QList<int> session = game.session();
    QCOMPARE(session.size(), 5);
    using enum TileState::State;
    for (int r = 0; r < 5; ++r) {
        const ColorTrapQuestion &card = ColorTrapQuestion::all()[session[r]];
        QCOMPARE(game.word(), card.word);
        QCOMPARE(game.counter(), u"第 %1 / 5 题"_s.arg(r + 1));
        const int ink = game.inkIndex();
        // The trap: the button of the colour the word names.
        const int named = int(game.hueNames().indexOf(card.word));
        QVERIFY(named != ink);
        if (r % 2 == 0) {
            game.choose(named);
            game.choose(named); // the same wrong colour again: another shake
            QCOMPARE(game.feedback(), u"别念文字，眼睛看看它是什么颜色"_s);
            QVERIFY(game.feedbackGood()); // every line of this game asks to look
            QCOMPARE(game.selectedIndex(), named);
            QCOMPARE(game.tileStates()[named], int(Picked));
        }
        game.choose(ink);
        QVERIFY(game.locked());
        QCOMPARE(game.feedback(), u"找对啦！这次要看颜色"_s);
        QVERIFY(game.feedbackGood());
        QCOMPARE(game.tileStates()[ink], int(Right));
        QCOMPARE(game.tileStates().count(int(Plain)), 3);
        game.choose(named); // during the pause: nothing
        QCOMPARE(game.selectedIndex(), ink);
        world.clock.advance(ColorTrapGame::pauseMs - 1);
        QCOMPARE(game.round(), r);
        world.clock.advance(1);
        if (r < 4) {
            QCOMPARE(game.selectedIndex(), -1);
            QCOMPARE(game.feedback(), u"不要读文字，要看文字的颜色"_s);
        }
    }
    QCOMPARE(game.wrongAttempt(), 6);
    QCOMPARE(shakes.count(), 6);
    QCOMPARE(log.only(), (ReportLog::Report{76, 2}));
    QCOMPARE(game.counter(), u"第 5 / 5 题"_s);
    QVERIFY(game.locked());
}

void TestColorTrap::leavingDuringTheLastPause()
{
    GameTestWorld world;
    ReportLog log;
    auto game = std::make_unique<ColorTrapGame>();
    log.attach(*game);
    game->appear();
    for (int r = 0; r < 5; ++r) {
        game->choose(4); // no fifth button: nothing
        game->choose(-1);
        QCOMPARE(game->selectedIndex(), -1);
        game->choose(game->inkIndex());
        if (r < 4)
            world.clock.advance(ColorTrapGame::pauseMs);
    }
    world.clock.advance(300);
    game.reset();
    world.clock.advance(ColorTrapGame::pauseMs - 301);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestColorTrap)
#include "tst_color_trap.moc"
