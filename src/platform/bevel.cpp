#include "platform/bevel.h"

#include "platform/palette.h"

#include <QPainter>

namespace
{

constexpr QColor highlight = Colour::white;
constexpr QColor light = Colour::bevelLight;
constexpr QColor shadow = Colour::greyText;
constexpr QColor darkShadow = Colour::black;

void edge(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

void drawBevel(QPainter &painter, const QRect &rect, Bevel bevel)
{
    painter.save();
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
    painter.restore();
}
