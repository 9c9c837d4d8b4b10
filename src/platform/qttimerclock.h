// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/timer.h"

#include <QTimer>
#include <map>
#include <memory>

// Timers on Qt's event loop.
class QtTimerClock : public TimerClock
{
public:
    void start(Timer &timer) override;
    void stop(Timer &timer) override;

private:
    std::map<Timer *, std::unique_ptr<QTimer>> m_timers;
};
