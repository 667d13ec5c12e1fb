#pragma once

#include "KeyedPlayback.h"
#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One round of the what's-missing game: the five friends of the row in display order,
// the index of the one that hides, and the three friends offered as answers.
struct MissingRound
{
    QStringList items;
    int missing = 0;
    QStringList choices;

    // The friend that hides (the right answer).
    QString answer() const { return items.value(missing); }

    // The four rounds, in play order.
    static const QList<MissingRound> &all();
};

// "whats-missing": a row of five friends is on show for two seconds, then one hides
// behind a question mark; pick which friend went away. A play is always the four rounds
// in their fixed order.
//
// Each round opens with its remember phase, a wait tied to the page: it starts when the
// page appears and again with every new round, and it is dropped with the page. The
// pause after a right answer is the round flow's own.
class WhatsMissingGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString answer READ answer NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(bool showingAll READ showingAll NOTIFY changed)
    // What each cell of the row shows: the friend, or "❓" for the one that hid.
    Q_PROPERTY(QStringList cells READ cells NOTIFY changed)
    // The cell drawn as the hiding place (-1 while the whole row is on show).
    Q_PROPERTY(int hiddenCell READ hiddenCell NOTIFY changed)
    Q_PROPERTY(QString prompt READ prompt NOTIFY changed)
    Q_PROPERTY(QString spokenQuestion READ spokenQuestion NOTIFY changed)
public:
    explicit WhatsMissingGame(QObject *parent = nullptr);

    static constexpr auto gameID = "whats-missing";
    static constexpr int pauseMs = 600;
    static constexpr int rememberMs = 2000;

    // The round on screen (the last one once the index runs past the rounds).
    const MissingRound &current() const;

    QStringList choices() const { return current().choices; }
    QString answer() const { return current().answer(); }
    QString counter() const { return sessionProgress(); }
    bool showingAll() const { return m_showingAll; }
    QStringList cells() const;
    int hiddenCell() const { return m_showingAll ? -1 : current().missing; }
    QString prompt() const;
    QString spokenQuestion() const;

    // The page came on screen: starts the round's remember phase.
    Q_INVOKABLE void appear() override;
    // The tapped friend.
    Q_INVOKABLE void choose(const QString &friendEmoji);

protected:
    int bankCount() const override { return int(MissingRound::all().size()); }
    void roundStarted() override { startRememberPhase(); }

private:
    void startRememberPhase();
    void hideOne();

    bool m_showingAll = true;
    // The remember phase of the round on screen, keyed by the round.
    KeyedPlayback m_remember{this};
};
