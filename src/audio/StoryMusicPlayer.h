#pragma once

#include "SoundChannel.h"

#include <QObject>

#include <array>

// The moods of the background music, each with its own eight-note tune.
enum class StoryMusicMood { home, language, numbers, discovery, creativity, science, rhythm, action };

// Quiet background music without music files: a 16-second loop synthesised for a
// mood and played without end at low volume.
class StoryMusicPlayer : public QObject
{
    Q_OBJECT
public:
    static StoryMusicPlayer &shared();

    static constexpr int sampleRate = 44100;
    static constexpr int loopFrames = 16 * sampleRate;
    static constexpr double volume = 0.2;

    // Switches the music off for good and silences it.
    void disable();
    // Silences the music; resume() starts it again from the beginning.
    void pause();
    void resume();

    bool isEnabled() const { return m_enabled; }
    StoryMusicMood currentMood() const { return m_currentMood; }
    int currentVariation() const { return m_currentVariation; }

    // The eight notes of a mood, in hertz.
    static std::array<double, 8> notes(StoryMusicMood mood);
    // The sixteen steps of a loop: the notes, then the notes backwards.
    static std::array<double, 16> sequence(StoryMusicMood mood);
    // The pitch factor of a variation (0 or more).
    static double transposition(int variation);
    // The synthesised loop of a mood and variation.
    static PcmClip makeLoop(StoryMusicMood mood, int variation);

    SoundChannel &channel() { return m_channel; }

private:
    StoryMusicPlayer();
    void begin(StoryMusicMood mood, int variation);

    SoundChannel m_channel;
    bool m_enabled = true;
    StoryMusicMood m_currentMood = StoryMusicMood::home;
    int m_currentVariation = 0;
    quint64 m_generation = 0;
};
