// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/errors.h"

#include <map>
#include <string>
#include <vector>

// Like controls under one name, told apart by an integer index; gaps are allowed. The controls
// belong to their container (Qt parent); the array only finds them.
template <class T> class ControlArray
{
public:
    void add(int index, T *control) { m_items[index] = control; }
    bool contains(int index) const { return m_items.count(index) != 0; }

    T &operator[](int index) const
    {
        auto it = m_items.find(index);
        if (it == m_items.end())
            throw IndexError("no control with index " + std::to_string(index));
        return *it->second;
    }

    std::vector<int> indices() const
    {
        std::vector<int> result;
        for (const auto &item : m_items)
            result.push_back(item.first);
        return result;
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::map<int, T *> m_items;
};
