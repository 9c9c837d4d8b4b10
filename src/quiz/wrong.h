// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QStringList>

class Label;
class Screens;

// The list of questions answered wrongly in the last quiz, under the set's title. The quiz
// hands over the lines while it scores; this screen only shows them and closes the results with
// it.
class Wrong : public Form
{
    Q_OBJECT
public:
    explicit Wrong(Screens &screens);

    enum Label3Button { Exit = 1 };

    void Form_Load() override;
    void Label3_Click(int index);
    // Lists the wrong answers, still unseen: the results screen shows the review when asked.
    void listWrongAnswers(const QString &setTitle, const QStringList &lines);

    Label *Label6;              // the question set's title
    Label *Label4;              // "You answered the following questions incorrectly."
    ControlArray<Label> Label2; // the wrong answers' lines, 0 to 9, shown as they are listed
    Label *Label5;              // "Read the Key Facts and try again."
    ControlArray<Label> Label3; // the buttons, by Label3Button

private:
    Screens &m_screens;
};
