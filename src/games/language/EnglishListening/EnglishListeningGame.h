#pragma once

#include "RoundQuizGame.h"
#include "WordChoice.h"

#include <QVariantList>

// One question of the English listening game: the word to find among four tiles.
struct ListeningQuestion
{
    QString word;
    QList<WordChoice> choices;

    // One row per vocabulary word (offsets 0, 5, 11, 17, rotated by the word's position).
    static QList<ListeningQuestion> generate(const QList<BasicEnglishWord> &words);
    // The bank over the shared vocabulary, built on each call: a game keeps its own while
    // it is open, and the bank goes with it.
    static QList<ListeningQuestion> all();
};

// "english-listen": hear "Find the …" and tap that word's tile among four. Eight rounds.
class EnglishListeningGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    // One entry a session round: "done", "current" or "ahead".
    Q_PROPERTY(QStringList progress READ progress NOTIFY questionChanged)
    // One entry a tile: {word, label, emoji}.
    Q_PROPERTY(QVariantList tiles READ tiles NOTIFY questionChanged)
public:
    explicit EnglishListeningGame(QObject *parent = nullptr);

    static constexpr auto gameID = "english-listen";

    // Replaces the bank before the page appears (tests).
    void setQuestions(QList<ListeningQuestion> questions);
    const ListeningQuestion &current() const { return m_questions.at(questionIndex()); }

    QString counter() const;
    QStringList progress() const;
    QVariantList tiles() const;

    QString spokenQuestion() const;
    Q_INVOKABLE void speakQuestion() const;
    Q_INVOKABLE void choose(int tile);

protected:
    int bankCount() const override { return int(m_questions.size()); }
    void sessionChosen() override { speakQuestion(); }
    void roundStarted() override { speakQuestion(); }

private:
    QList<ListeningQuestion> m_questions;
};
