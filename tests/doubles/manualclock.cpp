// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/manualclock.h"

void ManualClock::advance(int ms)
{
    const long long end = m_now + ms;
    for (;;) {
        Timer *next = nullptr;
        long long nextDue = end + 1;
        for (const auto &[timer, due] : m_due) {
            if (due < nextDue) {
                next = timer;
                nextDue = due;
            }
        }
        if (!next)
            break;
        m_now = nextDue;
        m_due[next] = m_now + next->Interval();
        next->fire();
    }
    m_now = end;
}
