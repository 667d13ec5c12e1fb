#pragma once

#include "SingleChoiceGame.h"

#include <QList>
#include <QStringList>

class Vocabulary;

// One question of the picture words: an emoji picture and the word it stands for, with
// three words in display order, the answer among them.
struct PictureWordQuestion
{
    QString image;
    QString answer;
    QStringList choices;

    // The 24 hand-made rows.
    static const QList<PictureWordQuestion> &all();
    // One row per character of the vocabulary: its emoji, the character, and its four
    // answer candidates less the last that is not the answer.
    static QList<PictureWordQuestion> generate(const Vocabulary &vocabulary);
    // The rows of the shared vocabulary, built on each call: a game keeps its own while
    // it is open, and the rows go with it.
    static QList<PictureWordQuestion> generated();
};

// "idiom-pictures": a large picture; tap the word it stands for among three. Five
// questions.
class PictureWordGame : public SingleChoiceGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString image READ image NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt CONSTANT)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
public:
    explicit PictureWordGame(QObject *parent = nullptr);

    static constexpr auto gameID = "idiom-pictures";

    void setQuestions(QList<PictureWordQuestion> questions);
    const QList<PictureWordQuestion> &questions() const { return m_questions; }
    const PictureWordQuestion &current() const { return m_questions.at(questionIndex()); }

    QString image() const { return current().image; }
    QString prompt() const;
    QString counter() const;

    QStringList choices() const override { return current().choices; }
    QString answer() const override { return current().answer; }

protected:
    int bankCount() const override { return int(m_questions.size()); }
    QString hint() const override;
    QString praise(const QString &word) const override;

private:
    QList<PictureWordQuestion> m_questions;
};
