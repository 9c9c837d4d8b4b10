// SPDX-License-Identifier: GPL-3.0-or-later
// A damaged classroom folder and failing handlers: each failure costs only what it must, is told
// once through a message box, and leaves the program usable.
#include "app/titlefrm.h"
#include "files/errors.h"
#include "hostilewmf.h"
#include "menus/intro0.h"
#include "menus/topicmenu.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/timer.h"
#include "programfixture.h"
#include "quiz/multiple.h"
#include "viewers/teacher.h"

#include <QTest>

namespace
{

class DamagedClassroom : public ProgramFixture
{
protected:
    TopicMenu &openTopic(int mainMenuEntry)
    {
        screens->intro0().Label2_Click(mainMenuEntry);
        return mainMenuEntry == 3 ? screens->properties() : screens->irreversible();
    }
    int reportsNaming(const QString &file) const
    {
        return static_cast<int>(messageBoxes.asked.filter(file).size());
    }
};

// The warnings logged meanwhile, each as "category: message".
class WarningLog
{
public:
    WarningLog() : m_previous(qInstallMessageHandler(collect)) { s_current = this; }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        s_current = nullptr;
    }
    QStringList lines;

private:
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg)
            s_current->lines << QString::fromUtf8(context.category) + ": " + message;
    }
    static inline WarningLog *s_current = nullptr;
    QtMessageHandler m_previous = nullptr;
};

// A screen that fails while it loads.
class FailingLoad : public Form
{
public:
    explicit FailingLoad(Screens &screens) : Form(screens.stage()) {}
    void Form_Load() override { throw FileError("probe.txt: damaged"); }
};

} // namespace

TEST_F(DamagedClassroom, AMissingMenuPictureCostsOnlyThePicture)
{
    classroom.writeFile("multiple/track.txt", " 1 \r\nRocks\r\n");
    classroom.remove("Images/lampsm.jpg");
    startProgram();
    EXPECT_TRUE(messageBoxes.asked.isEmpty()) << "the title screen does without its picture";
    screens->titlefrm().Command1_Click();
    clock.advance(1);
    EXPECT_EQ(settings().SoundOn, 1);
    EXPECT_EQ(worksheetList().WorksheetCount, 1) << "the index was still read";
    EXPECT_TRUE(screens->intro0().isVisible());
    EXPECT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_EQ(reportsNaming("lampsm.jpg"), 1);
}

// Both copies of a page replaced by one that would take minutes to draw: one message names them,
// and the viewer pages on and closes as ever.
TEST_F(DamagedClassroom, APageTooComplexToShowIsToldOnceAndTheViewerGoesOn)
{
    const QByteArray page = hostile::crossingPolygon(20000);
    classroom.writeFile("wmf/key propertiesa.wmf", page);
    classroom.writeFile("wmf2/key propertiesa.wmf", page);
    startProgram();
    TopicMenu &topic = openTopic(3);
    runHandler(topic, [&] { topic.label3_Click(4); });
    ASSERT_EQ(messageBoxes.asked.size(), 1);
    const QString told = messageBoxes.asked.front();
    EXPECT_EQ(told.count("key propertiesa.wmf: This page is too complex to show."), 2)
        << told.toStdString();
    Teacher &viewer = screens->teacher();
    viewer.Label3_Click(2);
    EXPECT_EQ(viewer.Image1->pictureFile(), "wmf\\key propertiesb.wmf");
    viewer.Label3_Click(1);
    EXPECT_FALSE(screens->isLoaded("teacher"));
    EXPECT_EQ(messageBoxes.asked.size(), 1);
}

// Without the fix the quiz stayed loaded but unshown, and the other topic's quiz then showed this
// topic's title and first question while scoring with the other's answers.
TEST_F(DamagedClassroom, AMissingQuizPictureStillOpensTheRightQuiz)
{
    startProgram();
    screens->titlefrm().Command1_Click();
    classroom.remove("Images/ironbridgesm.jpg");
    openTopic(3).label3_Click(0);
    Multiple &first = screens->multiple();
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(first.Label6->Caption(), "Properties of Materials");
    EXPECT_EQ(first.Label5->Caption(), "Kelvarin");
    EXPECT_EQ(reportsNaming("ironbridgesm.jpg"), 1);
    first.Label3_Click(2);
    finishHandlers();

    openTopic(12).label3_Click(0);
    Multiple &second = screens->multiple();
    EXPECT_EQ(second.Label6->Caption(), "Changes in Materials");
    EXPECT_EQ(second.Label2->Caption(), session().QuestionText[1]);
}

TEST_F(DamagedClassroom, AMissingCandleFrameIsToldOnceAndStopsTheCandle)
{
    startProgram();
    screens->titlefrm().Command1_Click();
    classroom.remove("candle/dscn3360.jpg");
    TopicMenu &changes = openTopic(12);
    clock.advance(75 * 23 * 3);
    EXPECT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_EQ(reportsNaming("dscn3360.jpg"), 1);
    EXPECT_FALSE(clock.isRunning(*changes.Timer1));
    EXPECT_EQ(frames().CandleFrame, 3360);
    changes.label3_Click(0);
    EXPECT_TRUE(screens->multiple().isVisible()) << "the menu still works";
}

TEST_F(DamagedClassroom, AScreenWhoseLoadFailsIsBuiltAfreshNextTime)
{
    EXPECT_THROW(screens->get<FailingLoad>("probe"), FileError);
    EXPECT_FALSE(screens->isLoaded("probe"));
    EXPECT_THROW(screens->get<FailingLoad>("probe"), FileError);
}

// A failure escaping a handler that a real click runs is told once; the next click runs again.
TEST_F(DamagedClassroom, AFailingClickIsToldOnceAndTheScreenGoesOn)
{
    stage->show();
    Intro0 &menu = screens->intro0();
    menu.show();
    messageBoxes.asked.clear();
    int clicks = 0;
    Label &entry = menu.Label2[16];
    entry.onClick = [&] {
        ++clicks;
        throw FileError("wav/click.wav: damaged");
    };
    QTest::mouseClick(&entry, Qt::LeftButton);
    QTest::mouseClick(&entry, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(messageBoxes.asked.size(), 2);
    EXPECT_TRUE(messageBoxes.asked.front().contains("wav/click.wav: damaged"));
}

// A fault in the program itself is told as one, never as a file that may be missing; a file that
// failed keeps its own words.
TEST_F(DamagedClassroom, AFaultInsideTheProgramIsNotToldAsAMissingFile)
{
    stage->show();
    Intro0 &menu = screens->intro0();
    menu.show();
    messageBoxes.asked.clear();
    Label &entry = menu.Label2[16];
    entry.onClick = [] { throw IndexError("WorksheetTitles(1001) is outside 1 to 1000"); };
    QTest::mouseClick(&entry, Qt::LeftButton);
    entry.onClick = [] { throw FileError("wav/click.wav: damaged"); };
    QTest::mouseClick(&entry, Qt::LeftButton);
    EXPECT_EQ(messageBoxes.asked,
              (QStringList{"Something went wrong inside Kelvarin, so it could not finish what was "
                           "asked of it:\n\nWorksheetTitles(1001) is outside 1 to 1000\n\nThis "
                           "is a fault in Kelvarin itself, not a missing file. Please tell "
                           "whoever looks after this computer what it says above.",
                           "Kelvarin could not finish what was asked of it:\n\nwav/click.wav: "
                           "damaged\n\nA file it needs may be missing or damaged. Installing "
                           "Kelvarin again puts its own files back; your worksheets are kept."}));
}

// A technician follows one part of the program: a handler's failure is logged under the folder of
// the screen it failed on.
TEST_F(DamagedClassroom, AFailingHandlerIsLoggedUnderItsScreensFolder)
{
    startProgram();
    screens->titlefrm().Command1_Click();
    openTopic(3).label3_Click(0);
    Multiple &quiz = screens->multiple();
    Intro0 &menu = screens->intro0();
    WarningLog log;
    quiz.Label1->onClick = [] { throw FileError("quiz.txt: damaged"); };
    QTest::mouseClick(quiz.Label1, Qt::LeftButton);
    runHandler(menu, [] { throw IndexError("Label2(99) is outside 0 to 16"); });
    EXPECT_EQ(log.lines.join('\n').toStdString(),
              "kelvarin.quiz: quiz.txt: damaged\n"
              "kelvarin.menus: Internal fault: Label2(99) is outside 0 to 16");
}
