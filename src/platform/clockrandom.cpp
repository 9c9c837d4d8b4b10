// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clockrandom.h"

#include <chrono>

ClockSeededRandom::ClockSeededRandom()
    : m_engine(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count()))
{
}

double ClockSeededRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}
