#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// The feedback line under a game: one text, whether it looks good (praise) or like a
// hint, and the page shake. The shake counter only grows: the view shakes its page once
// for each increase (`WrongAnswerShake` keyed by the count) and the count is never reset
// during a play.
//
// A game either says how each text looks (`show(text, good)`), or names the marker words
// that make a text look good (`setGoodWords`), after which `show(text)` and the sound
// operations decide the look from the text alone:
//
//     FeedbackLine m_line{this};                            // a member of the game
//     m_line.setGoodWords({u"正好"_s, u"选两个"_s});
//     m_line.praise(u"正好凑成 10！"_s);   // text, good look, the success sound
//     m_line.hint(u"再试试"_s);            // text, hint look, one shake, the soft wrong sound
//
// The sounds are the shared feedback sounds; they stay silent when the sound setting is
// off. The round flow (RoundQuizGame) keeps its line here and forwards it as its
// `feedback`, `feedbackGood` and `wrongAttempt` properties; other games may do the same or
// hand the line itself to their view (`game.line.text`, `game.line.good`,
// `game.line.shakes`).
class FeedbackLine : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A game owns its feedback line")
    Q_PROPERTY(QString text READ text NOTIFY changed)
    Q_PROPERTY(bool good READ good NOTIFY changed)
    Q_PROPERTY(int shakes READ shakes NOTIFY shaken)
public:
    explicit FeedbackLine(QObject *owner = nullptr);

    QString text() const { return m_text; }
    bool good() const { return m_good; }
    int shakes() const { return m_shakes; }

    // The words whose presence makes a text look good (any one of them, as a substring).
    void setGoodWords(QStringList words);
    // True when `text` holds one of the good words.
    bool looksGood(const QString &text) const;

    // Shows a text with the look given, or decided by the good words. No sound.
    void show(const QString &text, bool good);
    void show(const QString &text) { show(text, looksGood(text)); }
    // Shows praise and plays the success sound (the look by the good words when the game
    // named them, else good).
    void praise(const QString &text);
    // Shows a hint, shakes the page once and plays the soft wrong sound (the look by the
    // good words when the game named them, else a hint).
    void hint(const QString &text);
    // One more shake, with no text and no sound.
    void shake();

signals:
    void changed();
    void shaken();

private:
    QString m_text;
    bool m_good = false;
    int m_shakes = 0;
    QStringList m_goodWords;
};
