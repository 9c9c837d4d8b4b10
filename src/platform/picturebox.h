#pragma once

#include "platform/control.h"
#include "platform/picture.h"

// A picture box: a coloured, sunken panel that shows a picture at its own size from its top-left
// corner, cut at the panel's edges. It can also hold other controls.
class PictureBox : public Control
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *container);

    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    void setBorder(bool sunken);
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
    QColor m_backColor = QColor(192, 192, 192);
    bool m_border = true;
};
