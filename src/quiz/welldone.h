#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

class Label;
class PictureBox;
class Screens;
class TextBox;
class Timer;

// The results screen that every quiz and activity ends on: the score in words, a picture and a
// praise clip drawn by the score, then either the certificate (for a perfect result) or the way
// to the list of wrong answers. It reads Score and ScoreOutOf once, when it loads.
class Welldone : public Form
{
    Q_OBJECT
public:
    explicit Welldone(Screens &screens);

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Printpage();

    Label *Label4;
    ControlArray<Label> Label3;
    PictureBox *Picture1;
    Label *Label1;
    Label *Label5;
    Label *Label6;
    TextBox *Text1;
    Label *Label2;
    Timer *Timer1;
    Timer *Timer2;
    Timer *Timer3;

private:
    void makeButtons();
    void wordTheScore();
    bool isPerfect() const;
    Screens &m_screens;
};
