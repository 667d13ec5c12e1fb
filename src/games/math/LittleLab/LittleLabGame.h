#pragma once

#include "RoundQuizGame.h"

#include <QList>
#include <QString>
#include <QStringList>

// One experiment of the little laboratory: its name, a scene of two or three emoji, the
// question, the right answer and three choices (the right one stored first), and the one
// sentence that explains it.
struct LabQuestion
{
    QString title;
    QString scene;
    QString prompt;
    QString answer;
    QStringList choices;
    QString explanation;

    // The eight experiments, built once.
    static const QList<LabQuestion> &all();
};

// "little-lab": a small experiment as a big emoji scene, the question what happens next,
// and three answers. A right answer shows the science behind it before the next round.
class LittleLabGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title NOTIFY questionChanged)
    Q_PROPERTY(QString scene READ scene NOTIFY questionChanged)
    Q_PROPERTY(QString prompt READ prompt NOTIFY questionChanged)
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QString explanation READ explanation NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // One TileState a choice, in the order of `choices`.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    explicit LittleLabGame(QObject *parent = nullptr);

    static constexpr auto gameID = "little-lab";
    static constexpr int pauseMs = 950;

    const LabQuestion &current() const;

    QString title() const { return current().title; }
    QString scene() const { return current().scene; }
    QString prompt() const { return current().prompt; }
    QStringList choices() const { return current().choices; }
    QString explanation() const { return current().explanation; }
    QString counter() const;
    QString selected() const { return picked(); }
    // Right once the choice is the answer of a finished round, picked when it was tapped
    // last, else plain.
    QList<int> tileStates() const { return choiceStates(current().choices, current().answer); }

    // The tapped choice.
    Q_INVOKABLE void choose(const QString &choice);

protected:
    int bankCount() const override { return int(LabQuestion::all().size()); }
};
