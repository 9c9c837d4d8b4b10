// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/commandbutton.h"

#include "platform/accessible.h"
#include "platform/bevel.h"
#include "platform/handleredge.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CommandButton::CommandButton(QWidget *container) : Control(container)
{
    setFocusPolicy(Qt::StrongFocus);
    setFontSpec(FontSpec{});
}

void CommandButton::setCaption(const QString &caption)
{
    setAndRepaint(m_caption, caption);
    announceNameChange(this);
}

void CommandButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    const QRect area = designRect();
    painter.fillRect(area, BackColor());
    drawBevel(painter, area, m_down ? Bevel::Sunken : Bevel::Raised);
    const QRect textArea = area.translated(m_down ? 1 : 0, m_down ? 1 : 0);
    painter.setPen(isEnabled() ? Colour::black : Colour::greyText);
    painter.drawText(textArea, Qt::AlignCenter, m_caption);
    if (hasFocus()) {
        painter.setPen(QPen(Colour::black, 1, Qt::DotLine));
        painter.drawRect(area.adjusted(4, 4, -5, -5));
    }
}

void CommandButton::mousePressEvent(QMouseEvent *event)
{
    m_down = event->button() == Qt::LeftButton;
    update();
    Control::mousePressEvent(event);
}

void CommandButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_down = false;
    update();
    Control::mouseReleaseEvent(event);
}

void CommandButton::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        runHandler(*this, [this] { clicked(); });
    else
        Control::keyPressEvent(event);
}
