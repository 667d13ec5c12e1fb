#pragma once

#include "Clock.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>
#include <vector>

// A timed show that belongs to the page: lights that flash one after another, a route
// that walks, a pattern of tones, a text read out a moment after it appears. The game
// describes one run as a script of steps and starts it under a key (for example
// "<round>-<replayToken>"); a run under a new key cancels the run before it, and so
// does the page leaving.
//
// A cancelled run does not stop dead: its waits count as elapsed, so the steps after
// the wait run at once, until a step that is checked for cancellation ends the run.
// Each step says which it is:
//  - `then(step)`: runs also after a cancellation (turning a lit light off);
//  - `checked(step)`: the run ends here when it has been cancelled (the next light, the
//    turn handed to the child); `stopIfCancelled()` is the same check with no step.
// A run that reaches its end opens the input (phase Input); one that a check ends
// leaves the input closed (phase Watching). When the game's owner is destroyed, the
// running script is dropped without running any more steps: nothing touches a destroyed
// object. A report due after the page has gone is not a playback step: it goes through
// GameBase::completeAfter.
//
//     KeyedPlayback m_playback{this};   // a member of the game
//     void SequenceGame::showSequence()
//     {
//         KeyedPlayback::Script s;
//         s.then([this] { setFeedback(QStringLiteral("看小灯依次亮起")); }).wait(500);
//         for (const QString &light : sequence())
//             s.checked([this, light] { setLit(light); }).wait(520)
//              .then([this] { setLit({}); }).wait(180);
//         s.then([this] { setFeedback(QStringLiteral("轮到你啦")); });
//         m_playback.run(QString::number(m_round) + u'-' + QString::number(m_replays), std::move(s));
//     }
//
// The game calls run() where the key may have changed (on appear, after a round or a
// replay); a run under the key already started is not started again.
class KeyedPlayback : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("A game owns its playback")
    Q_PROPERTY(Phase phase READ phase NOTIFY phaseChanged)
    Q_PROPERTY(bool acceptingInput READ acceptingInput NOTIFY phaseChanged)
public:
    enum class Phase {
        Watching, // a run is showing, or the input is closed
        Input,    // the run has ended: the child's turn
        Done,     // the play is over: no run starts any more
    };
    Q_ENUM(Phase)

    class Script
    {
    public:
        // A step that also runs after the run has been cancelled.
        Script &then(std::function<void()> step);
        // A step that ends the run, itself unrun, when the run has been cancelled.
        Script &checked(std::function<void()> step);
        Script &stopIfCancelled() { return checked({}); }
        // A wait on the clock; after a cancellation it is over at once.
        Script &wait(int ms);

    private:
        friend class KeyedPlayback;
        struct Step
        {
            int waitMs = -1; // >= 0: a wait
            bool checked = false;
            std::function<void()> action;
        };
        std::vector<Step> m_steps;
    };

    explicit KeyedPlayback(QObject *owner = nullptr);
    ~KeyedPlayback() override;

    // Starts `script` under `key`, cancelling the run before it. Does nothing when `key`
    // is the key of the last run started (running or ended) or the phase is Done.
    void run(const QString &key, Script script);
    // Starts `script` whatever the key (a replay button that keeps the key).
    void restart(const QString &key, Script script);
    // The page left: cancels the run (its unchecked steps still run, at once) and
    // forgets the key, so the next run() starts whatever its key.
    void leave();
    // Cancels the run as a new key would, keeping the key.
    void cancel();

    Phase phase() const { return m_phase; }
    bool acceptingInput() const { return m_phase == Phase::Input; }
    bool isRunning() const { return bool(m_run); }
    QString key() const { return m_key; }
    // The game closes the input (a wrong answer), reopens it, or ends the play.
    void setPhase(Phase phase);

signals:
    void phaseChanged();

private:
    struct Run
    {
        std::vector<Script::Step> steps;
        size_t next = 0;
        bool cancelled = false;
        bool pumping = false;
        Clock *clock = nullptr;
        Clock::WaitId wait = 0;
    };
    void start(Script script);
    void pump(const std::shared_ptr<Run> &run);
    void cancelRun();

    std::shared_ptr<Run> m_run;
    std::unique_ptr<Script> m_pending;
    QString m_key;
    bool m_hasKey = false;
    Phase m_phase = Phase::Watching;
};
