#pragma once

#include "platform/form.h"

class CommandButton;
class Frame;
class Label;
class PictureBox;
class Screens;

// The title screen: the first screen at start-up, and the exit screen the main menu opens,
// where its first button reads "Cancel".
class Titlefrm : public Form
{
    Q_OBJECT
public:
    explicit Titlefrm(Screens &screens);

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();

    Frame *Frame1;
    Label *Label4;
    PictureBox *Picture1;
    Label *Label1;
    Label *Label5;
    Label *Label3;
    CommandButton *Command1;
    CommandButton *Command2;
    Label *Label2;

private:
    Screens &m_screens;
};
