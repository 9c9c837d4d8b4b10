// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picturebox.h"

#include "platform/bevel.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *container) : PictureHolder(container) {}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    const QRect area = designRect();
    painter.fillRect(area, BackColor());
    const int inset = m_border ? 2 : 0;
    const QRect inside = area.adjusted(inset, inset, -inset, -inset);
    painter.setClipRect(inside);
    picture().draw(painter, QRectF(inside.topLeft(), toPixels(picture().sizeTwips())));
    painter.setClipping(false);
    if (m_border)
        drawBevel(painter, area, Bevel::Sunken);
}
