// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Over the main menu, asking whether to end the program: OK reads "Cancel" and goes back.
    void showAsExitScreen();
    void Command1_Click();
    void Command2_Click();

    Frame *Frame1;           // the etched frame round everything
    Label *Label4;           // the title "Kelvarin"
    PictureBox *Picture1;    // the lamp picture
    Label *Label1;           // "Primary Science: Materials"
    Label *Label5;           // "Properties and Changes"
    Label *Label3;           // "For pupils aged 7 to 11"
    CommandButton *Command1; // "OK", or "Cancel" as the exit screen: on to the main menu
    CommandButton *Command2; // "Exit": ends the program
    Label *Label2;           // the line about copying along the foot

private:
    Screens &m_screens;
};
