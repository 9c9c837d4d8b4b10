// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/choicebutton.h"

// A check box holding 0 (clear) or 1 (ticked). Its click handler runs whenever its value
// changes, by the user or by the program.
class CheckBox : public ChoiceButton
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget *container);

    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int value);

protected:
    void clicked() override;
};
