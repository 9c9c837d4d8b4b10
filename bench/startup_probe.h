// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

// Wall-clock milliseconds; the benchmark subtracts the moment it started the process.
inline double wallClockMs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

inline long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Watches a widget; at its first paint prints "<what> wall-clock-ms peak-kb" and quits once the
// paint is done.
class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QObject *parent, const char *what) : QObject(parent), m_what(what) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            const double ms = wallClockMs();
            QTimer::singleShot(0, [this, ms] {
                std::printf("%s %.3f %ld\n", m_what, ms, peakMemoryKb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    const char *m_what;
    bool m_seen = false;
};
