// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recipe.h"

#include <QString>
#include <vector>

// Mixes a recipe's layers into one mono clip in [-1, 1]: free of any offset, faded in and out at
// its very ends, its loudest sample at the recipe's peak. Throws ContentError if nothing sounds.
std::vector<float> renderRecipe(const Recipe &recipe, const QString &fileName);
