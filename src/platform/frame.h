// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

// A frame: an etched outline with an optional caption, holding other controls.
class Frame : public Control
{
    Q_OBJECT
public:
    explicit Frame(QWidget *container);

    void setCaption(const QString &caption) { setAndRepaint(m_caption, caption); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
