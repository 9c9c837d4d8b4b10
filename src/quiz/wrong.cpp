// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/wrong.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "platform/label.h"
#include "quiz/quizlog.h"
#include "quiz/welldone.h"

namespace
{

using Colour::white;
using Colour::yellow;

const ButtonSpec buttons[] = {
    {Wrong::Exit, {10560, 7920, 1245, 495}, "Exit"},
};

LabelDesign line(const QString &caption, TwipsRect place, float size, const QColor &colour,
                 Alignment alignment)
{
    return {
        caption,  place, {"Tahoma", size, true}, colour, Colour::screenBlue, BackStyle::Transparent,
        alignment};
}

} // namespace

Wrong::Wrong(Screens &screens) : Form(screens.stage(), lcQuiz()), m_screens(screens)
{
    Label6 = makeLabel(this, line("", {0, 120, 12000, 540}, 20.25f, yellow, Alignment::Center));
    Label4 = makeLabel(this, line("You answered the following questions incorrectly.",
                                  {240, 960, 12000, 540}, 15.75f, yellow, Alignment::Left));
    // Room for every question of a quiz; only the lines listed are shown.
    for (int index = 0; index <= 9; ++index) {
        Label *wrongLine = makeLabel(this, line("", {120, 1680.0f + 600 * index, 12000, 540},
                                                15.75f, white, Alignment::Left));
        wrongLine->hide();
        Label2.add(index, wrongLine);
    }
    Label5 = makeLabel(this, line("Read the Key Facts and try again.", {0, 7920, 12000, 540},
                                  20.25f, yellow, Alignment::Center));
    // The review's one button has no highlight.
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); }, [](int) {});
}

void Wrong::Form_Load()
{
    ApplyScreenStyle(*this);
}

void Wrong::listWrongAnswers(const QString &setTitle, const QStringList &lines)
{
    for (int line = 0; line < lines.size(); ++line) {
        Label2[line].setCaption(lines.at(line));
        Label2[line].show();
    }
    Label6->setCaption(setTitle);
}

void Wrong::Label3_Click(int)
{
    // The results stay behind the review; leaving here leaves both, silently.
    if (m_screens.isLoaded("Welldone"))
        m_screens.unload(m_screens.welldone());
    m_screens.unload(*this);
}

Wrong &Screens::wrong()
{
    return get<Wrong>("Wrong");
}
