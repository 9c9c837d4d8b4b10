// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menus/topics.h"
#include "platform/controlarray.h"
#include "platform/form.h"

class Image;
class Label;
class Screens;
class Timer;

// A topic's menu: key facts, teacher's notes, the quiz, the two activities and "Exit". Both
// topics use this one screen with their own data; "Changes in Materials" also shows a burning
// candle.
class TopicMenu : public Form
{
    Q_OBJECT
public:
    TopicMenu(Screens &screens, const TopicData &topic);

    enum Label3Entry { Quiz, Labelling, Exit, Ordering, KeyFacts, TeachersNotes };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void label3_Click(int index);
    void label3_MouseMove(int index);
    void Timer1_Timer();

    Label *Label1;              // the topic's title
    Image *Image1 = nullptr;    // the burning candle; only on the animated menu
    Timer *Timer1 = nullptr;    // the candle's next frame, every 75 ms
    ControlArray<Label> label3; // the entries, by Label3Entry

private:
    void startQuiz();
    void openPages(const QString &setName);
    void openActivity(ActivityBoard &(Screens::*activity)(), const QString &activityName);
    Screens &m_screens;
    const TopicData &m_topic;
};
