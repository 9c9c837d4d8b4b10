// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/pintries.h"

int PinTries::secondsRefused() const
{
    const auto left = m_refusedUntil - now();
    if (left <= Clock::duration::zero())
        return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::seconds>(left).count());
}

// The pause starts the count afresh, so after it a teacher who mistyped has every try again.
bool PinTries::wrong()
{
    if (++m_wrong < Allowed)
        return false;
    m_wrong = 0;
    m_refusedUntil = now() + Pause;
    return true;
}
