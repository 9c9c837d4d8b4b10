// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qttimerclock.h"

void QtTimerClock::start(Timer &timer)
{
    auto &qtimer = m_timers[&timer];
    if (!qtimer) {
        qtimer = std::make_unique<QTimer>();
        qtimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(qtimer.get(), &QTimer::timeout, &timer, &Timer::fire);
    }
    qtimer->start(timer.Interval());
}

void QtTimerClock::stop(Timer &timer)
{
    auto it = m_timers.find(&timer);
    if (it == m_timers.end())
        return;
    // The tick handler itself may be what stops the timer, so let Qt delete it afterwards.
    it->second->stop();
    it->second->disconnect();
    it->second.release()->deleteLater();
    m_timers.erase(it);
}
