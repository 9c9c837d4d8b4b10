#include "platform/frame.h"

#include "platform/bevel.h"

#include <QPainter>

Frame::Frame(QWidget *container) : Control(container) {}

void Frame::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void Frame::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    update();
}

void Frame::setFontSpec(const FontSpec &font)
{
    setFont(toQFont(font));
    update();
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    // The outline runs through the middle of the caption's line, as on any group box.
    const int lineY = fontMetrics().height() / 2;
    drawBevel(painter, rect().adjusted(0, lineY, 0, 0), Bevel::Etched);
    if (m_caption.isEmpty())
        return;
    const QRect captionRect(8, 0, fontMetrics().horizontalAdvance(m_caption) + 4,
                            fontMetrics().height());
    painter.fillRect(captionRect, m_backColor);
    painter.setPen(Qt::black);
    painter.drawText(captionRect, Qt::AlignCenter, m_caption);
}
