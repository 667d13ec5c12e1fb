#pragma once

#include "RoundQuizGame.h"
#include "TileState.h"

#include <QList>
#include <QString>
#include <QStringList>

// One answer choice of the animal sounds: the animal's picture and its Chinese name.
struct SoundAnimal
{
    QString emoji;
    QString name;
};

// One question: the name of the animal that makes the sound, the English sound words
// (spoken, never shown), a Chinese fact about the animal and the three animals offered.
struct AnimalSoundQuestion
{
    QString answer;
    QString sound;
    QString fact;
    QList<SoundAnimal> choices;

    // The ten questions, built once.
    static const QList<AnimalSoundQuestion> &all();
};

// "animal-sounds": an animal sound is spoken in English; pick the animal that makes it
// from three. A right pick shows a fact about the animal, and the next sound is spoken
// by itself. The sounds are speech, not feedback sounds: the sound switch leaves them on.
class AnimalSoundsGame : public RoundQuizGame
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString counter READ counter NOTIFY questionChanged)
    Q_PROPERTY(QStringList emojis READ emojis NOTIFY questionChanged)
    Q_PROPERTY(QStringList names READ names NOTIFY questionChanged)
    Q_PROPERTY(QString fact READ fact NOTIFY questionChanged)
    Q_PROPERTY(QString answer READ answer NOTIFY questionChanged)
    Q_PROPERTY(QString selected READ selected NOTIFY changed)
    // Each tile's look: right for the answer once found, picked for the last wrong pick.
    Q_PROPERTY(QList<int> tileStates READ tileStates NOTIFY changed)
public:
    explicit AnimalSoundsGame(QObject *parent = nullptr);

    static constexpr auto gameID = "animal-sounds";
    static constexpr int pauseMs = 1150;
    static constexpr int firstSoundMs = 220;
    static constexpr int nextSoundMs = 180;
    static constexpr float soundRate = 0.32f;

    const AnimalSoundQuestion &current() const;

    QString counter() const { return fiveRoundCounter(QStringLiteral("声")); }
    QStringList emojis() const;
    QStringList names() const;
    QString fact() const { return current().fact; }
    QString answer() const { return current().answer; }
    QString selected() const { return picked(); }
    QList<int> tileStates() const;

    // The speaker button: says the current sound again.
    Q_INVOKABLE void speakSound();
    // The tapped animal, by its place in the row.
    Q_INVOKABLE void choose(int index);

protected:
    int bankCount() const override { return int(AnimalSoundQuestion::all().size()); }
    void sessionChosen() override;
    void roundStarted() override;
};
