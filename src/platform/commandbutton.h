// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

// A push button with a raised edge. Clicked with the left mouse button, or with Space or Enter
// while it has the keyboard focus.
class CommandButton : public Control
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget *container);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_caption;
    bool m_down = false;
};
