// SPDX-License-Identifier: GPL-3.0-or-later
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

    // PrintOrReview reads "Print Certificate" after a perfect result, else "Check Wrong Answers".
    enum Label3Button { PrintOrReview = 0, Exit = 1 };

    void Form_Load() override;
    // After a quiz: the hint and the button to check the wrong answers, or the certificate.
    void showQuizResult();
    // After an activity: the advice to read the key facts, or the certificate.
    void showActivityResult();
    void Form_MouseMove(const MouseArgs &args) override;
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Printpage();

    Label *Label4;              // the heading "Well Done!"
    ControlArray<Label> Label3; // the buttons, by Label3Button
    PictureBox *Picture1;       // the lamp picture
    Label *Label1;              // the score in words
    Label *Label5;              // the hint to check the wrong answers (after a quiz)
    Label *Label6;              // "Read the Key Facts and try again." (after an activity)
    TextBox *Text1;             // the pupil's name for the certificate
    Label *Label2;              // the hint to enter a name before printing
    Timer *Timer1;              // loads the picture once the screen is up
    Timer *Timer2;              // then focuses the name box and boxes the buttons
    Timer *Timer3;              // then plays the praise clip

private:
    void wordTheScore();
    void keepInTheRecord();
    bool isPerfect() const;
    Screens &m_screens;
};
