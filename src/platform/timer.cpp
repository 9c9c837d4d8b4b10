// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/timer.h"

#include "platform/handleredge.h"

Timer::Timer(QObject *owner, TimerClock &clock, int intervalMs, HandlerEdge *edge)
    : QObject(owner), m_clock(clock), m_edge(edge), m_interval(intervalMs)
{
}

Timer::~Timer()
{
    m_clock.stop(*this);
}

void Timer::setInterval(int intervalMs)
{
    m_interval = intervalMs;
    rearm();
}

void Timer::setEnabled(bool enabled)
{
    m_enabled = enabled;
    rearm();
}

void Timer::rearm()
{
    // A timer with no interval never ticks, however enabled.
    if (m_enabled && m_interval > 0)
        m_clock.start(*this);
    else
        m_clock.stop(*this);
}

void Timer::fire()
{
    if (!m_enabled || !onTimer)
        return;
    const bool ticked = m_edge ? m_edge->run(onTimer) : (onTimer(), true);
    if (!ticked)
        setEnabled(false);
}
