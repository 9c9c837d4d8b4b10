// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/displayscale.h"

#include <algorithm>

namespace DisplayScale
{

double toFit(const QSizeF &area)
{
    constexpr double screenWidth = 12000 / TwipsPerPixel;
    constexpr double screenHeight = 9000 / TwipsPerPixel;
    return std::min(area.width() / screenWidth, area.height() / screenHeight);
}

} // namespace DisplayScale
