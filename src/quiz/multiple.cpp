// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/multiple.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "platform/handleredge.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "quiz/quizlog.h"
#include "quiz/quizrules.h"
#include "quiz/quizsession.h"
#include "quiz/welldone.h"
#include "quiz/worksheetprint.h"
#include "quiz/wrong.h"

#include <QKeyEvent>

namespace
{

using Colour::green;
using Colour::lilac;
using Colour::screenBlue;
using Colour::yellow;

constexpr int NoAnswer = 5;

LabelDesign title(const QString &caption, TwipsRect place, FontSpec font, const QColor &colour,
                  Alignment alignment = Alignment::Center)
{
    return {caption, place, font, colour, screenBlue, BackStyle::Transparent, alignment};
}

// "Print Worksheet" is offered on every quiz: a teacher can print any set, built-in or their own.
const ButtonSpec buttons[] = {
    {Multiple::PreviousQuestion, {2040, 7920, 3765, 495}, "<< Previous Question", false},
    {Multiple::NextQuestion, {6000, 7920, 3765, 495}, "Next Question >>", true},
    {Multiple::Exit, {10560, 7920, 1245, 495}, "Exit", true},
    {Multiple::PrintWorksheet, {7920, 1920, 3045, 495}, "Print Worksheet", true},
};

const float answerTops[] = {5400, 6000, 6600, 7200};

} // namespace

Multiple::Multiple(Screens &screens) : Form(screens.stage(), lcQuiz()), m_screens(screens)
{
    Label1 = makeLabel(
        this, title("Multiple Choice", {120, 120, 6240, 900}, {"Tahoma", 36, true}, yellow));
    Label5 = makeLabel(this, title("", {120, 1200, 6465, 585}, {"Times New Roman", 24}, green));
    Label6 = makeLabel(this, title("", {120, 1920, 6465, 705}, {"Times New Roman", 24}, lilac));
    makeAnswers();
    // Made after the no-answer button, so the picture lies over it and hides it.
    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setPlace({6840, 240, 855, 615});
    Label4 = makeLabel(
        this, title("", {360, 3240, 5415, 615}, {"Times New Roman", 24}, yellow, Alignment::Left));
    Label2 = makeLabel(this, title("", {960, 3960, 9840, 1455}, {"Times New Roman", 30}, yellow));
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
}

void Multiple::makeAnswers()
{
    for (int index = 1; index <= NoAnswer; ++index) {
        auto *answer = new OptionButton(this);
        answer->setFontSpec({"Times New Roman", AnswerSize, false});
        answer->setColours(yellow, Colour::buttonFace);
        if (index < NoAnswer)
            answer->setPlace({2400, answerTops[index - 1], 6975, 525});
        else
            answer->setPlace({0, 0, 375, 255});
        // Out of sight behind the picture, so never a stop for Tab; the quiz still gives it the
        // focus to take the focus off the answers.
        if (index == NoAnswer)
            answer->setFocusPolicy(Qt::NoFocus);
        Option1.add(index, answer);
    }
    // The no-answer button starts selected, so opening the quiz makes no typing sound.
    Option1[NoAnswer].setValue(true);
    for (int index = 1; index <= NoAnswer; ++index)
        Option1[index].onClick = [this, index] { Option1_Click(index); };
}

void Multiple::Form_Load()
{
    ApplyScreenStyle(*this);
    QuizSession &m = m_screens.state<QuizSession>();
    m.Score = 0;
    m.ScoreOutOf = 10;
    m.CurrentQuestion = 1;
    for (int question = 1; question <= QuestionCount; ++question) {
        m.QuestionResult[question] = 0;
        m.ChosenAnswer[question] = 0;
    }
    Option1[NoAnswer].setLeft(Picture1->Left() + 240);
    Option1[NoAnswer].setTop(Picture1->Top() + 240);
    for (int index = 1; index < NoAnswer; ++index)
        Option1[index].setBackColor(screenBlue);
    Label6->setCaption(m.CurrentSetTitle);
    showquest();
}

void Multiple::start(const QuizSetup &setup)
{
    // The quiz works without its picture, and must never be left loaded but unshown.
    carryOn(*this, [&] { Picture1->LoadPicture(setup.picture); });
    Label5->setCaption(setup.heading);
    show();
}

void Multiple::showquest()
{
    const QuizSession &m = m_screens.state<QuizSession>();
    const int question = m.CurrentQuestion;
    Option1[NoAnswer].setValue(true);
    Label3[PreviousQuestion].show();
    Label3[NextQuestion].setCaption("Next Question >>");
    Label4->setCaption("Question " + QString::number(question));
    Label2->setCaption(m.QuestionText[question]);
    const QString answers[] = {m.AnswerA[question], m.AnswerB[question], m.AnswerC[question],
                               m.AnswerD[question]};
    for (int index = 1; index < NoAnswer; ++index) {
        OptionButton &answer = Option1[index];
        answer.setCaption(answers[index - 1]);
        answer.setFontSpec({"Times New Roman",
                            answerFontSize(answers[index - 1], answer.designRect().width()),
                            false});
    }
    if (question == 1)
        Label3[PreviousQuestion].hide();
    if (question == QuestionCount)
        Label3[NextQuestion].setCaption("Check Score >>");
    // Focus rests on the hidden button, so no answer carries a focus mark.
    if (Option1[NoAnswer].Visible())
        Option1[NoAnswer].setFocus(Qt::OtherFocusReason);
}

void Multiple::Option1_Click(int)
{
    playIfSoundOn(m_screens, QStringLiteral("wav\\typekey.wav"));
}

void Multiple::Label3_Click(int index)
{
    QuizSession &m = m_screens.state<QuizSession>();
    switch (index) {
    case PreviousQuestion:
        --m.CurrentQuestion;
        showquest();
        break;
    case NextQuestion:
        recordAnswer();
        ++m.CurrentQuestion;
        if (m.CurrentQuestion < QuestionCount + 1)
            showquest();
        else
            scoreQuiz();
        break;
    case Exit:
        m_screens.unload(*this);
        break;
    case PrintWorksheet:
        Printpage();
        break;
    }
    playClick(m_screens);
}

void Multiple::recordAnswer()
{
    QuizSession &m = m_screens.state<QuizSession>();
    int chosen = NoAnswer;
    for (int index = 1; index < NoAnswer; ++index) {
        if (Option1[index].Value())
            chosen = index;
    }
    m.QuestionResult[m.CurrentQuestion] =
        questionResult(m.CorrectAnswer[m.CurrentQuestion], chosen);
    m.ChosenAnswer[m.CurrentQuestion] = chosen == NoAnswer ? 0 : chosen;
}

void Multiple::scoreQuiz()
{
    fillReview();
    QuizSession &m = m_screens.state<QuizSession>();
    m.CertificateHeading = Label5->Caption();
    // The results screen words its message from the final score as it loads.
    m_screens.welldone().showQuizResult();
    m_screens.unload(*this);
}

// Touching the review makes it, hidden, even when there is nothing wrong to list.
void Multiple::fillReview()
{
    QuizSession &m = m_screens.state<QuizSession>();
    const QuizScore score = scoreAnswers(m.QuestionResult);
    m_screens.wrong().listWrongAnswers(Label6->Caption(), reviewLines(score, m.QuestionText));
    m.Score = score.right;
}

void Multiple::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool forwardIsLive =
        Label3[NextQuestion].isVisibleTo(this) && Label3[NextQuestion].isEnabled();
    if (key >= Qt::Key_1 && key < Qt::Key_1 + NoAnswer - 1)
        Option1[key - Qt::Key_0].activate();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && forwardIsLive)
        Label3[NextQuestion].activate();
    else
        Form::keyPressEvent(event);
}

void Multiple::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void Multiple::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

void Multiple::Printpage()
{
    Platform &platform = m_screens.platform();
    printWorksheet(platform.printer, platform.messageBoxes, Label5->Caption(), Label6->Caption(),
                   m_screens.state<QuizSession>());
}

Multiple &Screens::multiple()
{
    return get<Multiple>("multiple");
}
