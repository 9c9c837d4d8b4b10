// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/timer.h"

#include <map>

// A clock that only moves when a test says so, so timer-driven steps run in a known order.
class ManualClock : public TimerClock
{
public:
    void start(Timer &timer) override { m_due[&timer] = m_now + timer.Interval(); }
    void stop(Timer &timer) override { m_due.erase(&timer); }

    // Moves time on, firing every tick that falls due, earliest first.
    void advance(int ms);
    bool isRunning(const Timer &timer) const { return m_due.count(const_cast<Timer *>(&timer)); }

private:
    long long m_now = 0;
    std::map<Timer *, long long> m_due;
};
