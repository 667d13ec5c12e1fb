#pragma once

#include "RoundQuizGame.h"
#include "WordChoice.h"

#include <QVariantList>

// One wave of the word shooter: the word to shoot among six targets.
struct WordShotQuestion
{
    QString answer;
    QList<WordChoice> choices;

    static WordShotQuestion question(const QString &answer, const QList<WordChoice> &choices);
    // The ten hand-made rows; the right target is always the first.
    static const QList<WordShotQuestion> &featured();
    // One row per vocabulary word (offsets 0, 53, 191, 347, 613, 809, rotated by the
    // word's position).
    static QList<WordShotQuestion> generate(const QList<BasicEnglishWord> &words);
    // The featured rows, then the rows of the shared vocabulary; built on each call: a
    // game keeps its own while it is open, and the bank goes with it.
    static QList<WordShotQuestion> all();
};

// "word-shooter": hear "Shoot the …" and shoot that target among six. Five waves.
class WordShooterGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // One entry a target: {word, label, emoji}.
    Q_PROPERTY(QVariantList tiles READ tiles NOTIFY questionChanged)
    // One TileState a target: right (the answer, once found), picked (the last one shot)
    // or plain.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
    // One entry a target: whether it carries the word of the last shot (outlined).
    Q_PROPERTY(QList<bool> marks READ marks NOTIFY changed)
public:
    explicit WordShooterGame(QObject *parent = nullptr);

    static constexpr auto gameID = "word-shooter";
    static constexpr int promptDelayMs = 180; // after the pick
    static constexpr int nextPromptDelayMs = 150; // after each advance

    void setQuestions(QList<WordShotQuestion> questions);
    const WordShotQuestion &current() const { return m_questions.at(questionIndex()); }

    QString counter() const;
    QString selected() const { return picked(); }
    QVariantList tiles() const;
    QList<int> tileStates() const;
    QList<bool> marks() const;

    QString spokenTarget() const;
    Q_INVOKABLE void speakTarget() const;
    Q_INVOKABLE void shoot(int tile);

protected:
    int bankCount() const override { return int(m_questions.size()); }
    void sessionChosen() override;
    void roundStarted() override;

private:
    void speakTargetAfter(int ms);

    QList<WordShotQuestion> m_questions;
};
