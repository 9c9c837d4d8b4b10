// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QColor;
class QPainter;

enum class Bevel { Raised, Sunken, Etched };

// The classic two-pixel 3D edges of buttons, picture boxes and frames.
void drawBevel(QPainter &painter, const QRect &rect, Bevel bevel);
// A one-pixel outline along the inside of rect.
void drawOutline(QPainter &painter, const QRect &rect, const QColor &colour);
