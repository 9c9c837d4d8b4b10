// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/pictureholder.h"

// An image control: shows a picture stretched to the control, or at the picture's own size with
// the control taking that size.
class Image : public PictureHolder
{
    Q_OBJECT
public:
    explicit Image(QWidget *container);

    void setStretch(bool stretch) { setAndRepaint(m_stretch, stretch); }

protected:
    void pictureChanged() override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_stretch = false;
};
