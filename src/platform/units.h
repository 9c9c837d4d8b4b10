// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/facenames.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <cmath>

// Geometry is kept in twips (1440 to the inch) as floats; pixels exist only when painting.
inline constexpr float TwipsPerPixel = 15.0f; // 96 dots per inch
inline constexpr float TwipsPerPoint = 20.0f;

inline int toPixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline float toTwips(double pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}
// The size in whole pixels of something whose size is given in twips.
inline QSize toPixels(const QSizeF &twips)
{
    return QSize(toPixels(static_cast<float>(twips.width())),
                 toPixels(static_cast<float>(twips.height())));
}

// A place and size in twips, as the screens' design tables give them.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// Pixels for a place in twips. The edges are rounded, not the size, so neighbouring controls
// meet without gaps.
inline QRect pixelRect(const TwipsRect &rect)
{
    const int left = toPixels(rect.left);
    const int top = toPixels(rect.top);
    return QRect(left, top, toPixels(rect.left + rect.width) - left,
                 toPixels(rect.top + rect.height) - top);
}

// A font as the screens' design tables give it: face, size in points, bold or not.
struct FontSpec {
    QString name = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
};

// Point sizes become pixel sizes through the same twips factor, so text keeps its place in a box
// whatever the screen's own dots per inch. The face is drawn by its installed twin, to the same
// measures, so captions keep to their boxes.
inline QFont toQFont(const FontSpec &spec)
{
    QFont font(installedFamilyFor(spec.name));
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(spec.size * TwipsPerPoint / TwipsPerPixel))));
    font.setBold(spec.bold);
    return font;
}
