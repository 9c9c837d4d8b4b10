// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class HandlerEdge;
class TimerClock;

// A screen's timer: ticks every Interval milliseconds on the user-interface thread while Enabled.
// The clock behind it is Qt's in the program and a hand-driven one in tests. A tick that fails
// (through the handler edge it is given) stops the timer, so a failure is told once, not at
// every tick.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(QObject *owner, TimerClock &clock, int intervalMs = 0, HandlerEdge *edge = nullptr);
    ~Timer() override;

    int Interval() const { return m_interval; }
    void setInterval(int intervalMs);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // Runs the tick handler; called by the clock.
    void fire();

    std::function<void()> onTimer;

private:
    void rearm();
    TimerClock &m_clock;
    HandlerEdge *m_edge;
    int m_interval;
    bool m_enabled = false;
};

// Starts and stops timers.
class TimerClock
{
public:
    virtual ~TimerClock() = default;
    // (Re)starts the timer's count from now with its current interval.
    virtual void start(Timer &timer) = 0;
    virtual void stop(Timer &timer) = 0;
};
