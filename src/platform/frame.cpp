// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame.h"

#include "platform/bevel.h"

#include <QPainter>

Frame::Frame(QWidget *container) : Control(container)
{
    setFontSpec(FontSpec{});
}

void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    const QRect area = designRect();
    painter.fillRect(area, BackColor());
    // The outline runs through the middle of the caption's line, as on any group box.
    const int lineY = fontMetrics().height() / 2;
    drawBevel(painter, area.adjusted(0, lineY, 0, 0), Bevel::Etched);
    if (m_caption.isEmpty())
        return;
    const QRect captionRect(8, 0, fontMetrics().horizontalAdvance(m_caption) + 4,
                            fontMetrics().height());
    painter.fillRect(captionRect, BackColor());
    painter.setPen(Colour::black);
    painter.drawText(captionRect, Qt::AlignCenter, m_caption);
}
