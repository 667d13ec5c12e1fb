#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One step of a picture story: its key within the story, its picture and its caption.
struct StoryStep
{
    QString id;
    QString icon;
    QString caption;
};

// One picture story: its title, the spoken question, its three steps in the order of
// events, and the step keys in the order the cards are shown.
struct StoryPuzzle
{
    QString title;
    QString prompt;
    QList<StoryStep> steps;
    QStringList choices;

    // The step with this key; the first step for a key the story does not have.
    const StoryStep &step(const QString &id) const;

    // The eight stories, built once.
    static const QList<StoryPuzzle> &all();
};

// "jigsaw": a short picture story of three steps, its cards shown mixed up; tap the cards
// in the order the events happen. A story counts as a first try without a wrong tap.
class StoryPuzzleGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    // The cards, in the order shown.
    Q_PROPERTY(QStringList cardIcons READ cardIcons NOTIFY questionChanged)
    Q_PROPERTY(QStringList cardCaptions READ cardCaptions NOTIFY questionChanged)
    // Whether each card has been placed.
    Q_PROPERTY(QList<bool> cardPlaced READ cardPlaced NOTIFY changed)
    // The place of the card tapped last, -1 for none.
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY changed)
    // The answer row: each slot's picture and caption ("?" and "第 n 格" while empty).
    Q_PROPERTY(QStringList slotIcons READ slotIcons NOTIFY changed)
    Q_PROPERTY(QStringList slotCaptions READ slotCaptions NOTIFY changed)
    Q_PROPERTY(int placedCount READ placedCount NOTIFY changed)
public:
    explicit StoryPuzzleGame(QObject *parent = nullptr);

    static constexpr auto gameID = "jigsaw";
    static constexpr int pauseMs = 760;

    const StoryPuzzle &current() const;

    QString title() const { return current().title; }
    QString prompt() const { return current().prompt; }
    QString counter() const { return fiveRoundCounter(QStringLiteral("图")); }
    QStringList cardIcons() const;
    QStringList cardCaptions() const;
    QList<bool> cardPlaced() const;
    int selectedIndex() const { return int(current().choices.indexOf(m_selected)); }
    QStringList slotIcons() const;
    QStringList slotCaptions() const;
    int placedCount() const { return int(m_picked.size()); }
    const QStringList &picked() const { return m_picked; }
    QString selected() const { return m_selected; }

    // The tapped card, by its step key.
    void pick(const QString &id);
    // The tapped card, by its place in the row.
    Q_INVOKABLE void pickCard(int index);

protected:
    int bankCount() const override { return int(StoryPuzzle::all().size()); }
    void roundStarted() override;

private:
    QStringList m_picked;
    QString m_selected;
};
