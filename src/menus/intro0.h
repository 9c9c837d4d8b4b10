// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

class Image;
class Label;
class OptionButton;
class Screens;
class Timer;

// The main menu, the hub of the program: the two topics, the greyed topics still to come, the
// teachers' tools, the sound switch and "Exit".
class Intro0 : public Form
{
    Q_OBJECT
public:
    explicit Intro0(Screens &screens);

    // The live entries of Label2; the others are greyed or hidden topics still to come.
    enum Label2Entry {
        PropertiesOfMaterials = 3,
        ChangesInMaterials = 12,
        ExitProgram = 16,
        MultipleChoiceWizard = 17,
        WorksheetCatalogue = 18,
        Acknowledgments = 19,
        TeachersGuide = 20,
    };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();

    Label *Label1;              // the heading "Kelvarin"
    Image *Image1;              // the lamp picture
    OptionButton *Option1;      // "Sound On"
    OptionButton *Option2;      // "Sound Off"
    Label *Label3;              // the hint along the foot of the screen
    Timer *Timer1;              // reads the worksheet index once the menu is up
    ControlArray<Label> Label2; // the menu entries, by Label2Entry; there is no 14

private:
    void makeEntries();
    void followSoundSwitch();
    Screens &m_screens;
};

// Tells the registry that this is the main menu, where the title screen's OK leads.
void wireMainMenu(Screens &screens);
