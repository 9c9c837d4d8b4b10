// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/choicebutton.h"

#include "platform/accessible.h"
#include "platform/handleredge.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

ChoiceButton::ChoiceButton(QWidget *container, bool round) : Control(container), m_round(round)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool ChoiceButton::setChecked(bool checked)
{
    if (checked == m_checked)
        return false;
    m_checked = checked;
    update();
    QAccessible::State changed;
    changed.checked = true;
    announceStateChange(this, changed);
    return true;
}

void ChoiceButton::setCaption(const QString &caption)
{
    setAndRepaint(m_caption, caption);
    announceNameChange(this);
}

void ChoiceButton::setColours(const QColor &fore, const QColor &back)
{
    m_foreColor = fore;
    setBackColor(back);
}

void ChoiceButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        runHandler(*this, [this] { clicked(); });
    else
        Control::keyPressEvent(event);
}

// The check mark or option dot, and the caption beside it.
void ChoiceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    const QRect area = designRect();
    painter.fillRect(area, BackColor());
    const int box = std::min(13, area.height());
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = QRect(0, (area.height() - box) / 2, box, box);
    option.state |= m_checked ? QStyle::State_On : QStyle::State_Off;
    option.palette.setColor(QPalette::Base, Colour::white);
    style()->drawPrimitive(m_round ? QStyle::PE_IndicatorRadioButton : QStyle::PE_IndicatorCheckBox,
                           &option, &painter, this);
    painter.setPen(isEnabled() ? m_foreColor : Colour::greyText);
    painter.drawText(area.adjusted(box + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    if (hasFocus()) {
        painter.setPen(QPen(m_foreColor, 1, Qt::DotLine));
        // Without a caption the mark goes round the box itself, or the focus would not show.
        if (m_caption.isEmpty()) {
            painter.drawRect(option.rect.adjusted(-2, -2, 1, 1));
            return;
        }
        const int captionWidth = painter.fontMetrics().horizontalAdvance(m_caption);
        painter.drawRect(QRect(box + 3, 0, captionWidth + 2, area.height() - 1));
    }
}
