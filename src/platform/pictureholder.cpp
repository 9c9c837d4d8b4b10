#include "platform/pictureholder.h"

PictureHolder::PictureHolder(QWidget *container) : Control(container) {}

void PictureHolder::LoadPicture(const QString &path)
{
    setPicture(Picture::load(path));
    m_file = path;
}

void PictureHolder::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_file.clear();
    pictureChanged();
    update();
}
