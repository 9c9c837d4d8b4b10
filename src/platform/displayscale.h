// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/units.h"

#include <QRect>
#include <QSizeF>

// How much larger than one-to-one the screens are shown. Painting code and printing work in
// design pixels (toPixels: 15 twips each); the display scale turns those into the display's
// logical pixels, and Qt adds the display's own device pixel ratio. The stage keeps the scale
// (Stage::displayScale); these are the only conversions between twips and the display.
namespace DisplayScale
{

// The largest scale at which a whole screen, 12000 x 9000 twips, fits an area given in logical
// pixels: above 1 on a large display, below 1 on one smaller than 800 x 600.
double toFit(const QSizeF &area);

} // namespace DisplayScale

// Logical pixels on the display for a distance in design pixels.
inline int toDisplayPixels(double designPixels, double scale)
{
    return static_cast<int>(std::lround(designPixels * scale));
}

// Where a place in twips lies on the display: its design-pixel edges, scaled and rounded, so
// neighbouring controls still meet without gaps.
inline QRect displayRect(const TwipsRect &rect, double scale)
{
    const QRect design = pixelRect(rect);
    const int left = toDisplayPixels(design.left(), scale);
    const int top = toDisplayPixels(design.top(), scale);
    return QRect(left, top, toDisplayPixels(design.left() + design.width(), scale) - left,
                 toDisplayPixels(design.top() + design.height(), scale) - top);
}

// Twips for a distance in logical pixels on the display.
inline float displayToTwips(double pixels, double scale)
{
    return toTwips(pixels / scale);
}
