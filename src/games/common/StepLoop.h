#pragma once

#include "Clock.h"

#include <QObject>

#include <functional>

// The tick of an action game: a fruit falls one row, a signal changes, a countdown
// loses a second. After start(), the step runs every `intervalMs` on Clock::current();
// the next wait begins only after a step has run (the deadline is taken afresh each
// time), so steps lie the interval apart plus the step's own time. The loop ends when
// stop() is called (also from inside a step), when start() begins it anew, or with the
// loop's owner: a step never runs against a destroyed game. A stopped loop's pending
// wait is dropped; there is nothing to run after it, as the step re-checks the game's
// flags first.
//
//     StepLoop m_ticks{this};             // a member of the game
//     void FruitGame::start()
//     {
//         m_running = true;
//         m_ticks.start(520, [this] { advanceFruit(); });   // advanceFruit() may stop it
//     }
//
// On the ManualClock, advancing the clock by n intervals runs n steps at once. The
// system clock's waits under two seconds use precise timers.
class StepLoop : public QObject
{
    Q_OBJECT
public:
    explicit StepLoop(QObject *owner = nullptr);
    ~StepLoop() override;

    // Starts (or starts anew) the loop: the first step comes `intervalMs` from now.
    void start(int intervalMs, std::function<void()> step);
    void stop();
    bool isRunning() const { return m_running; }
    int intervalMs() const { return m_intervalMs; }

private:
    void schedule(quint64 generation);

    std::function<void()> m_step;
    int m_intervalMs = 0;
    quint64 m_generation = 0;
    bool m_running = false;
    Clock *m_clock = nullptr;
    Clock::WaitId m_wait = 0;
};
