#include "GameTestSupport.h"
#include "MemoryMatchGame.h"

#include <QSet>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The identifiers of the two cards of each animal, in deck order of their first card.
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

const MemoryCard &card(const MemoryMatchGame &game, const QUuid &id)
{
    for (const MemoryCard &c : game.cards()) {
        if (c.id == id)
            return c;
    }
    static const MemoryCard none;
    return none;
}

} // namespace

class TestMemoryMatch : public QObject
{
    Q_OBJECT
private slots:
    void deck();
    void scoreTable_data();
    void scoreTable();
    void wholePlay_data();
    void wholePlay();
    void disabledCardsCannotBeTurned();
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
    QSet<QUuid> ids;
    for (const MemoryCard &c : deck) {
        QVERIFY(!c.isFaceUp && !c.matched);
        QCOMPARE(c.id.version(), QUuid::Random);
        ids.insert(c.id);
    }
    QCOMPARE(ids.size(), 12);
    QCOMPARE(pairsOf(deck).size(), 6);
    for (const QString &animal : MemoryCard::animals())
        QCOMPARE(std::count_if(deck.cbegin(), deck.cend(), [&](const MemoryCard &c) { return c.emoji == animal; }), 2);
    // A new deck shares no identifier; the seed replays a deck exactly.
    for (const MemoryCard &c : MemoryCard::makeDeck())
        QVERIFY(!ids.contains(c.id));
    Random::shared().seed(7);
    const QList<MemoryCard> again = MemoryCard::makeDeck();
    QCOMPARE(again, deck);
}

void TestMemoryMatch::scoreTable_data()
{
    QTest::addColumn<int>("turns");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    const QList<std::array<int, 3>> rows{{6, 100, 3}, {7, 95, 3}, {8, 90, 3}, {9, 85, 3}, {10, 80, 3}, {11, 75, 2},
                                         {12, 70, 2}, {13, 65, 2}, {14, 60, 2}, {20, 60, 2}, {0, 100, 3}};
    for (const auto &[turns, score, stars] : rows)
        QTest::addRow("%d turns", turns) << turns << score << stars;
}

void TestMemoryMatch::scoreTable()
{
    QFETCH(int, turns);
    QFETCH(int, score);
    QFETCH(int, stars);
    QCOMPARE(MemoryMatchGame::scoreFor(turns), score);
    QCOMPARE(MemoryMatchGame::starsFor(turns), stars);
}

void TestMemoryMatch::wholePlay_data()
{
    QTest::addColumn<int>("mismatches");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("stars");
    QTest::newRow("every turn a pair") << 0 << 100 << 3;
    QTest::newRow("four mismatches") << 4 << 80 << 3;
    QTest::newRow("five mismatches") << 5 << 75 << 2;
    QTest::newRow("fourteen mismatches") << 14 << 60 << 2;
}

// Mismatches first (a card of one pair with a card of the next), then every pair.
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
    QCOMPARE(game.pairCounter(), u"0/6 对"_s);
    QCOMPARE(game.turnCounter(), u"翻牌 0 次"_s);

    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    QSignalSpy shakes(&game, &MemoryMatchGame::wrongAttemptChanged);
    for (int m = 0; m < mismatches; ++m) {
        const QUuid a = pairs[m % 6].first;
        const QUuid b = pairs[(m + 1) % 6].second;
        game.flip(a);
        // The first card of a turn counts nothing.
        QCOMPARE(game.turns(), m);
        QVERIFY(card(game, a).isFaceUp);
        QCOMPARE(game.openIDs(), QList<QUuid>{a});
        game.flip(b);
        QCOMPARE(game.turns(), m + 1);
        QVERIFY(game.locked());
        QCOMPARE(game.wrongAttempt(), m + 1);
        // Nothing can be turned while the mismatch shows.
        game.flip(pairs[m % 6].second);
        QVERIFY(!card(game, pairs[m % 6].second).isFaceUp);
        world.clock.advance(MemoryMatchGame::turnBackMs - 1);
        QVERIFY(card(game, a).isFaceUp && card(game, b).isFaceUp);
        world.clock.advance(1);
        QVERIFY(!card(game, a).isFaceUp && !card(game, b).isFaceUp);
        QVERIFY(!game.locked());
        QVERIFY(game.openIDs().isEmpty());
    }
    QCOMPARE(shakes.count(), mismatches);

    for (int p = 0; p < 6; ++p) {
        game.flip(pairs[p].first);
        game.flip(pairs[p].second);
        // A pair stays up and unlocks at once.
        QVERIFY(card(game, pairs[p].first).matched && card(game, pairs[p].second).matched);
        QVERIFY(!game.locked());
        QCOMPARE(game.matchedCount(), p + 1);
        QCOMPARE(game.pairCounter(), QString::number(p + 1) + u"/6 对"_s);
    }
    QCOMPARE(game.turns(), mismatches + 6);
    QCOMPARE(game.turnCounter(), u"翻牌 "_s + QString::number(mismatches + 6) + u" 次"_s);
    QCOMPARE(game.wrongAttempt(), mismatches);
    world.clock.advance(MemoryMatchGame::reportMs - 1);
    QCOMPARE(log.count(), 0);
    world.clock.advance(1);
    QCOMPARE(log.only(), (ReportLog::Report{score, stars}));
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMemoryMatch::disabledCardsCannotBeTurned()
{
    GameTestWorld world;
    MemoryMatchGame game;
    ReportLog log;
    log.attach(game);
    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    // The open card again: no pair with itself, no turn.
    game.flip(pairs[0].first);
    game.flip(pairs[0].first);
    QCOMPARE(game.openIDs(), QList<QUuid>{pairs[0].first});
    QCOMPARE(game.turns(), 0);
    QVERIFY(!card(game, pairs[0].first).matched);
    // A card that is not in the deck.
    game.flip(QUuid::createUuid());
    game.flip(u"not an identifier"_s);
    QCOMPARE(game.openIDs().size(), 1);
    game.flip(pairs[0].second);
    QCOMPARE(game.matchedCount(), 1);
    // A matched card again: nothing.
    game.flip(pairs[0].first);
    game.flip(pairs[0].second);
    QVERIFY(game.openIDs().isEmpty());
    QCOMPARE(game.turns(), 1);
    // The whole deck still finishes.
    for (int p = 1; p < 6; ++p) {
        game.flip(pairs[p].first);
        game.flip(pairs[p].second);
    }
    world.clock.advance(MemoryMatchGame::reportMs);
    QCOMPARE(log.only(), (ReportLog::Report{100, 3}));
    // The view reads the same cards.
    const QVariantList shown = game.cardList();
    QCOMPARE(shown.size(), 12);
    QCOMPARE(shown[0].toMap()[u"id"_s].toString(), game.cards()[0].id.toString(QUuid::WithoutBraces));
    QVERIFY(shown[0].toMap()[u"matched"_s].toBool());
}

void TestMemoryMatch::reshuffle()
{
    GameTestWorld world;
    MemoryMatchGame game;
    QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    // With one card open.
    game.flip(pairs[0].first);
    game.flip(pairs[1].first);
    game.flip(pairs[1].second);
    QCOMPARE(game.turns(), 1); // a mismatch; the third card waits for the turn-back
    world.clock.advance(MemoryMatchGame::turnBackMs);
    game.flip(pairs[2].first);
    game.reshuffle();
    QVERIFY(game.openIDs().isEmpty());
    QCOMPARE(game.turns(), 0);
    QCOMPARE(game.turnCounter(), u"翻牌 0 次"_s);
    for (const MemoryCard &c : game.cards()) {
        QVERIFY(!c.isFaceUp && !c.matched);
        QVERIFY(c.id != pairs[2].first);
    }

    // During a mismatch: the new deck stays closed until the pending turn-back, which
    // finds neither old card, turns nothing and unlocks.
    pairs = pairsOf(game.cards());
    game.flip(pairs[0].first);
    game.flip(pairs[1].first);
    QVERIFY(game.locked());
    game.reshuffle();
    QVERIFY(game.locked());
    pairs = pairsOf(game.cards());
    game.flip(pairs[0].first);
    QVERIFY(!card(game, pairs[0].first).isFaceUp);
    world.clock.advance(MemoryMatchGame::turnBackMs);
    QVERIFY(!game.locked());
    QVERIFY(game.openIDs().isEmpty());
    QCOMPARE(game.wrongAttempt(), 2); // unchanged by the reshuffles
    for (const MemoryCard &c : game.cards())
        QVERIFY(!c.isFaceUp);
}

// Stars and score come from the same deck: twelve turns, then a new deck during the
// pause (turns back to 0) still report two stars.
void TestMemoryMatch::resultIsTakenAtTheLastPair()
{
    GameTestWorld world;
    MemoryMatchGame game;
    ReportLog log;
    log.attach(game);
    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game.cards());
    for (int m = 0; m < 6; ++m) {
        game.flip(pairs[m].first);
        game.flip(pairs[(m + 1) % 6].first);
        world.clock.advance(MemoryMatchGame::turnBackMs);
    }
    for (const auto &[a, b] : pairs) {
        game.flip(a);
        game.flip(b);
    }
    QCOMPARE(game.turns(), 12);
    world.clock.advance(300);
    game.reshuffle();
    world.clock.advance(350);
    QCOMPARE(log.only(), (ReportLog::Report{70, 2}));

    // The new deck can be played through; the play was reported already.
    const QList<QPair<QUuid, QUuid>> next = pairsOf(game.cards());
    for (const auto &[a, b] : next) {
        game.flip(a);
        game.flip(b);
    }
    world.clock.advance(5000);
    QCOMPARE(log.count(), 1);
}

void TestMemoryMatch::leavingThePage()
{
    GameTestWorld world;
    ReportLog log;
    {
        // Gone during a mismatch: the turn-back touches nothing.
        auto *game = new MemoryMatchGame;
        const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game->cards());
        game->flip(pairs[0].first);
        game->flip(pairs[1].first);
        delete game;
        world.clock.advance(MemoryMatchGame::turnBackMs);
    }
    auto *game = new MemoryMatchGame;
    log.attach(*game);
    const QList<QPair<QUuid, QUuid>> pairs = pairsOf(game->cards());
    game->flip(pairs[0].first);
    game->flip(pairs[1].first);
    world.clock.advance(MemoryMatchGame::turnBackMs);
    for (const auto &[a, b] : pairs) {
        game->flip(a);
        game->flip(b);
    }
    world.clock.advance(400);
    delete game;
    world.clock.advance(250);
    QCOMPARE(log.only(), (ReportLog::Report{95, 3}));
    world.clock.advance(1000);
    QCOMPARE(log.count(), 1);
}

QTEST_MAIN(TestMemoryMatch)
#include "tst_memory_match.moc"
