#include "platform/image.h"

#include <QPainter>

Image::Image(QWidget *container) : PictureHolder(container) {}

void Image::pictureChanged()
{
    if (!m_stretch && !picture().isNull()) {
        const QSizeF size = picture().sizeTwips();
        setWidth(static_cast<float>(size.width()));
        setHeight(static_cast<float>(size.height()));
    }
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF target =
        m_stretch ? QRectF(rect()) : QRectF(QPointF(0, 0), toPixels(picture().sizeTwips()));
    picture().draw(painter, target);
}
