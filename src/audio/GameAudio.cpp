#include "GameAudio.h"

#include "SettingsStore.h"
#include "SpeechService.h"
#include "TonePlayer.h"

namespace {

// Runs the feedback on the main thread right after the caller's current work.
template<typename Feedback>
void soon(Feedback feedback)
{
    QMetaObject::invokeMethod(&TonePlayer::shared(), std::move(feedback), Qt::QueuedConnection);
}

void toneAndWord(double frequency, double duration, const QString &word)
{
    if (!GameAudio::feedbackSoundEnabled())
        return;
    soon([frequency, duration, word] {
        TonePlayer::shared().play(frequency, duration);
        if (!word.isEmpty())
            SpeechService::shared().speak(word, QStringLiteral("en-US"), 0.42f);
    });
}

} // namespace

bool GameAudio::feedbackSoundEnabled()
{
    const SettingsStore &settings = SettingsStore::standard();
    const QString key = QLatin1String(soundSettingKey);
    return !settings.contains(key) || settings.boolean(key);
}

void GameAudio::correct()
{
    toneAndWord(880, 0.2, QStringLiteral("Wonderful!"));
}

void GameAudio::wrong()
{
    toneAndWord(220, 0.16, QStringLiteral("Oops!"));
}

void GameAudio::tap()
{
    toneAndWord(620, 0.07, QString());
}

QString GameAudio::leadIn(const QString &language)
{
    return language.toLower().startsWith(QLatin1String("en")) ? QStringLiteral("Listen carefully. ")
                                                                : QStringLiteral("请听题，");
}

void GameAudio::readQuestion(const QString &text, const QString &language)
{
    soon([text, language] { SpeechService::shared().speak(leadIn(language) + text, language, 0.38f); });
}

void GameAudio::playInstrument(const QList<double> &frequencies)
{
    soon([frequencies] { TonePlayer::shared().playPattern(frequencies, 0.18); });
}

GameAudioSingleton::GameAudioSingleton(QObject *parent)
    : QObject(parent)
{
}
