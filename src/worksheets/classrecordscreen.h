// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

class Label;
class Screens;

// The Class Record: what the pupils of this classroom folder did and how they did, for the
// teacher.
class ClassRecordScreen : public Form
{
    Q_OBJECT
public:
    explicit ClassRecordScreen(Screens &screens);

    enum Label3Button { Exit = 0 };

    void Form_Load() override;
    // Reads the record afresh and shows it.
    void open();
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void Form_MouseMove(const MouseArgs &args) override;

    Label *Label1;              // the heading "Class Record"
    ControlArray<Label> Label3; // the buttons, by Label3Button

private:
    Screens &m_screens;
};
