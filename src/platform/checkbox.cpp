#include "platform/checkbox.h"

#include "platform/handleredge.h"
#include "platform/optionbutton.h"

#include <QKeyEvent>

CheckBox::CheckBox(QWidget *container) : Control(container)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CheckBox::setValue(int value)
{
    value = value ? 1 : 0;
    if (value == m_value)
        return;
    m_value = value;
    update();
    if (onClick)
        onClick();
}

void CheckBox::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void CheckBox::setColours(const QColor &fore, const QColor &back)
{
    m_foreColor = fore;
    m_backColor = back;
    update();
}

void CheckBox::setFontSpec(const FontSpec &font)
{
    setFont(toQFont(font));
    update();
}

void CheckBox::clicked()
{
    setFocus(Qt::MouseFocusReason);
    setValue(1 - m_value);
}

void CheckBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        runHandler(*this, [this] { clicked(); });
    else
        Control::keyPressEvent(event);
}

void CheckBox::paintEvent(QPaintEvent *)
{
    paintChoice(*this, false, m_value == 1, m_caption, m_foreColor, m_backColor);
}
