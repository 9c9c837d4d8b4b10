// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/pictureholder.h"

#include "platform/accessible.h"

PictureHolder::PictureHolder(QWidget *container) : Control(container) {}

void PictureHolder::LoadPicture(const QString &path)
{
    const QString file = contentFile(path);
    setPicture(m_leavesOnDisk ? Picture::loadForLater(file) : Picture::load(file));
    m_file = path;
}

void PictureHolder::setPicture(const Picture &picture)
{
    // A page's words are its name and text for screen readers; other pictures keep theirs.
    const bool wordsMayChange = picture.isMetafile() || m_picture.isMetafile();
    m_picture = picture;
    m_file.clear();
    pictureChanged();
    update();
    if (wordsMayChange)
        announceNameChange(this);
}
