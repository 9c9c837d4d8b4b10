// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recipe.h"

#include <vector>

// Runs the layer's filter over its samples, its frequencies scaled by `freqScale`; a sweep moves
// the frequency evenly in pitch from start to end.
void applyFilter(std::vector<float> &samples, const FilterSpec &spec, double freqScale, int rate);
