// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Numbers in [0, 1) from a generator seeded from the clock.
class Random
{
public:
    virtual ~Random() = default;
    virtual double next() = 0;
};
