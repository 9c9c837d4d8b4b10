// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/focusmark.h"

#include "platform/palette.h"

#include <QPainter>

namespace
{

void drawTwoToneFrame(QPainter &painter, QRect rect, int width, Qt::PenStyle style)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Colour::white, width));
    painter.drawRect(rect);
    painter.setPen(QPen(Colour::black, width, style));
    painter.drawRect(rect);
    painter.restore();
}

} // namespace

void drawFocusMark(QPainter &painter, QRect rect)
{
    drawTwoToneFrame(painter, rect.adjusted(4, 4, -5, -5), 1, Qt::DotLine);
}

void drawHeldMark(QPainter &painter, QRect rect)
{
    // Drawn along the edge so that it stays clear of the caption and of the focus mark inside.
    drawTwoToneFrame(painter, rect.adjusted(1, 1, -2, -2), 3, Qt::DashLine);
}
