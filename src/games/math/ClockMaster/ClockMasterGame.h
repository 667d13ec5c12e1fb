#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One clock of the clock game: the time the face shows, the right written time and the
// three times offered (the right one in the middle).
struct ClockQuestion
{
    int hour = 12;
    int minute = 0;
    QString answer;
    QStringList choices;

    static const QList<ClockQuestion> &all();
};

// "clock-master": read the analogue clock and tap the time it shows among three.
class ClockMasterGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int hour READ hour NOTIFY questionChanged)
    Q_PROPERTY(int minute READ minute NOTIFY questionChanged)
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // One TileState a choice: right (the answer, once answered), picked (tapped last) or
    // plain.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    explicit ClockMasterGame(QObject *parent = nullptr);

    static constexpr auto gameID = "clock-master";

    const ClockQuestion &current() const;

    int hour() const { return current().hour; }
    int minute() const { return current().minute; }
    QStringList choices() const { return current().choices; }
    QString counter() const;
    QString prompt() const;
    QString selected() const { return picked(); }
    QList<int> tileStates() const { return choiceStates(current().choices, current().answer); }

    // The tapped time.
    Q_INVOKABLE void choose(const QString &choice);

protected:
    int bankCount() const override { return int(ClockQuestion::all().size()); }
};
