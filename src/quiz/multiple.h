#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

class Label;
class OptionButton;
class PictureBox;
class Screens;

// The multiple-choice quiz: the ten questions of the loaded set one at a time, each with four
// answers. Next records whether the chosen answer is right; after the tenth question the quiz
// scores itself, fills the wrong-answers review and hands over to the results screen.
class Multiple : public Form
{
    Q_OBJECT
public:
    explicit Multiple(Screens &screens);

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void showquest();
    void Printpage();
    void Option1_Click(int index);
    void Label3_Click(int index);
    void Label3_MouseMove(int index);

    Label *Label1;
    Label *Label5;
    Label *Label6;
    PictureBox *Picture1;
    Label *Label4;
    Label *Label2;
    ControlArray<OptionButton> Option1;
    ControlArray<Label> Label3;

private:
    void makeAnswers();
    void makeButtons();
    void recordAnswer();
    void scoreQuiz();
    void fillReview();
    void handOverToResults();
    Screens &m_screens;
};
