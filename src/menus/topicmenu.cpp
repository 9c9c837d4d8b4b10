#include "menus/topicmenu.h"

#include "activities/activityboard.h"
#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "menus/intro0.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "quiz/multiple.h"
#include "quiz/questionset.h"
#include "viewers/teacher.h"

#include <QLoggingCategory>

namespace
{

Q_LOGGING_CATEGORY(lcMenus, "kelvarin.menus")

const QColor yellow(255, 255, 0);
const QColor black(0, 0, 0);

struct Entry {
    int index;
    const char *caption;
    TwipsRect place;
};

const Entry entries[] = {
    {4, "Key Facts", {6360, 120, 1995, 495}},
    {5, "Teacher's Notes", {8640, 120, 3195, 495}},
    {0, "Multiple Choice", {120, 7920, 3195, 495}},
    {1, "Labelling Activity", {3600, 7920, 3195, 495}},
    {3, "Ordering Activity", {7080, 7920, 3195, 495}},
    {2, "Exit", {10560, 7920, 1245, 495}},
};

constexpr int firstCandle = 3357;
constexpr int pastLastCandle = 3380;

} // namespace

TopicMenu::TopicMenu(Screens &screens, const TopicData &topic)
    : Form(screens.stage()), m_screens(screens), m_topic(topic)
{
    if (topic.candle) {
        Image1 = new Image(this);
        Image1->setStretch(true);
        Image1->setPlace({1200, 660, 9600, 7200});
        Timer1 = &addTimer(75);
        Timer1->onTimer = [this] { Timer1_Timer(); };
    }
    Label1 = makeLabel(this, {topic.title,
                              {240, 0, 6240, 900},
                              {"Times New Roman", 27.75f, true},
                              yellow,
                              black,
                              BackStyle::Transparent,
                              Alignment::Left});
    for (const Entry &entry : entries) {
        Label *label = makeLabel(this, {entry.caption,
                                        entry.place,
                                        {"Tahoma", 15.75f, true},
                                        yellow,
                                        black,
                                        BackStyle::Opaque,
                                        Alignment::Center});
        const int index = entry.index;
        label->onClick = [this, index] { label3_Click(index); };
        label->onMouseMove = [this, index](const MouseArgs &) { label3_MouseMove(index); };
        label3.add(index, label);
    }
}

void TopicMenu::Form_Load()
{
    ApplyScreenStyle(*this);
    setBackColor(m_topic.backColor);
    if (!m_topic.backgroundPicture.isEmpty())
        carryOn(*this, [this] { LoadPicture(m_topic.backgroundPicture); });
    if (m_topic.candle) {
        carryOn(*this, [this] { Image1->LoadPicture("candle\\dscn3357.jpg"); });
        m_screens.module1().CandleFrame = firstCandle;
        Timer1->setEnabled(true);
    }
}

void TopicMenu::Timer1_Timer()
{
    int &frame = m_screens.module1().CandleFrame;
    frame += 1;
    if (frame == pastLastCandle)
        frame = firstCandle;
    Image1->LoadPicture("candle/dscn" + QString::number(frame) + ".jpg");
}

void TopicMenu::label3_MouseMove(int index)
{
    label3[index].setBackStyle(BackStyle::Opaque);
}

void TopicMenu::Form_MouseMove(const MouseArgs &)
{
    for (const auto &[index, label] : label3)
        label->setBackStyle(BackStyle::Transparent);
}

void TopicMenu::label3_Click(int index)
{
    switch (index) {
    case 0:
        startQuiz();
        break;
    case 1:
        openActivity(m_topic.labelling);
        break;
    case 2:
        m_screens.intro0().show();
        m_screens.unload(*this);
        break;
    case 3:
        openActivity(m_topic.ordering);
        break;
    case 4:
        openPages(m_topic.keyFacts);
        break;
    case 5:
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
        loadQuestionSetFile(m_screens.module1(), m_topic.questionSet);
    } catch (const FileError &error) {
        // The menu stays as it is, so the pupil can choose something else.
        qCWarning(lcMenus) << error.what();
        m_screens.platform().messageBoxes.show(
            "The quiz questions for " + m_topic.title +
            " are missing or incomplete, so the quiz cannot start. Please ask your teacher.");
        return;
    }
    Multiple &quiz = m_screens.multiple();
    // The quiz works without its picture, and must never be left loaded but unshown.
    carryOn(quiz, [&] { quiz.Picture1->LoadPicture(m_topic.quizPicture); });
    quiz.Label5->setCaption("Kelvarin");
    quiz.show();
}

// Both page sets have two pages; the viewer finds the second by its name.
void TopicMenu::openPages(const QString &setName)
{
    Module1 &m = m_screens.module1();
    m.ViewerPageCount = 2;
    m.PageSetName = setName;
    Teacher &viewer = m_screens.teacher();
    carryOn(viewer, [&] { viewer.Image1->LoadPicture("wmf\\" + setName + "a.wmf"); });
    carryOn(viewer, [&] { viewer.Image2->LoadPicture("wmf2\\" + setName + "a.wmf"); });
    viewer.show();
}

void TopicMenu::openActivity(ActivityBoard &(Screens::*activity)())
{
    ActivityBoard &board = (m_screens.*activity)();
    board.Label6->setCaption(Label1->Caption());
    board.show();
}

TopicMenu &Screens::properties()
{
    return get<TopicMenu>("properties", propertiesTopic);
}
TopicMenu &Screens::irreversible()
{
    return get<TopicMenu>("irreversible", irreversibleTopic);
}
