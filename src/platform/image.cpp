#include "platform/image.h"

#include "platform/units.h"

#include <QPainter>

Image::Image(QWidget *container) : Control(container) {}

void Image::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void Image::LoadPicture(const QString &path)
{
    setPicture(Picture::load(path));
    m_file = path;
}

void Image::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_file.clear();
    if (!m_stretch && !picture.isNull()) {
        setWidth(static_cast<float>(picture.sizeTwips().width()));
        setHeight(static_cast<float>(picture.sizeTwips().height()));
    }
    update();
}

void Image::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRectF target =
        m_stretch ? QRectF(rect()) : QRectF(QPointF(0, 0), toPixels(m_picture.sizeTwips()));
    m_picture.draw(painter, target);
}
