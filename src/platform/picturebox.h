// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/pictureholder.h"

// A picture box: a coloured, sunken panel that shows a picture at its own size from its top-left
// corner, cut at the panel's edges. It can also hold other controls.
class PictureBox : public PictureHolder
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *container);

    void setBorder(bool sunken) { setAndRepaint(m_border, sunken); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_border = true;
};
