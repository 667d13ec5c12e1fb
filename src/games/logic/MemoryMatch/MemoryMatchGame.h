#pragma once

#include "GameBase.h"

#include <QList>
#include <QString>
#include <QUuid>
#include <QVariantList>

// One card of the memory deck. The grid keys its cells by `id`; the open cards of a turn
// are remembered by it.
struct MemoryCard
{
    QUuid id;
    QString emoji;
    bool isFaceUp = false;
    bool matched = false;

    friend bool operator==(const MemoryCard &, const MemoryCard &) = default;

    // The six animals, each twice, face down, each card with its own identifier, in a
    // random order.
    static QList<MemoryCard> makeDeck();
    // The six animals of a deck, in the order they are laid out before the shuffle.
    static const QStringList &animals();
};

// "memory-match": twelve face-down cards, six pairs of animals, in three columns. Two
// cards are turned up a turn; a pair stays up, two different cards turn back after a
// moment. The play is scored from the turns it took once every pair is found.
class MemoryMatchGame : public GameBase
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList cards READ cardList NOTIFY cardsChanged)
    Q_PROPERTY(int turns READ turns NOTIFY cardsChanged)
    Q_PROPERTY(int matchedCount READ matchedCount NOTIFY cardsChanged)
    Q_PROPERTY(QString pairCounter READ pairCounter NOTIFY cardsChanged)
    Q_PROPERTY(QString turnCounter READ turnCounter NOTIFY cardsChanged)
    Q_PROPERTY(bool locked READ locked NOTIFY cardsChanged)
    Q_PROPERTY(int wrongAttempt READ wrongAttempt NOTIFY wrongAttemptChanged)
public:
    explicit MemoryMatchGame(QObject *parent = nullptr);

    static constexpr auto gameID = "memory-match";
    static constexpr int turnBackMs = 850; // a mismatched pair stays up this long
    static constexpr int reportMs = 650;   // from the last pair to the report

    // The score of a deck finished in `turns` turns: six turns (the least) score 100,
    // every further turn costs five points, never below 60.
    static qint64 scoreFor(int turns);
    // Three stars below eleven turns, else two: the game never gives one star.
    static qint64 starsFor(int turns);

    const QList<MemoryCard> &cards() const { return m_cards; }
    QVariantList cardList() const;
    const QList<QUuid> &openIDs() const { return m_openIDs; }
    int turns() const { return m_turns; }
    int matchedCount() const;
    QString pairCounter() const;
    QString turnCounter() const;
    bool locked() const { return m_locked; }
    int wrongAttempt() const { return line().shakes(); }

    // The page came on screen: the instruction is read (again) each time.
    Q_INVOKABLE void appear() override;
    // Turns up the card with this identifier. A card that is up, matched or not in the
    // deck, and any card while a mismatch is shown, cannot be turned: such a call does
    // nothing, as the card's disabled button would.
    Q_INVOKABLE void flip(const QString &id) { flip(QUuid::fromString(id)); }
    void flip(const QUuid &id);
    // Lays out a new deck: new cards, all face down, no open card, no turns. A pending
    // turn-back or report goes on.
    Q_INVOKABLE void reshuffle();

signals:
    void cardsChanged();
    void wrongAttemptChanged();

private:
    qsizetype indexOf(const QUuid &id) const;
    void turnBack();

    QList<MemoryCard> m_cards;
    QList<QUuid> m_openIDs;
    int m_turns = 0;
    bool m_locked = false;
    bool m_finished = false;
};
