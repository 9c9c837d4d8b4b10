// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/checkbox.h"

CheckBox::CheckBox(QWidget *container) : ChoiceButton(container, false) {}

void CheckBox::setValue(int value)
{
    if (setChecked(value != 0) && onClick)
        onClick();
}

void CheckBox::clicked()
{
    setFocus(Qt::MouseFocusReason);
    setValue(1 - Value());
}
