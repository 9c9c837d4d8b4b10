// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>

// The wrong PINs tried at the teachers' screen while the program runs. After a few in a row no
// PIN is taken for a minute, so a pupil can't sit and guess; the count is kept across the
// screen's openings, since leaving and coming back must not start it afresh.
class PinTries
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Allowed = 5;
    static constexpr std::chrono::seconds Pause{60};

    // Whole seconds, rounded up, until a PIN is taken again; 0 when one is taken now.
    int secondsRefused() const;
    // Counts a wrong PIN; returns whether it was the last one allowed before the pause.
    bool wrong();
    void right() { m_wrong = 0; }

    // Where the time comes from; the tests move it on by hand.
    std::function<Clock::time_point()> now = [] { return Clock::now(); };

private:
    int m_wrong = 0;
    Clock::time_point m_refusedUntil{};
};
