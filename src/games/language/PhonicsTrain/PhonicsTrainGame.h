#pragma once

#include "SingleChoiceGame.h"

#include <QList>
#include <QStringList>

struct BasicEnglishWord;

// One question of the phonics train: a word with its picture and gloss, and three
// lower-case letters in display order, its first letter among them.
struct PhonicsTrainQuestion
{
    QString word;
    QString picture;
    QString chinese;
    QString answer;
    QStringList choices;

    // The 24 hand-made rows; their letters stand in alphabetical order.
    static const QList<PhonicsTrainQuestion> &all();
    // One row per vocabulary word that starts with a Latin letter a to z (either case):
    // that letter, then the letters 7 and 15 places further round the alphabet.
    static QList<PhonicsTrainQuestion> generate(const QList<BasicEnglishWord> &words);
    // The rows of the shared vocabulary, built on each call: a game keeps its own while
    // it is open, and the rows go with it.
    static QList<PhonicsTrainQuestion> generated();
};

// "phonics-train": a word rides the train car; tap the letter of its first sound.
// Five questions from the hand-made rows and the vocabulary's.
class PhonicsTrainGame : public SingleChoiceGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString picture READ picture NOTIFY questionChanged)
    Q_PROPERTY(QString gloss READ gloss NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    // The tiles' labels: the letters in upper case.
    Q_PROPERTY(QStringList labels READ labels NOTIFY questionChanged)
public:
    explicit PhonicsTrainGame(QObject *parent = nullptr);

    static constexpr auto gameID = "phonics-train";

    void setQuestions(QList<PhonicsTrainQuestion> questions);
    const QList<PhonicsTrainQuestion> &questions() const { return m_questions; }
    const PhonicsTrainQuestion &current() const { return m_questions.at(questionIndex()); }

    QString picture() const { return current().picture; }
    // The gloss under the picture; "英文单词" for a word without one.
    QString gloss() const;
    QString prompt() const;
    QString counter() const;
    QStringList labels() const;

    QStringList choices() const override { return current().choices; }
    QString answer() const override { return current().answer; }

protected:
    int bankCount() const override { return int(m_questions.size()); }
    QString hint() const override;
    QString praise(const QString &letter) const override;

private:
    QList<PhonicsTrainQuestion> m_questions;
};
