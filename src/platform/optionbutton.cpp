// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/optionbutton.h"

OptionButton::OptionButton(QWidget *container) : ChoiceButton(container, true) {}

void OptionButton::setValue(bool value)
{
    if (!setChecked(value) || !value)
        return;
    // The others of the group clear without a click of their own.
    for (auto *sibling : parentWidget()->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly)) {
        if (sibling != this)
            sibling->setChecked(false);
    }
    if (onClick)
        onClick();
}

void OptionButton::clicked()
{
    setFocus(Qt::MouseFocusReason);
    setValue(true);
}
