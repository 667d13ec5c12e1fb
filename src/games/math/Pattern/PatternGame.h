#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One row of the pattern game: the pictures left to right ending in "?", the picture
// that replaces the "?", the three pictures offered in display order, and an optional
// question shown instead of the usual one.
struct PatternPuzzle
{
    QStringList sequence;
    QString answer;
    QStringList choices;
    QString hint; // empty: the usual question

    // Generated puzzle i: a short motif of pictures from the pool, repeated (see the .cpp).
    static PatternPuzzle generate(int i);
    // The 500 generated puzzles, built once.
    static const QList<PatternPuzzle> &generated();
    // The 60 pictures the generator draws from.
    static const QStringList &pool();
};

// "pattern": a row of pictures that follows a rule ends in "?"; tap which of three
// pictures comes next. Five puzzles from the five hand-made starters and the 500
// generated ones.
class PatternGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList sequence READ sequence NOTIFY questionChanged)
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
public:
    explicit PatternGame(QObject *parent = nullptr);

    static constexpr auto gameID = "pattern";
    static constexpr int pauseMs = 650;

    // The five hand-made puzzles, first in the bank.
    static const QList<PatternPuzzle> &starterPuzzles();
    // The starters followed by the generated puzzles: 505 rows.
    static const QList<PatternPuzzle> &bank();

    const PatternPuzzle &puzzle() const;

    QStringList sequence() const { return puzzle().sequence; }
    QStringList choices() const { return puzzle().choices; }
    QString prompt() const;
    QString counter() const;

    // The tapped picture.
    Q_INVOKABLE void choose(const QString &choice);

    // Whether a picture is drawn as an emoji (not a digit or the "?").
    Q_INVOKABLE static bool isEmoji(const QString &picture);

protected:
    int bankCount() const override { return int(bank().size()); }
};
