#include "GameTestSupport.h"
#include "MemoryMatchGame.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The identifiers of the two cards of each animal.
QList<QPair<QUuid, QUuid>> pairsOf(const QList<MemoryCard> &deck)
{
    QList<QPair<QUuid, QUuid>> pairs;
    for (qsizetype i = 0; i < deck.size(); ++i) {
        for (qsizetype j = i + 1; j < deck.size(); ++j) {
            if (deck[i].emoji == deck[j].emoji)
                pairs.append({deck[i].id, deck[j].id});
        }
    }
    return pairs;
}

bool isUp(const MemoryMatchGame &game, const QUuid &id)
{
    return std::any_of(game.cards().cbegin(), game.cards().cend(), [&](const MemoryCard &c) { return c.id == id && c.isFaceUp; });
}

// `mismatches` turns of two different animals, then every pair.
void play(ManualClock &clock, MemoryMatchGame &game, int mismatches)
{
    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    for (int m = 0; m < mismatches; ++m) {
        game.flip(pairs[m % 6].first);
        game.flip(pairs[(m + 1) % 6].second);
        clock.advance(MemoryMatchGame::turnBackMs);
    }
    for (const auto &[a, b] : pairs) {
        game.flip(a);
        game.flip(b);
    }
}

} // namespace

class TestMemoryMatch : public QObject
{
    Q_OBJECT
private slots:
    void deck();
    void wholePlay_data();
    void wholePlay();
    void turnsAndDisabledCards();
    void reshuffle();
    void resultIsTakenAtTheLastPair();
    void leavingThePage();
};

void TestMemoryMatch::deck()
{
    GameTestWorld world;
    const QList<MemoryCard> deck = MemoryCard::makeDeck();
    QCOMPARE(deck.size(), 12);
    QCOMPARE(MemoryCard::animals(), (QStringList{u"🦊"_s, u"🐼"_s, u"🐸"_s, u"🐳"_s, u"🦁"_s, u"🐰"_s}));
    QCOMPARE(pairsOf(deck).size(), 6); // each animal twice
    QSet<QUuid> ids;
    for (const MemoryCard &c : deck + MemoryCard::makeDeck()) {
        QVERIFY(!c.isFaceUp && !c.matched);
        ids.insert(c.id);
    }
    QCOMPARE(ids.size(), 24); // no identifier shared, not even with the next deck
    Random::shared().seed(7);
    QCOMPARE(MemoryCard::makeDeck(), deck); // the seed replays a deck
}

void TestMemoryMatch::wholePlay_data()
{
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    const QList<std::array<int, 3>> rows{{0, 100, 3}, {1, 95, 3}, {4, 80, 3}, {5, 75, 2}, {7, 65, 2}, {8, 60, 2}, {14, 60, 2}};
    for (const auto &[mismatches, score, stars] : rows)
        QTest::addRow("%d turns", mismatches + 6) << mismatches << score << stars;
}

void TestMemoryMatch::wholePlay()
{
    QFETCH(int, mismatches);
    QFETCH(int, score);
    QFETCH(int, stars);
    GameTestWorld world;
    SpeechLog speech;
    MemoryMatchGame game;
    ReportLog log;
    log.attach(game);
    game.appear();
    QCOMPARE(speech.spoken(), QStringList{u"请听题，一次翻两张牌，帮每只动物找到一样的朋友"_s});
    play(world.clock, game, mismatches);
    QCOMPARE(game.turns(), mismatches + 6);
    QCOMPARE(game.turnCounter(), u"翻牌 "_s + QString::number(mismatches + 6) + u" 次"_s);
    QCOMPARE(game.pairCounter(), u"6/6 对"_s);
    QCOMPARE(game.wrongAttempt(), mismatches);
    QCOMPARE(MemoryMatchGame::scoreFor(mismatches + 6), score);
    QCOMPARE(MemoryMatchGame::starsFor(mismatches + 6), stars);
    world.clock.advance(MemoryMatchGame::reportMs - 1);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMemoryMatch::turnsAndDisabledCards()
{
    GameTestWorld world;
    MemoryMatchGame game;
    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    // The first card counts nothing; the same card again would pair it with itself.
    game.flip(pairs[0].first);
    game.flip(pairs[0].first);
    game.flip(QUuid::createUuid()); // not in the deck
    QCOMPARE(game.openIDs(), QList<QUuid>{pairs[0].first});
    QCOMPARE(game.turns(), 0);
    // A mismatch: both up and every card closed for 0.85 s, then both turn back.
    game.flip(pairs[1].first);
    QCOMPARE(game.turns(), 1);
    QVERIFY(game.locked());
    game.flip(pairs[1].second);
    QVERIFY(!isUp(game, pairs[1].second));
    world.clock.advance(MemoryMatchGame::turnBackMs - 1);
    QVERIFY(isUp(game, pairs[0].first) && isUp(game, pairs[1].first));
    world.clock.advance(1);
    QVERIFY(!isUp(game, pairs[0].first) && !isUp(game, pairs[1].first));
    QVERIFY(!game.locked() && game.openIDs().isEmpty());
    // A pair stays up and unlocks at once; its cards cannot be turned again.
    game.flip(pairs[0].first);
    game.flip(pairs[0].second);
    QVERIFY(!game.locked());
    QCOMPARE(game.pairCounter(), u"1/6 对"_s);
    game.flip(pairs[0].first);
    QVERIFY(game.openIDs().isEmpty());
    QCOMPARE(game.turns(), 2);
    // The view reads the same cards.
    const QVariantMap first = game.cardList().first().toMap();
    QCOMPARE(first[u"id"_s].toString(), game.cards().first().id.toString(QUuid::WithoutBraces));
    QCOMPARE(first[u"emoji"_s].toString(), game.cards().first().emoji);
}

void TestMemoryMatch::reshuffle()
{
    GameTestWorld world;
    MemoryMatchGame game;
    QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    game.flip(pairs[0].first);
    game.reshuffle();
    QVERIFY(game.openIDs().isEmpty());
    QCOMPARE(game.turnCounter(), u"翻牌 0 次"_s);
    QVERIFY(std::none_of(game.cards().cbegin(), game.cards().cend(), [&](const MemoryCard &c) { return c.isFaceUp || c.id == pairs[0].first; }));

    // During a mismatch: the new deck stays closed until the pending turn-back, which
    // finds neither old card, turns nothing and unlocks.
    pairs = pairsOf(game.cards());
    game.flip(pairs[0].first);
    game.flip(pairs[1].first);
    game.reshuffle();
    pairs = pairsOf(game.cards());
    game.flip(pairs[0].first);
    QVERIFY(!isUp(game, pairs[0].first));
    world.clock.advance(MemoryMatchGame::turnBackMs);
    QVERIFY(!game.locked());
    QCOMPARE(game.wrongAttempt(), 1);
    game.flip(pairs[0].first);
    QVERIFY(isUp(game, pairs[0].first));
}

// Stars and score come from the same deck: twelve turns, then a new deck during the
// pause (turns back to 0) still report two stars; the new deck reports nothing more.
void TestMemoryMatch::resultIsTakenAtTheLastPair()
{
    GameTestWorld world;
    MemoryMatchGame game;
    ReportLog log;
    log.attach(game);
    play(world.clock, game, 6);
    world.clock.advance(300);
    game.reshuffle();
    world.clock.advance(350);
    QCOMPARE(log.only(), (ReportLog::Report{70, 2}));
    play(world.clock, game, 0);
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMemoryMatch::leavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    auto *game = new MemoryMatchGame;
    log.attach(*game);
    play(world.clock, *game, 1);
    world.clock.advance(400);
    delete game;
    world.clock.advance(250);
    QCOMPARE(log.only(), (ReportLog::Report{95, 3}));

    // Gone during a mismatch: the turn-back touches nothing.
    game = new MemoryMatchGame;
    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game->cards());
    game->flip(pairs[0].first);
    game->flip(pairs[1].first);
    delete game;
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestMemoryMatch)
#include "tst_memory_match.moc"
