// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/image.h"

#include <QPainter>

Image::Image(QWidget *container) : PictureHolder(container) {}

void Image::pictureChanged()
{
    // An opaque picture covers the whole control, so what lies behind needn't be painted first;
    // that halves the work of an animation drawn larger than one-to-one.
    setAttribute(Qt::WA_OpaquePaintEvent, picture().isOpaque());
    if (!m_stretch && !picture().isNull()) {
        const QSizeF size = picture().sizeTwips();
        setWidth(static_cast<float>(size.width()));
        setHeight(static_cast<float>(size.height()));
    }
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    const QRect area = designRect();
    const QRectF target =
        m_stretch ? QRectF(area) : QRectF(QPointF(0, 0), toPixels(picture().sizeTwips()));
    picture().draw(painter, target);
}
