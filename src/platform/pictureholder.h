// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/picture.h"

// A control that shows a picture: the picture, and the content file it came from while it is
// that file's.
class PictureHolder : public Control
{
    Q_OBJECT
public:
    explicit PictureHolder(QWidget *container);

    // Loads a content file from the stage's classroom folder; an empty path clears the picture.
    // Throws FileError.
    void LoadPicture(const QString &path);
    // A holder of a copy kept for printing checks each file as it loads, then leaves it on disk
    // until it is printed (Picture::loadForLater).
    void setLeavesOnDisk(bool leaves) { m_leavesOnDisk = leaves; }
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    QString pictureFile() const { return m_file; }

protected:
    // Called with the new picture in place, before it is painted.
    virtual void pictureChanged() {}

private:
    Picture m_picture;
    QString m_file;
    bool m_leavesOnDisk = false;
};
