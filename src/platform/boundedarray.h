// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/errors.h"

#include <array>
#include <string>

// An array with fixed index bounds; an index outside them throws IndexError.
template <class T, int Low, int High> class BoundedArray
{
public:
    T &operator[](int index) { return m_items[checked(index)]; }
    const T &operator[](int index) const { return m_items[checked(index)]; }
    static constexpr int lowest() { return Low; }
    static constexpr int highest() { return High; }

private:
    static std::size_t checked(int index)
    {
        if (index < Low || index > High)
            throw IndexError("index " + std::to_string(index) + " outside " + std::to_string(Low) +
                             " to " + std::to_string(High));
        return static_cast<std::size_t>(index - Low);
    }
    std::array<T, High - Low + 1> m_items{};
};
