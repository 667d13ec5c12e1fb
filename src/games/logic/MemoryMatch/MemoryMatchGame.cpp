#include "MemoryMatchGame.h"

#include "Clock.h"
#include "GameAudio.h"
#include "Random.h"

#include <QVariantMap>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A version-4 identifier from the program's random source, so a seeded test replays a
// deck exactly.
QUuid randomUuid()
{
    Random &random = Random::shared();
    uchar bytes[16];
    for (uchar &b : bytes)
        b = uchar(random.below(256));
    bytes[6] = uchar((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = uchar((bytes[8] & 0x3F) | 0x80); // variant 1
    return QUuid::fromRfc4122(QByteArrayView(bytes, 16));
}

} // namespace

const QStringList &MemoryCard::animals()
{
    static const QStringList list{u"🦊"_s, u"🐼"_s, u"🐸"_s, u"🐳"_s, u"🦁"_s, u"🐰"_s};
    return list;
}

QList<MemoryCard> MemoryCard::makeDeck()
{
    QList<MemoryCard> deck;
    deck.reserve(12);
    for (int copy = 0; copy < 2; ++copy) {
        for (const QString &emoji : animals())
            deck.append({randomUuid(), emoji, false, false});
    }
    Random::shared().shuffle(deck);
    return deck;
}

MemoryMatchGame::MemoryMatchGame(QObject *parent)
    : GameBase(parent)
    , m_cards(MemoryCard::makeDeck())
{
    connect(&line(), &FeedbackLine::shaken, this, &MemoryMatchGame::wrongAttemptChanged);
}

qint64 MemoryMatchGame::scoreFor(int turns)
{
    return std::max<qint64>(60, 100 - 5 * std::max(turns - 6, 0));
}

qint64 MemoryMatchGame::starsFor(int turns)
{
    return turns < 11 ? 3 : 2;
}

QVariantList MemoryMatchGame::cardList() const
{
    QVariantList list;
    list.reserve(m_cards.size());
    for (const MemoryCard &card : m_cards) {
        list.append(QVariantMap{{u"id"_s, card.id.toString(QUuid::WithoutBraces)},
                                {u"emoji"_s, card.emoji},
                                {u"faceUp"_s, card.isFaceUp},
                                {u"matched"_s, card.matched}});
    }
    return list;
}

int MemoryMatchGame::matchedCount() const
{
    return int(std::count_if(m_cards.cbegin(), m_cards.cend(), [](const MemoryCard &c) { return c.matched; })) / 2;
}

QString MemoryMatchGame::pairCounter() const
{
    return QString::number(matchedCount()) + u"/6 对"_s;
}

QString MemoryMatchGame::turnCounter() const
{
    return u"翻牌 "_s + QString::number(m_turns) + u" 次"_s;
}

void MemoryMatchGame::appear()
{
    GameAudio::readQuestion(u"一次翻两张牌，帮每只动物找到一样的朋友"_s, u"zh-CN"_s);
}

qsizetype MemoryMatchGame::indexOf(const QUuid &id) const
{
    for (qsizetype i = 0; i < m_cards.size(); ++i) {
        if (m_cards[i].id == id)
            return i;
    }
    return -1;
}

void MemoryMatchGame::flip(const QUuid &id)
{
    if (m_locked)
        return;
    const qsizetype at = indexOf(id);
    // A card that is up (the open card of this turn) or matched has a disabled button:
    // turning it again would pair a card with itself.
    if (at < 0 || m_cards[at].isFaceUp || m_cards[at].matched)
        return;
    m_cards[at].isFaceUp = true;
    m_openIDs.append(id);
    if (m_openIDs.size() != 2) {
        emit cardsChanged();
        return;
    }

    ++m_turns;
    m_locked = true;
    MemoryCard &first = m_cards[indexOf(m_openIDs[0])];
    MemoryCard &second = m_cards[indexOf(m_openIDs[1])];
    if (first.emoji == second.emoji) {
        first.matched = true;
        second.matched = true;
        m_openIDs.clear();
        m_locked = false;
        emit cardsChanged();
        GameAudio::correct();
        const bool allFound = std::all_of(m_cards.cbegin(), m_cards.cend(), [](const MemoryCard &c) { return c.matched; });
        if (allFound && !m_finished) {
            // Score and stars are both taken from the turns of this deck, now: a new deck
            // laid out during the pause does not change the result.
            m_finished = true;
            completeAfter(reportMs, scoreFor(m_turns), starsFor(m_turns));
        }
        return;
    }

    emit cardsChanged();
    line().shake(); // no feedback line in this game: only the shake and the sound
    GameAudio::wrong();
    Clock::current().after(turnBackMs, this, [this] { turnBack(); });
}

void MemoryMatchGame::turnBack()
{
    // The cards of the turn may have gone with a new deck: then nothing is turned.
    if (!m_openIDs.isEmpty()) {
        const qsizetype first = indexOf(m_openIDs.first());
        const qsizetype last = indexOf(m_openIDs.last());
        if (first >= 0 && last >= 0) {
            m_cards[first].isFaceUp = false;
            m_cards[last].isFaceUp = false;
        }
    }
    m_openIDs.clear();
    m_locked = false;
    emit cardsChanged();
}

void MemoryMatchGame::reshuffle()
{
    m_cards = MemoryCard::makeDeck();
    m_openIDs.clear();
    m_turns = 0;
    emit cardsChanged();
}
