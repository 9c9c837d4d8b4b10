// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/topicmenu.h"

#include "activities/activityboard.h"
#include "app/animationframes.h"
#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "menus/intro0.h"
#include "menus/menuslog.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "platform/timer.h"
#include "quiz/multiple.h"
#include "quiz/pupilturn.h"
#include "quiz/questionset.h"
#include "quiz/quizsession.h"
#include "viewers/teacher.h"

namespace
{

const ButtonSpec entries[] = {
    {TopicMenu::KeyFacts, {6360, 120, 1995, 495}, "Key Facts"},
    {TopicMenu::TeachersNotes, {8640, 120, 3195, 495}, "Teacher's Notes"},
    {TopicMenu::Quiz, {120, 7920, 3195, 495}, "Multiple Choice"},
    {TopicMenu::Labelling, {3600, 7920, 3195, 495}, "Labelling Activity"},
    {TopicMenu::Ordering, {7080, 7920, 3195, 495}, "Ordering Activity"},
    {TopicMenu::Exit, {10560, 7920, 1245, 495}, "Exit"},
};

constexpr int firstCandle = 3357;
constexpr int pastLastCandle = 3380;

} // namespace

TopicMenu::TopicMenu(Screens &screens, const TopicData &topic)
    : Form(screens.stage(), lcMenus()), m_screens(screens), m_topic(topic)
{
    if (topic.candle) {
        Image1 = new Image(this);
        Image1->setStretch(true);
        Image1->setPlace({1200, 660, 9600, 7200});
        Timer1 = &addTimer(75);
        Timer1->onTimer = [this] { Timer1_Timer(); };
    }
    Label1 = makeLabel(this, textLabel(topic.title, {240, 0, 6240, 900},
                                       {"Times New Roman", 27.75f, true}, Colour::yellow,
                                       Colour::black, Alignment::Left));
    makeButtons(
        this, label3, entries, [this](int index) { label3_Click(index); },
        [this](int index) { label3_MouseMove(index); }, ButtonEdge::Plain);
}

void TopicMenu::Form_Load()
{
    ApplyScreenStyle(*this);
    setBackColor(m_topic.backColor);
    if (!m_topic.backgroundPicture.isEmpty())
        carryOn(*this, [this] { LoadPicture(m_topic.backgroundPicture); });
    if (m_topic.candle) {
        carryOn(*this, [this] { Image1->LoadPicture("candle\\dscn3357.jpg"); });
        m_screens.state<AnimationFrames>().CandleFrame = firstCandle;
        Timer1->setEnabled(true);
    }
}

void TopicMenu::Timer1_Timer()
{
    int &frame = m_screens.state<AnimationFrames>().CandleFrame;
    frame += 1;
    if (frame == pastLastCandle)
        frame = firstCandle;
    Image1->LoadPicture("candle/dscn" + QString::number(frame) + ".jpg");
}

void TopicMenu::label3_MouseMove(int index)
{
    highlightButton(label3, index);
}

void TopicMenu::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(label3);
}

void TopicMenu::label3_Click(int index)
{
    switch (index) {
    case Quiz:
        startQuiz();
        break;
    case Labelling:
        openActivity(m_topic.labelling, "Labelling");
        break;
    case Exit:
        m_screens.intro0().show();
        m_screens.unload(*this);
        break;
    case Ordering:
        openActivity(m_topic.ordering, "Ordering");
        break;
    case KeyFacts:
        openPages(m_topic.keyFacts);
        break;
    case TeachersNotes:
        openPages(m_topic.teacherNotes);
        break;
    default:
        break;
    }
    playClick(m_screens);
}

void TopicMenu::startQuiz()
{
    try {
        loadQuestionSetFile(m_screens.classroom(), m_screens.state<QuizSession>(),
                            m_topic.questionSet);
    } catch (const FileError &error) {
        // The menu stays as it is, so the pupil can choose something else.
        qCWarning(lcMenus) << error.what();
        m_screens.platform().messageBoxes.show(
            "The quiz questions for " + m_topic.title +
            " are missing or incomplete, so the quiz cannot start. Please ask your teacher.");
        return;
    }
    Screens &screens = m_screens;
    const QString picture = m_topic.quizPicture;
    startTurn(screens, AttemptKind::Quiz, m_topic.title, [&screens, picture] {
        screens.multiple().start({.heading = QStringLiteral("Kelvarin"), .picture = picture});
    });
}

// Both page sets have two pages; the viewer finds the second by its name.
void TopicMenu::openPages(const QString &setName)
{
    m_screens.teacher().openPageSet(setName, 2);
}

// Recorded as "Properties of Materials: Labelling".
void TopicMenu::openActivity(ActivityBoard &(Screens::*activity)(), const QString &activityName)
{
    Screens &screens = m_screens;
    const QString topic = Label1->Caption();
    startTurn(screens, AttemptKind::Activity, topic + ": " + activityName,
              [&screens, activity, topic] { (screens.*activity)().open(topic); });
}

TopicMenu &Screens::properties()
{
    return get<TopicMenu>("properties", propertiesTopic);
}
TopicMenu &Screens::irreversible()
{
    return get<TopicMenu>("irreversible", irreversibleTopic);
}
