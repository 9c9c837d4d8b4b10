// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QString>

class Label;
class OptionButton;
class PictureBox;
class Screens;

// What a quiz shows beside the question set in hand: the topic's or worksheet's name and a
// small picture.
struct QuizSetup {
    QString heading;
    QString picture;
};

// The multiple-choice quiz: the ten questions of the loaded set one at a time, each with four
// answers. Next records whether the chosen answer is right; after the tenth question the quiz
// scores itself, fills the wrong-answers review and hands over to the results screen.
class Multiple : public Form
{
    Q_OBJECT
public:
    explicit Multiple(Screens &screens);

    enum Label3Button { PreviousQuestion = 0, NextQuestion = 1, Exit = 2, PrintWorksheet = 3 };

    void Form_Load() override;
    // Shows the quiz on the question set the session holds, from its first question.
    void start(const QuizSetup &setup);
    void Form_MouseMove(const MouseArgs &args) override;
    void showquest();
    void Printpage();
    void Option1_Click(int index);
    void Label3_Click(int index);
    void Label3_MouseMove(int index);

    Label *Label1;                      // the heading "Multiple Choice"
    Label *Label5;                      // the topic's or worksheet's name
    Label *Label6;                      // the question set's title
    PictureBox *Picture1;               // the topic's small picture
    Label *Label4;                      // "Question 3"
    Label *Label2;                      // the question
    ControlArray<OptionButton> Option1; // answers 1 to 4; 5 the hidden "no answer" button
    ControlArray<Label> Label3;         // the buttons, by Label3Button

protected:
    // Keys 1 to 4 choose an answer; Enter goes on as the forward button does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void makeAnswers();
    void recordAnswer();
    void scoreQuiz();
    void fillReview();
    Screens &m_screens;
};
