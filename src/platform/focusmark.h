// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

// The marks the keyboard and click-to-place add over a control, drawn on top of its own look and
// changing nothing else. Each is drawn in black over white, so it shows on any background.

// The keyboard focus: a dotted rectangle a little inside the control's edge.
void drawFocusMark(QPainter &painter, QRect rect);

// A label picked up to be put somewhere: a thick dashed frame along the control's edge.
void drawHeldMark(QPainter &painter, QRect rect);
