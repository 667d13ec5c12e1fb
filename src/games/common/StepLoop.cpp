#include "StepLoop.h"

#include <QPointer>

StepLoop::StepLoop(QObject *owner)
    : QObject(owner)
{
}

StepLoop::~StepLoop()
{
    stop();
}

void StepLoop::start(int intervalMs, std::function<void()> step)
{
    stop();
    m_intervalMs = std::max(1, intervalMs);
    m_step = std::move(step);
    m_running = true;
    schedule(m_generation);
}

void StepLoop::stop()
{
    ++m_generation;
    m_running = false;
    if (m_wait) {
        m_clock->cancel(m_wait);
        m_wait = 0;
    }
}

void StepLoop::schedule(quint64 generation)
{
    m_clock = &Clock::current();
    m_wait = m_clock->after(m_intervalMs, this, [this, generation] {
        m_wait = 0;
        if (generation != m_generation)
            return;
        // The step may stop the loop, start it anew or end the owner's life.
        const QPointer<StepLoop> self(this);
        const std::function<void()> step = m_step;
        step();
        if (self && generation == m_generation)
            schedule(generation);
    });
}
