#pragma once

#include <QRect>

class QPainter;

enum class Bevel { Raised, Sunken, Etched };

// The classic two-pixel 3D edges of buttons, picture boxes and frames.
void drawBevel(QPainter &painter, const QRect &rect, Bevel bevel);
