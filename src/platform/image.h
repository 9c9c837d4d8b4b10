#pragma once

#include "platform/control.h"
#include "platform/picture.h"

// An image control: shows a picture stretched to the control, or at the picture's own size with
// the control taking that size.
class Image : public Control
{
    Q_OBJECT
public:
    explicit Image(QWidget *container);

    void setStretch(bool stretch);
    // Loads a content file; an empty path clears the picture. Throws FileError.
    void LoadPicture(const QString &path);
    void setPicture(const Picture &picture);
    const Picture &picture() const { return m_picture; }
    QString pictureFile() const { return m_file; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture m_picture;
    QString m_file;
    bool m_stretch = false;
};
