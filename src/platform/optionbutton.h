// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/choicebutton.h"

// A round option button. The option buttons that share a container form one group: selecting
// one clears the others. Its click handler runs whenever its value turns true, whether the user
// chose it or the program set it.
class OptionButton : public ChoiceButton
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget *container);

    bool Value() const { return isChecked(); }
    void setValue(bool value);

protected:
    void clicked() override;
};
