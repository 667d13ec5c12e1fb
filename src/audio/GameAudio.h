#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The sound operations of the games: feedback tones with a spoken word, question
// read-outs and short melodies. Each returns at once; the sound starts right after
// the caller's current work.
class GameAudio
{
public:
    // The setting "pipwhistle.soundEnabled.v1", read afresh each time; on when absent.
    static bool feedbackSoundEnabled();

    static void correct();
    static void wrong();
    static void tap();
    // Reads `text` behind a short lead-in in `language`; not silenced by the setting.
    static void readQuestion(const QString &text, const QString &language);
    // Plays the frequencies (hertz) as a melody of 0.18 s notes.
    static void playInstrument(const QList<double> &frequencies);

    // The lead-in of a question read in `language`.
    static QString leadIn(const QString &language);

    static constexpr auto soundSettingKey = "pipwhistle.soundEnabled.v1";
};

// GameAudio for the QML views.
class GameAudioSingleton : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(GameAudio)
    QML_SINGLETON
    Q_PROPERTY(bool feedbackSoundEnabled READ feedbackSoundEnabled NOTIFY feedbackSoundEnabledChanged FINAL)
public:
    explicit GameAudioSingleton(QObject *parent = nullptr);

    bool feedbackSoundEnabled() const { return GameAudio::feedbackSoundEnabled(); }

    Q_INVOKABLE void correct() { GameAudio::correct(); }
    Q_INVOKABLE void wrong() { GameAudio::wrong(); }
    Q_INVOKABLE void tap() { GameAudio::tap(); }
    Q_INVOKABLE void readQuestion(const QString &text, const QString &language) { GameAudio::readQuestion(text, language); }
    Q_INVOKABLE void playInstrument(const QList<double> &frequencies) { GameAudio::playInstrument(frequencies); }

signals:
    // The setting is read afresh at every use; nothing in the program changes it.
    void feedbackSoundEnabledChanged();
};
