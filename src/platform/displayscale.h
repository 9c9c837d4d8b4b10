#pragma once

#include "platform/units.h"

#include <QRect>
#include <QSizeF>

// How much larger than one-to-one the screens are shown. Painting code and printing work in
// design pixels (toPixels: 15 twips each); the display scale turns those into the display's
// logical pixels, and Qt adds the display's own device pixel ratio. There is one scale for the
// whole program: the stage chooses it before any screen is built, and it is 1 until then.
namespace DisplayScale
{

double factor();
void setFactor(double factor);

// The largest scale at which a whole screen, 12000 x 9000 twips, fits an area given in logical
// pixels: above 1 on a large display, below 1 on one smaller than 800 x 600.
double toFit(const QSizeF &area);

} // namespace DisplayScale

// Logical pixels on the display for a distance in design pixels.
inline int toDisplayPixels(double designPixels)
{
    return static_cast<int>(std::lround(designPixels * DisplayScale::factor()));
}

// Where a place in twips lies on the display: its design-pixel edges, scaled and rounded, so
// neighbouring controls still meet without gaps.
inline QRect displayRect(const TwipsRect &rect)
{
    const QRect design = pixelRect(rect);
    const int left = toDisplayPixels(design.left());
    const int top = toDisplayPixels(design.top());
    return QRect(left, top, toDisplayPixels(design.left() + design.width()) - left,
                 toDisplayPixels(design.top() + design.height()) - top);
}

// Twips for a distance in logical pixels on the display.
inline float displayToTwips(double pixels)
{
    return toTwips(pixels / DisplayScale::factor());
}
