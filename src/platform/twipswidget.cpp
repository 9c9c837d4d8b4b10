#include "platform/twipswidget.h"

#include "platform/displayscale.h"

#include <QPainter>

TwipsWidget::TwipsWidget(QWidget *container) : QWidget(container) {}

void TwipsWidget::setPlace(const TwipsRect &rect)
{
    m_rect = rect;
    setGeometry(displayRect(m_rect));
}

void TwipsWidget::beginScaled(QPainter &painter) const
{
    const double scale = DisplayScale::factor();
    // The widget's edges were rounded to whole pixels; the part of a pixel they moved is taken
    // back, so what is drawn lies where the whole screen scaled at once would put it. A shift
    // leaves the scale alone, so every widget's text shares one set of glyphs.
    const QPoint designTopLeft = pixelRect(m_rect).topLeft();
    const QPoint displayTopLeft = displayRect(m_rect).topLeft();
    painter.translate(designTopLeft.x() * scale - displayTopLeft.x(),
                      designTopLeft.y() * scale - displayTopLeft.y());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}
