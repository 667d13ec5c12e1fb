#include "KeyedPlayback.h"

#include <QPointer>

KeyedPlayback::Script &KeyedPlayback::Script::then(std::function<void()> step)
{
    m_steps.push_back(Step{-1, false, std::move(step)});
    return *this;
}

KeyedPlayback::Script &KeyedPlayback::Script::checked(std::function<void()> step)
{
    m_steps.push_back(Step{-1, true, std::move(step)});
    return *this;
}

KeyedPlayback::Script &KeyedPlayback::Script::wait(int ms)
{
    m_steps.push_back(Step{std::max(0, ms), false, {}});
    return *this;
}

KeyedPlayback::KeyedPlayback(QObject *owner)
    : QObject(owner)
{
}

KeyedPlayback::~KeyedPlayback()
{
    // The owner is going: the rest of the script is dropped, unrun.
    if (m_run) {
        if (m_run->wait)
            m_run->clock->cancel(m_run->wait);
        m_run->steps.clear();
        m_run.reset();
    }
}

void KeyedPlayback::setPhase(Phase phase)
{
    if (m_phase == phase)
        return;
    m_phase = phase;
    emit phaseChanged();
}

void KeyedPlayback::run(const QString &key, Script script)
{
    if (m_hasKey && key == m_key)
        return;
    restart(key, std::move(script));
}

void KeyedPlayback::restart(const QString &key, Script script)
{
    if (m_phase == Phase::Done)
        return;
    m_key = key;
    m_hasKey = true;
    cancelRun();
    if (m_run) {
        // Restarted from a step of the run being cancelled: the new run starts once
        // that run has played out its cancelled steps.
        m_pending = std::make_unique<Script>(std::move(script));
        return;
    }
    start(std::move(script));
}

void KeyedPlayback::start(Script script)
{
    auto run = std::make_shared<Run>();
    run->steps = std::move(script.m_steps);
    m_run = run;
    setPhase(Phase::Watching);
    pump(run);
}

void KeyedPlayback::leave()
{
    m_hasKey = false;
    m_key.clear();
    m_pending.reset();
    cancelRun();
}

void KeyedPlayback::cancel()
{
    m_pending.reset();
    cancelRun();
}

void KeyedPlayback::cancelRun()
{
    const std::shared_ptr<Run> run = m_run;
    if (!run || run->cancelled)
        return;
    run->cancelled = true;
    if (run->wait) {
        run->clock->cancel(run->wait);
        run->wait = 0;
        ++run->next; // the wait is over
    }
    pump(run);
}

void KeyedPlayback::pump(const std::shared_ptr<Run> &run)
{
    if (run->pumping)
        return;
    run->pumping = true;
    const QPointer<KeyedPlayback> self(this);
    bool reachedEnd = true;
    while (run->next < run->steps.size()) {
        Script::Step &step = run->steps[run->next];
        if (step.waitMs >= 0) {
            if (run->cancelled) {
                ++run->next;
                continue;
            }
            run->clock = &Clock::current();
            run->wait = run->clock->after(step.waitMs, this, [this, run] {
                run->wait = 0;
                ++run->next;
                pump(run);
            });
            run->pumping = false;
            return;
        }
        if (step.checked && run->cancelled) {
            reachedEnd = false;
            break;
        }
        ++run->next;
        if (step.action) {
            const std::function<void()> action = step.action;
            action();
            if (!self)
                return; // the step ended the owner's life
        }
    }
    run->pumping = false;
    if (m_run == run)
        m_run.reset();
    if (reachedEnd && m_phase != Phase::Done)
        setPhase(Phase::Input);
    if (!m_run && m_pending) {
        std::unique_ptr<Script> next = std::move(m_pending);
        start(std::move(*next));
    }
}
