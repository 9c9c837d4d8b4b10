// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bevel.h"

#include "platform/palette.h"

#include <QPainter>

namespace
{

constexpr QColor highlight = Colour::white;
constexpr QColor light = Colour::bevelLight;
constexpr QColor shadow = Colour::greyText;
constexpr QColor darkShadow = Colour::black;

// Each line is a filled row or column of whole pixels rather than a stroke, which a scaled
// painter would centre on the pixels' edge and so draw half outside the widget.
void edge(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(QRect(r.topLeft(), r.topRight()), topLeft);
    painter.fillRect(QRect(r.topLeft(), r.bottomLeft()), topLeft);
    painter.fillRect(QRect(r.bottomLeft(), r.bottomRight()), bottomRight);
    painter.fillRect(QRect(r.topRight(), r.bottomRight()), bottomRight);
}

} // namespace

void drawOutline(QPainter &painter, const QRect &rect, const QColor &colour)
{
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    edge(painter, outer, colour, colour);
}

void drawBevel(QPainter &painter, const QRect &rect, Bevel bevel)
{
    const QRect outer = rect.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    switch (bevel) {
    case Bevel::Raised:
        edge(painter, outer, highlight, darkShadow);
        edge(painter, inner, light, shadow);
        break;
    case Bevel::Sunken:
        edge(painter, outer, shadow, highlight);
        edge(painter, inner, darkShadow, light);
        break;
    case Bevel::Etched:
        edge(painter, outer, shadow, highlight);
        edge(painter, inner, highlight, shadow);
        break;
    }
}
