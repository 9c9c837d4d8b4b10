#include "platform/picturebox.h"

#include "platform/bevel.h"
#include "platform/units.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *container) : Control(container) {}

void PictureBox::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    update();
}

void PictureBox::setBorder(bool sunken)
{
    m_border = sunken;
    update();
}

void PictureBox::LoadPicture(const QString &path)
{
    setPicture(Picture::load(path));
    m_file = path;
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_file.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    const int inset = m_border ? 2 : 0;
    const QRect inside = rect().adjusted(inset, inset, -inset, -inset);
    painter.setClipRect(inside);
    m_picture.draw(painter, QRectF(inside.topLeft(), toPixels(m_picture.sizeTwips())));
    painter.setClipping(false);
    if (m_border)
        drawBevel(painter, rect(), Bevel::Sunken);
}
