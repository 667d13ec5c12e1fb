#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>

// The four direction buttons, in this order.
namespace SimonDirection {
Q_NAMESPACE
QML_ELEMENT
enum Direction { Left, Right, Up, Down };
Q_ENUM_NS(Direction)

// The arrow's system symbol ("arrow.left") and the one-character name ("左").
QString symbol(int direction);
QString name(int direction);
} // namespace SimonDirection

// One command: the English words spoken and shown, their Chinese gloss and the one
// right button.
struct SimonCommand
{
    QString english;
    QString chinese;
    SimonDirection::Direction answer;

    // The six commands, played in this order every play.
    static const QList<SimonCommand> &all();
};

// "simon-directions": Simon's command is read aloud in English; the child presses the
// arrow it names. Six rounds, always in table order.
class SimonDirectionsGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString english READ english NOTIFY questionChanged)
    Q_PROPERTY(QString chinese READ chinese NOTIFY questionChanged)
    Q_PROPERTY(QString progress READ progress NOTIFY questionChanged)
    Q_PROPERTY(int activeDirection READ activeDirection NOTIFY activeDirectionChanged)
public:
    explicit SimonDirectionsGame(QObject *parent = nullptr);

    static constexpr auto gameID = "simon-directions";
    static constexpr int pauseMs = 650; // after a right press
    static constexpr int clearMs = 450; // a wrong press stays lit this long

    const SimonCommand &current() const { return SimonCommand::all().at(questionIndex()); }
    QString english() const { return current().english; }
    QString chinese() const { return current().chinese; }
    // "1 / 6" … "6 / 6".
    QString progress() const;
    // The lit button, -1 for none.
    int activeDirection() const { return m_activeDirection; }

    // A button's arrow symbol and name.
    Q_INVOKABLE static QString directionSymbol(int direction) { return SimonDirection::symbol(direction); }
    Q_INVOKABLE static QString directionName(int direction) { return SimonDirection::name(direction); }

    // The game screen is shown: the command is read (again).
    Q_INVOKABLE void appear() override;
    // Reads the current command aloud in English (the replay button, any time).
    Q_INVOKABLE void speak();
    // A press of a direction button; ignored while the round is solved and after the play.
    Q_INVOKABLE void choose(int direction);

signals:
    void activeDirectionChanged();

protected:
    int bankCount() const override { return int(SimonCommand::all().size()); }
    void roundStarted() override;

private:
    void setActiveDirection(int direction);

    int m_activeDirection = -1;
};
