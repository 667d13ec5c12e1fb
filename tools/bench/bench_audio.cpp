// Figures of the sound engines: the story loop's synthesis, a spoken sentence's
// synthesis (the engine's start on first use, then steady state), and how long a tone
// and an utterance take from the call to the moment their samples reach the output.
// Run: build/tools/bench/bench_audio
#include "GameAudio.h"
#include "SpeechEngine.h"
#include "SpeechService.h"
#include "StoryMusicPlayer.h"
#include "TonePlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The median of `runs` timings.
double median(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(millisecondsOf(work));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char *what, double ms)
{
    std::printf("%-58s %9.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    bool present = false;
    const double probeMs = millisecondsOf([&] { present = SoundChannel::hasOutputDevice(); });
    std::printf("audio output present: %s\n", present ? "yes" : "no");
    report("first look for the audio output (on the first sound)", probeMs);

    report("story loop synthesis (705600 frames, median of 5)",
           median(5, [] { StoryMusicPlayer::makeLoop(StoryMusicMood::home, 1); }));

    SpeechStyle style;
    style.rate = SpeechService::maximumRate;
    style.pitchMultiplier = SpeechService::pitchMultiplier;
    style.volume = SpeechService::volume;
    const QString sentence = QStringLiteral("Listen carefully. Which animal says moo?");
    const QString chinese = QStringLiteral("请听题，三加四等于几？");
    report("speech engine start (first voice list)", millisecondsOf([] { SpeechEngine::installedVoices(); }));
    report("English sentence, first synthesis",
           millisecondsOf([&] { SpeechEngine::synthesize(sentence, "gmw/en-US", style); }));
    report("English sentence synthesis (median of 10)",
           median(10, [&] { SpeechEngine::synthesize(sentence, "gmw/en-US", style); }));
    report("Chinese sentence synthesis (median of 10)", median(10, [&] {
               SpeechEngine::synthesize(chinese, "sit/cmn-Latn-pinyin", style);
               SpeechEngine::synthesize(sentence, "gmw/en-US", style); // alternate voices, as in play
           }) / 2);

    report("tone render (0.2 s, median of 100)", median(100, [] { TonePlayer::render(880, 0.2); }));
    TonePlayer::shared().play(880, 0.2); // the output opens on the first tone
    report("tone start latency: play() to output start (median of 20)",
           median(20, [] { TonePlayer::shared().play(880, 0.2); }));

    // An utterance: the call returns at once, the samples follow from the worker.
    double callMs = 0;
    const double heardMs = median(5, [&] {
        QEventLoop loop;
        auto connection = QObject::connect(&SpeechService::shared().channel(), &SoundChannel::started, &loop,
                                           &QEventLoop::quit);
        callMs = millisecondsOf([&] { SpeechService::shared().speak(sentence, "en-US", 0.36f); });
        loop.exec();
        QObject::disconnect(connection);
    });
    report("speak() call on the interface thread", callMs);
    report("speak() to samples at the output (median of 5)", heardMs);
    report("GameAudio::correct() call", millisecondsOf([] { GameAudio::correct(); }));
    return 0;
}
