#pragma once

#include "PronunciationCoach.h"
#include "RoundQuizGame.h"

#include <QList>
#include <QStringList>

// One word to spell: the English word, its picture and its Chinese meaning (the subtitle
// when not empty).
struct SpellingWord
{
    QString word;
    QString emoji;
    QString chinese;

    // One row for every word of the shared English vocabulary, in its order.
    static QList<SpellingWord> fromVocabulary();
};

// One letter tile. Every tile has its own id, so the tiles of a repeated letter are
// distinct.
struct LetterPiece
{
    int id = 0;
    QString character;

    friend bool operator==(const LetterPiece &, const LetterPiece &) = default;
};

// "word-builder": each round shows a word's picture, speaks the word and lays its
// letters out as shuffled tiles; the child taps them in order into the slots, and a full
// row is judged (a wrong row empties itself again after a short pause). Beside the
// spelling, the microphone button lets the child read the word to the pronunciation
// coach; a reading that holds the word is praised and counted in `voiceWins`, never in
// the score. Up to eight words a play.
class WordBuilderGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(PronunciationCoach *voice READ voice CONSTANT)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(int voiceWins READ voiceWins NOTIFY voiceWinsChanged)
    Q_PROPERTY(QString voiceCounter READ voiceCounter NOTIFY voiceWinsChanged)
    Q_PROPERTY(QString emoji READ emoji NOTIFY questionChanged)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY questionChanged)
    // One entry a slot of the word: the placed letter in upper case, or empty.
    Q_PROPERTY(QStringList slotLetters READ slotLetters NOTIFY boardChanged)
    // One entry a tile, in pool order: its letter in upper case.
    Q_PROPERTY(QStringList tileLetters READ tileLetters NOTIFY boardChanged)
    // One entry a tile: it stands in a slot (dimmed and disabled).
    Q_PROPERTY(QList<bool> tilePlaced READ tilePlaced NOTIFY boardChanged)
public:
    explicit WordBuilderGame(QObject *parent = nullptr);

    static constexpr auto gameID = "word-builder";
    static constexpr int wrongPauseMs = 550;

    const QList<SpellingWord> &words() const { return m_words; }
    const SpellingWord &current() const { return m_words.at(questionIndex()); }
    const QList<LetterPiece> &letterPool() const { return m_letterPool; }
    const QList<LetterPiece> &answer() const { return m_answer; }

    PronunciationCoach *voice() { return &m_voice; }
    int voiceWins() const { return m_voiceWins; }
    QString counter() const;
    QString voiceCounter() const;
    QString emoji() const { return current().emoji; }
    QString subtitle() const;
    QStringList slotLetters() const;
    QStringList tileLetters() const;
    QList<bool> tilePlaced() const;

    // The word's letters (user-perceived characters), in order.
    static QStringList letters(const QString &word);

    // A tap on the tile at this position of the pool.
    Q_INVOKABLE void select(int tile);
    // The back button: takes the last letter out of the slots.
    Q_INVOKABLE void back();
    // The listen button: says the word again.
    Q_INVOKABLE void listen() const;
    // The microphone button: stops a listening, or starts one for the word.
    Q_INVOKABLE void microphone();

signals:
    void boardChanged();
    void voiceWinsChanged();

protected:
    int bankCount() const override { return int(m_words.size()); }
    void sessionChosen() override { setUpRound(); }
    void roundStarted() override { setUpRound(); }

private:
    void setUpRound();
    void transcriptChanged();
    bool placed(const LetterPiece &piece) const;

    QList<SpellingWord> m_words;
    PronunciationCoach m_voice{this};
    QList<LetterPiece> m_letterPool;
    QList<LetterPiece> m_answer;
    int m_voiceWins = 0;
    int m_nextPieceId = 1;
};
