// SPDX-License-Identifier: GPL-3.0-or-later
// Every screen used from the keyboard alone: Tab visits the live controls as the screen reads,
// and keys act through the same handlers as the mouse.
#include "activities/activityboard.h"
#include "app/titlefrm.h"
#include "menus/intro0.h"
#include "menus/topicmenu.h"
#include "platform/choicebutton.h"
#include "platform/commandbutton.h"
#include "quiz/namepicker.h"
#include "quiz_fixture.h"
#include "viewers/guide.h"
#include "worksheets/classrecordscreen.h"
#include "worksheets/recordsettings.h"
#include "worksheets/worksheets.h"

#include <QFile>
#include <QLineEdit>

namespace
{

class KeyboardTest : public QuizFixture
{
protected:
    QWidget &focused() const
    {
        QWidget *focus = stage->focusWidget();
        return focus ? *focus : *stage;
    }
    void key(Qt::Key which) { QTest::keyClick(&focused(), which); }

    // What a control says on the screen; an empty box by its role on a board.
    QString nameOf(const QWidget &control) const
    {
        if (const auto *board = qobject_cast<const ActivityBoard *>(control.parentWidget())) {
            for (int i = 0; i < board->count(); ++i) {
                if (&control == &board->Label1[i])
                    return "target " + QString::number(i);
                if (&control == &board->Label4[i])
                    return "home " + QString::number(i);
            }
        }
        if (const auto *label = qobject_cast<const Label *>(&control))
            return label->Caption();
        if (const auto *choice = qobject_cast<const ChoiceButton *>(&control))
            return choice->Caption();
        if (const auto *button = qobject_cast<const CommandButton *>(&control))
            return button->Caption();
        if (!control.accessibleName().isEmpty())
            return control.accessibleName();
        if (qobject_cast<const QLineEdit *>(&control))
            return "text box";
        return control.metaObject()->className();
    }

    // Tab from the bare screen round to where it started, then one Shift+Tab back.
    QStringList tabRound(Form &screen)
    {
        screen.setFocus();
        QStringList reached;
        const QWidget *first = nullptr;
        for (int step = 0; step < 40; ++step) {
            key(Qt::Key_Tab);
            if (&focused() == first)
                break;
            if (!first)
                first = &focused();
            reached << nameOf(focused());
        }
        key(Qt::Key_Backtab);
        EXPECT_EQ(nameOf(focused()), reached.value(reached.size() - 1)) << "Shift+Tab goes back";
        return reached;
    }
};

} // namespace

TEST_F(KeyboardTest, TabVisitsTheLiveControlsOfEachScreenInTheOrderTheScreenReads)
{
    QFile index(classroom.filePath("multiple/track.txt"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(" 13 \r\n");
    for (int n = 1; n <= 13; ++n)
        index.write("Sheet " + QByteArray::number(n) + "\r\n");
    index.close();

    struct Case {
        std::function<Form &()> open;
        QStringList order;
    };
    const Case cases[] = {
        {[&]() -> Form & {
             startProgram();
             return screens->titlefrm();
         },
         {"OK", "Exit"}},
        {[&]() -> Form & {
             Intro0 &menu = screens->intro0();
             menu.show();
             return menu;
         },
         // Greyed and hidden topics are passed by.
         {"Sound On", "Sound Off", "Teachers' Guide", "Properties of Materials",
          "Multiple Choice Wizard", "Worksheet Catalogue", "Changes in Materials",
          "Acknowledgments", "Exit"}},
        {[&]() -> Form & {
             screens->intro0().Label2_Click(Intro0::TeachersGuide);
             return screens->guide();
         },
         {"Print", "Next Page", "Exit"}}, // "Previous Page" is greyed on the first page
        {[&]() -> Form & {
             TopicMenu &menu = screens->properties();
             menu.show();
             return menu;
         },
         {"Key Facts", "Teacher's Notes", "Multiple Choice", "Labelling Activity",
          "Ordering Activity", "Exit"}},
        {[&]() -> Form & { return openQuiz(); },
         {"Print Worksheet", "wood", "steel", "glass", "plastic", "Next Question >>", "Exit"}},
        {[&]() -> Form & {
             ActivityBoard &board = screens->propertieslab();
             board.show();
             return board;
         },
         // The home boxes lie under their labels, out of sight and out of reach.
         {"target 1", "target 2", "target 3", "target 0", "Magnetic", "Waterproof", "Absorbent",
          "Electrical Conductor", "Start Again", "Exit"}},
        {[&]() -> Form & {
             ActivityBoard &board = screens->irreversibleord();
             board.Label2_Click(3); // "oxygen reacts with a fuel." to the second sentence
             board.Label1_Click(3);
             board.show();
             return board;
         },
         {"target 1", "oxygen reacts with a fuel.", "target 0", "target 4", "target 2", "target 5",
          "creates heat.", "irreversible change.", "home 3", "oxygen to make carbon dioxide.",
          "turns into new substances.", "chemical reaction.", "Start Again", "Exit"}},
        {[&]() -> Form & {
             Worksheets &catalogue = screens->worksheets();
             catalogue.show();
             return catalogue;
         },
         // The titles are a list down two columns.
         {"Edit Worksheet", "Delete Worksheet", "Sheet 1", "Sheet 2", "Sheet 3", "Sheet 4",
          "Sheet 5", "Sheet 6", "Sheet 7", "Sheet 8", "Sheet 9", "Sheet 10", "Sheet 11", "Sheet 12",
          "Sheet 13", "Class Record", "Exit"}},
        {[&]() -> Form & {
             RecordSettings &teachers = screens->recordSettings();
             teachers.open();
             return teachers;
         },
         // Tab leaves the class list rather than typing into it.
         {"Keep a class record", "Class list", "Save the List", "Show the Class Record",
          "Start a new record", "Change PIN", "Exit"}},
        {[&]() -> Form & {
             ClassRecordScreen &record = screens->classRecordScreen();
             record.open();
             return record;
         },
         // The tables take the arrow keys; Tab goes on from them.
         {"This Week", "This Term", "Everything", "Pupils and their scores", "Question analysis",
          "History", "Export", "Print", "Exit"}},
        {[&]() -> Form & {
             NamePicker &picker = screens->namePicker();
             picker.ask({"Amira", "Ben", "Chloe"}, [](const QString &) {});
             picker.Label3_Click(NamePicker::NotOnTheList);
             return picker;
         },
         // The name box, once a pupil is not on the list, comes after the names.
         {"Amira", "Ben", "Chloe", "Your first name", "OK", "Not on the list", "Exit"}},
    };
    for (const Case &c : cases) {
        Form &screen = c.open();
        EXPECT_EQ(tabRound(screen), c.order) << screen.metaObject()->className();
    }
}

TEST_F(KeyboardTest, KeysUseTheMouseHandlersAndActOnlyOnTheScreenInFront)
{
    Intro0 &menu = screens->intro0();
    menu.show();
    menu.setFocus();
    for (int step = 0; step < 4; ++step)
        key(Qt::Key_Tab);
    ASSERT_EQ(nameOf(focused()), "Properties of Materials");
    sound.played.clear();
    key(Qt::Key_Return);
    TopicMenu &topic = screens->properties();
    EXPECT_TRUE(topic.isVisible());
    EXPECT_EQ(sound.played, QStringList{"wav\\click.wav"});
    EXPECT_TRUE(topic.isAncestorOf(&focused()) || &focused() == &topic)
        << "the covered menu keeps no key";

    // Exit by Space: the menu beneath takes the keyboard back.
    for (int step = 0; step < 6; ++step)
        key(Qt::Key_Tab);
    ASSERT_EQ(nameOf(focused()), "Exit");
    key(Qt::Key_Space);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("properties"));
    EXPECT_TRUE(&focused() == &menu || menu.isAncestorOf(&focused()));
}
