#pragma once

#include "KeyedPlayback.h"
#include "RoundQuizGame.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One case: the question, the clue read aloud, the animal that did it among three, the
// emoji over each choice and why the answer is right.
struct DetectiveCase
{
    QString title;
    QString clue;
    QString answer;
    QStringList choices;
    QMap<QString, QString> icons;
    QString explanation;

    // The ten cases, built once.
    static const QList<DetectiveCase> &all();
};

// "little-detective": five cases a play; the clue is read, the child picks the animal.
class LittleDetectiveGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString title READ title NOTIFY questionChanged)
    Q_PROPERTY(QString clue READ clue NOTIFY questionChanged)
    Q_PROPERTY(QString explanation READ explanation NOTIFY questionChanged)
    Q_PROPERTY(QString answer READ answer NOTIFY questionChanged)
    Q_PROPERTY(QStringList choices READ choices NOTIFY questionChanged)
    Q_PROPERTY(QStringList icons READ icons NOTIFY questionChanged)
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    explicit LittleDetectiveGame(QObject *parent = nullptr);

    static constexpr auto gameID = "little-detective";
    static constexpr int pauseMs = 1050; // after a solved case
    static constexpr int clueDelayMs = 220; // from a case coming on screen to its clue read

    const DetectiveCase &current() const { return DetectiveCase::all().at(questionIndex()); }
    QString title() const { return current().title; }
    QString clue() const { return current().clue; }
    QString explanation() const { return current().explanation; }
    QString answer() const { return current().answer; }
    QStringList choices() const { return current().choices; }
    // The emoji over each choice, "❓" for a choice without one.
    QStringList icons() const;
    // "案件 n / 5".
    QString counter() const;
    QString selected() const { return m_selected; }
    // Per choice: Right (mint) for the answer once the case is solved, Picked (mango)
    // for the choice picked last, else Plain.
    QList<int> tileStates() const;

    // A pick of the choice with this text; ignored while the case is solved.
    Q_INVOKABLE void choose(const QString &choice);

protected:
    int bankCount() const override { return int(DetectiveCase::all().size()); }
    void sessionChosen() override { readClueSoon(); }
    void roundStarted() override;

private:
    // The clue of the case on screen is read a moment after it comes, keyed by the clue:
    // a newer case (or the page going) cancels a reading not yet started.
    void readClueSoon();

    QString m_selected;
    KeyedPlayback m_clueReading{this};
};
