#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QStringList>

class Label;
class PictureBox;
class Random;
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

// The text of the score message: the lead, then "Score out of ScoreOutOf.".
QString scoreMessage(int score, int scoreOutOf);

// The praise clips for a number of correct items, in order; empty when the score earns none.
QStringList praiseClips(int score);

// One of the score's praise clips drawn with equal chances (no draw when there is only one);
// empty when the score earns none.
QString drawPraiseClip(int score, Random &random);

// How wide the certificate heading is on the screen, in twips, in the screen's own heading font.
float screenHeadingWidth(const QString &heading);
