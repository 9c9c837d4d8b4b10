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

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void Option1_Click();
    void Option2_Click();
    void Timer1_Timer();

    Label *Label1;
    Image *Image1;
    OptionButton *Option1;
    OptionButton *Option2;
    Label *Label3;
    Timer *Timer1;
    ControlArray<Label> Label2;

private:
    void makeEntries();
    void openAcknowledgments();
    void openGuide();
    Screens &m_screens;
};
