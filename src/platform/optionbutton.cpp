#include "platform/optionbutton.h"

#include "platform/handleredge.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

void paintChoice(QWidget &widget, bool round, bool checked, const QString &caption,
                 const QColor &fore, const QColor &back)
{
    QPainter painter(&widget);
    painter.fillRect(widget.rect(), back);
    const int box = std::min(13, widget.height());
    QStyleOptionButton option;
    option.initFrom(&widget);
    option.rect = QRect(0, (widget.height() - box) / 2, box, box);
    option.state |= checked ? QStyle::State_On : QStyle::State_Off;
    option.palette.setColor(QPalette::Base, Qt::white);
    widget.style()->drawPrimitive(round ? QStyle::PE_IndicatorRadioButton
                                        : QStyle::PE_IndicatorCheckBox,
                                  &option, &painter, &widget);
    painter.setPen(widget.isEnabled() ? fore : QColor(128, 128, 128));
    painter.drawText(widget.rect().adjusted(box + 4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     caption);
    if (widget.hasFocus()) {
        const int width = painter.fontMetrics().horizontalAdvance(caption);
        painter.setPen(QPen(fore, 1, Qt::DotLine));
        painter.drawRect(QRect(box + 3, 0, width + 2, widget.height() - 1));
    }
}

OptionButton::OptionButton(QWidget *container) : Control(container)
{
    setFocusPolicy(Qt::StrongFocus);
}

void OptionButton::setValue(bool value)
{
    if (value == m_value)
        return;
    m_value = value;
    update();
    if (value) {
        clearSiblings();
        if (onClick)
            onClick();
    }
}

void OptionButton::clearSiblings()
{
    for (auto *sibling : parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly)) {
        if (sibling != this && sibling->m_value) {
            sibling->m_value = false;
            sibling->update();
        }
    }
}

void OptionButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void OptionButton::setColours(const QColor &fore, const QColor &back)
{
    m_foreColor = fore;
    m_backColor = back;
    update();
}

void OptionButton::setBackColor(const QColor &colour)
{
    setColours(m_foreColor, colour);
}

void OptionButton::setFontSpec(const FontSpec &font)
{
    setFont(toQFont(font));
    update();
}

void OptionButton::clicked()
{
    setFocus(Qt::MouseFocusReason);
    setValue(true);
}

void OptionButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        runHandler(*this, [this] { clicked(); });
    else
        Control::keyPressEvent(event);
}

void OptionButton::paintEvent(QPaintEvent *)
{
    paintChoice(*this, true, m_value, m_caption, m_foreColor, m_backColor);
}
