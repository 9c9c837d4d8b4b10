// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/random.h"

#include <random>

// A generator seeded from the clock when the program starts.
class ClockSeededRandom : public Random
{
public:
    ClockSeededRandom();
    double next() override;

private:
    std::mt19937 m_engine;
};
