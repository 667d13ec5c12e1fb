#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QStringList>
#include <QVariantList>

// One puzzle of the sentence maker: a two-emoji picture, the spoken instruction, the
// words of the sentence in order and the word cards in display order (the same words,
// never starting with the sentence's first).
struct SentencePuzzle
{
    QString image;
    QString prompt;
    QStringList answer;
    QStringList choices;

    // The 23 hand-made puzzles.
    static const QList<SentencePuzzle> &all();
    // Ten subjects by ten actions, subject by subject: "<subject> <verb> <object>".
    static const QList<SentencePuzzle> &generated();
};

// "sentence-maker": tap the word cards in sentence order to fill the answer slots; a
// wrong word is refused with a hint, and the round is won when the last slot fills.
// Five puzzles.
class SentenceMakerGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString image READ image NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString speechID READ speechID NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    // One entry a card, in display order: {word, pinyin}.
    Q_PROPERTY(QVariantList cards READ cards NOTIFY questionChanged)
    Q_PROPERTY(QStringList selected READ selected NOTIFY boardChanged)
    // One entry a card: its word already stands in a slot.
    Q_PROPERTY(QList<bool> placed READ placed NOTIFY boardChanged)
    // One entry a slot of the sentence: {word, pinyin, filled}; an empty slot has no word.
    Q_PROPERTY(QVariantList answerSlots READ answerSlots NOTIFY boardChanged)
    Q_PROPERTY(bool canReset READ canReset NOTIFY boardChanged)
public:
    explicit SentenceMakerGame(QObject *parent = nullptr);

    static constexpr auto gameID = "sentence-maker";

    const QList<SentencePuzzle> &puzzles() const { return m_puzzles; }
    const SentencePuzzle &current() const { return m_puzzles.at(questionIndex()); }

    QString image() const { return current().image; }
    QString prompt() const { return current().prompt; }
    QString speechID() const;
    QString counter() const;
    QVariantList cards() const;
    QStringList selected() const { return m_selected; }
    QList<bool> placed() const;
    QVariantList answerSlots() const;
    bool canReset() const;

    // A tap on the word card at this position of the cards.
    Q_INVOKABLE void pick(int card);
    // Empties the slots; the round no longer counts as a first try.
    Q_INVOKABLE void reset();
    // Pronounces the word of a card; works at any time.
    Q_INVOKABLE void speakCard(int card) const;

signals:
    void boardChanged();

protected:
    int bankCount() const override { return int(m_puzzles.size()); }
    void roundStarted() override { m_selected.clear(); }

private:
    QList<SentencePuzzle> m_puzzles;
    QStringList m_selected;
};
