#pragma once

#include <QObject>
#include <functional>

class TimerClock;

// A screen's timer: ticks every Interval milliseconds on the user-interface thread while Enabled.
// The clock behind it is Qt's in the program and a hand-driven one in tests.
class Timer : public QObject
{
    Q_OBJECT
public:
    Timer(QObject *owner, TimerClock &clock, int intervalMs = 0);
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
