#pragma once

#include "RoundQuizGame.h"

#include <QColor>
#include <QStringList>

// A round game answered by one tap on one of a few text tiles (letters, words): the tile
// tapped last is remembered as `selected` until the next question, and each tile is
// filled mint when it holds the answer of a finished round, mango when it was tapped
// last, else white.
class SingleChoiceGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("SingleChoiceGame is the common part of the one-tap text games")
    // The tiles' texts as the answer test sees them, in display order.
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString answer READ answer NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // One fill a tile, in the order of `choices`.
    Q_PROPERTY(QList<QColor> tileColors READ tileColors NOTIFY changed)
public:
    using RoundQuizGame::RoundQuizGame;

    QString selected() const { return m_selected; }
    QList<QColor> tileColors() const;

    // The fill of the tile showing `choice`.
    QColor choiceColor(const QString &choice) const;

    // A tap on the tile at this position of `choices`.
    Q_INVOKABLE void choose(int tile);

    virtual QStringList choices() const = 0;
    virtual QString answer() const = 0;

protected:
    virtual QString hint() const = 0;
    virtual QString praise(const QString &choice) const = 0;

    void roundStarted() override { m_selected = QString(); }

private:
    QString m_selected;
};
