#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

class Label;
class Screens;

// The list of questions answered wrongly in the last quiz, under the set's title. The quiz
// writes the lines while it scores; this screen only shows them and closes the results with it.
class Wrong : public Form
{
    Q_OBJECT
public:
    explicit Wrong(Screens &screens);

    void Form_Load() override;
    void Label3_Click(int index);

    Label *Label6;
    Label *Label4;
    ControlArray<Label> Label2;
    Label *Label5;
    ControlArray<Label> Label3;

private:
    Screens &m_screens;
};
