#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One pattern of the rotating blocks: its name, the six arrows to reach (0 up, 1 right,
// 2 down, 3 left; value i in row i / 3, column i % 3) and the six the board starts with.
struct RotatingBlocksPattern
{
    QString name;
    QList<int> target;
    QList<int> start;

    // The eight patterns, built once.
    static const QList<RotatingBlocksPattern> &all();
};

// "rotating-blocks": a target card of six arrows and six arrow blocks below it; a tap
// turns a block a quarter turn clockwise. A pattern counts as a first try when no block
// that already pointed the right way was turned.
class RotatingBlocksGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QStringList targetGlyphs READ targetGlyphs NOTIFY questionChanged)
    Q_PROPERTY(QStringList blockGlyphs READ blockGlyphs NOTIFY changed)
    // Whether each block points like the target's arrow at its place.
    Q_PROPERTY(QList<bool> matched READ matched NOTIFY changed)
public:
    explicit RotatingBlocksGame(QObject *parent = nullptr);

    static constexpr auto gameID = "rotating-blocks";
    static constexpr int pauseMs = 680;

    // The arrow drawn for an orientation (taken modulo 4).
    static QString glyph(int orientation);

    const RotatingBlocksPattern &current() const;
    // The board as drawn and turned: the board when it fits the pattern, else the
    // pattern's start.
    QList<int> orientations() const;

    QString name() const { return current().name; }
    QString counter() const { return fiveRoundCounter(QStringLiteral("关")); }
    QStringList targetGlyphs() const;
    QStringList blockGlyphs() const;
    QList<bool> matched() const;

    // A tap on block `index`; an index outside the pattern's blocks is ignored.
    Q_INVOKABLE void rotate(int index);

protected:
    int bankCount() const override { return int(RotatingBlocksPattern::all().size()); }
    void sessionChosen() override { resetBoard(); }
    void roundStarted() override { resetBoard(); }

private:
    void resetBoard();

    QList<int> m_board;
};
