// SPDX-License-Identifier: GPL-3.0-or-later
// The Multiple Choice Wizard as a teacher uses it: the checks before a save, the file a save
// writes, the titles that can't name a file, and the keyboard.
#include "worksheets_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <functional>

namespace
{

using WizardTest = WorksheetsFixture;

const QString saveFailed = "There was a problem saving your worksheet";

} // namespace

TEST_F(WizardTest, ChecksStopAtTheFirstGapInTheirOrderAndWriteNothing)
{
    const struct {
        const char *what;
        std::function<void(Wizard &)> change;
        QString message;
    } rows[] = {
        {"no title, nothing else",
         [](Wizard &w) {
             w.Text1->setText("");
             w.Text2[0].setText("");
         },
         "You have not chosen a title for your worksheet"},
        {"question 3 empty", [](Wizard &w) { w.Text2[2].setText(""); },
         "You have not completed Question 3"},
        {"answer C of 3 empty, 7 unticked",
         [](Wizard &w) {
             w.Text3[10].setText("");
             w.Check1[24].setValue(0);
         },
         "You have not completed Question 3"},
        {"answer D of 5 empty, 5 unticked",
         [](Wizard &w) {
             w.Text3[19].setText("");
             w.Check1[17].setValue(0);
         },
         "You have not completed Question 5"},
        {"question 2 unticked", [](Wizard &w) { w.Check1[4].setValue(0); },
         "You have not ticked the correct answer for Question 2"},
        {"two ticks on 1, none on 2",
         [](Wizard &w) {
             w.Check1[0].setValue(1);
             w.Check1[4].setValue(0);
         },
         "You have ticked more than one correct answer for Question 1"},
        {"all four ticked on 10",
         [](Wizard &w) {
             for (int i = 36; i < 40; ++i)
                 w.Check1[i].setValue(1);
         },
         "You have ticked more than one correct answer for Question 10"},
    };
    const QStringList before = everyFile();
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        fillWizard("Magnets");
        row.change(screens->wizard());
        messageBoxes.asked.clear();
        click(screens->wizard().Label3[1]);
        EXPECT_EQ(messageBoxes.asked, QStringList{row.message});
        EXPECT_EQ(everyFile(), before);
    }
}

// The layout the wizard is to write: the title, a blank line, then for each question its text,
// answers A to D, the ticked answer's digit and a blank line; commas stored as "&", lines ended
// CR LF, text in Windows-1252.
TEST_F(WizardTest, SavingWritesTheSetLineByLineAndListsTheTitleOnce)
{
    fillWizard("Rocks, soils & metals");
    Wizard &wizard = screens->wizard();
    wizard.Text2[0].setText("Which, of these, is magnetic?");
    wizard.Text3[1].setText("steel & iron, both");
    wizard.Text3[2].setText("glass (café)");
    click(wizard.Label3[1]);
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your worksheet has been saved."});

    QByteArray expected = "Rocks& soils & metals\r\n \r\n";
    for (int q = 0; q < 10; ++q) {
        for (int k = 0; k < 5; ++k)
            expected += QByteArray(sampleSet[q][k]) + "\r\n";
        expected += QByteArray(sampleSet[q][5]) + "\r\n \r\n";
    }
    expected.replace("Which of these materials is magnetic?", "Which& of these& is magnetic?");
    expected.replace("\r\nsteel\r\n", "\r\nsteel & iron& both\r\n");
    expected.replace("\r\nglass\r\nplastic", "\r\nglass (caf\xE9)\r\nplastic");
    EXPECT_EQ(fileBytes("multiple/Rocks, soils & metals.txt"), expected);
    const QByteArray index = " 1 \r\n\"Rocks, soils & metals\"\r\n";
    EXPECT_EQ(fileBytes("multiple/track.txt"), index);
    EXPECT_TRUE(wizard.isVisible()) << "the wizard stays open to save again";
    EXPECT_EQ(sound.played.last(), "wav\\click.wav");

    wizard.Text3[39].setText("brick wall");
    click(wizard.Label3[1]);
    EXPECT_TRUE(
        fileBytes("multiple/Rocks, soils & metals.txt").endsWith("brick wall\r\n1\r\n \r\n"));
    EXPECT_EQ(fileBytes("multiple/track.txt"), index) << "a title already listed is kept once";
}

// A title names its file in a folder that Windows machines may share too.
TEST_F(WizardTest, TitlesThatCantNameAFileAreRefusedBeforeAnythingIsWritten)
{
    const char *const refused[] = {
        "Rocks/Soils", "..\\..\\Rocks", "../escaped", "Time: 10:30", "Stars*", "Why?", "Say \"hi\"",
        "<Metals>",    "Wood|Glass",    "Tab\there",  "Bell\a",      ".",      "...",  "CON",
        "nul.txt",     "Com1 ",         "LPT9.notes", "track",       "TRACK",
    };
    const char *const accepted[] = {"   ",     ".hidden", "Rocks.",
                                    "Console", "track 2", "Über Kräfte €"};
    fillWizard("");
    Wizard &wizard = screens->wizard();
    const QStringList before = everyFile();
    for (const char *title : refused) {
        SCOPED_TRACE(title);
        wizard.Text1->setText(QString::fromUtf8(title));
        messageBoxes.asked.clear();
        click(wizard.Label3[1]);
        ASSERT_EQ(messageBoxes.asked.size(), 1);
        EXPECT_TRUE(messageBoxes.asked[0].startsWith(saveFailed + "\n"));
        EXPECT_EQ(everyFile(), before);
    }
    for (const char *title : accepted) {
        SCOPED_TRACE(title);
        wizard.Text1->setText(QString::fromUtf8(title));
        messageBoxes.asked.clear();
        click(wizard.Label3[1]);
        EXPECT_EQ(messageBoxes.asked, QStringList{"Your worksheet has been saved."});
        EXPECT_TRUE(
            QFile::exists(classroom.filePath("multiple/" + QString::fromUtf8(title) + ".txt")));
    }
    WorksheetList listed;
    readIndex(classroom.folder(), listed);
    EXPECT_EQ(listed.WorksheetCount, static_cast<int>(std::size(accepted)));
}

// A save the index can't take writes no worksheet file that the catalogue couldn't reach.
TEST_F(WizardTest, SaveFailuresSayWhyKeepTheWizardOpenAndLeaveNoUnlistedFile)
{
    fillWizard("Magnets");
    writeFile("multiple/track.txt", " 3 \r\nOnly one\r\n");
    click(screens->wizard().Label3[1]);
    ASSERT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_TRUE(messageBoxes.asked[0].startsWith(saveFailed + "\nThe worksheet index is damaged"))
        << messageBoxes.asked[0].toStdString();
    EXPECT_TRUE(messageBoxes.asked[0].contains("\"Rebuild the list\""));
    EXPECT_EQ(fileBytes("multiple/track.txt"), " 3 \r\nOnly one\r\n");
    EXPECT_FALSE(QFile::exists(classroom.filePath("multiple/Magnets.txt")));

    writeIndex(1000);
    messageBoxes.asked.clear();
    click(screens->wizard().Label3[1]);
    EXPECT_EQ(messageBoxes.asked,
              QStringList{saveFailed + "\nThe list of worksheets is full: it holds 1000 "
                                       "worksheets. Delete one that is no longer needed, then "
                                       "save again."});
    EXPECT_FALSE(QFile::exists(classroom.filePath("multiple/Magnets.txt")));
    EXPECT_TRUE(screens->wizard().isVisible());
}

// One title, one file: a new worksheet named like another in any letter case asks before it
// replaces it, and never replaces a topic's own quiz.
TEST_F(WizardTest, ANewWorksheetReplacesOneOfTheSameNameOnlyWhenTheTeacherAgrees)
{
    fillWizard("rocks");
    click(screens->wizard().Label3[1]);
    const QByteArray first = fileBytes("multiple/rocks.txt");
    const QByteArray topicQuiz = "the topic's own quiz";
    writeFile("multiple/Properties of Materials.txt", topicQuiz);
    screens->unload(screens->wizard());
    finishHandlers();

    fillWizard("ROCKS");
    Wizard &wizard = screens->wizard();
    wizard.Text2[0].setText("A second worksheet");
    const QString replace =
        "A worksheet called \"rocks\" already exists. Do you want to replace it?";
    messageBoxes.asked.clear();
    messageBoxes.answers = {MsgResult::Cancel, MsgResult::Ok};
    click(wizard.Label3[1]);
    EXPECT_EQ(messageBoxes.asked, QStringList{replace});
    EXPECT_EQ(fileBytes("multiple/rocks.txt"), first);
    click(wizard.Label3[1]);
    EXPECT_EQ(messageBoxes.asked,
              (QStringList{replace, replace, "Your worksheet has been saved."}));
    EXPECT_TRUE(fileBytes("multiple/rocks.txt").contains("A second worksheet"));
    EXPECT_EQ(fileBytes("multiple/track.txt"), " 1 \r\nrocks\r\n");
    messageBoxes.asked.clear();
    click(wizard.Label3[1]);
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your worksheet has been saved."})
        << "saving again replaces its own worksheet without asking";

    for (const QString title : {"Properties of Materials", "changes in MATERIALS"}) {
        wizard.Text1->setText(title);
        messageBoxes.asked.clear();
        click(wizard.Label3[1]);
        ASSERT_EQ(messageBoxes.asked.size(), 1);
        EXPECT_TRUE(messageBoxes.asked[0].startsWith(saveFailed + "\nThe title " + title +
                                                     " belongs to the topic's own quiz"));
    }
    EXPECT_EQ(fileBytes("multiple/Properties of Materials.txt"), topicQuiz);
    EXPECT_EQ(QDir(classroom.filePath("multiple")).entryList(QDir::Files, QDir::Name),
              (QStringList{"Changes in Materials.txt", "Properties of Materials.txt", "rocks.txt",
                           "track.txt"}));
}

TEST_F(WizardTest, BoxesTakeInOnlyWhatTheFilesCanStore)
{
    Wizard &wizard = screens->wizard();
    wizard.show();
    QLineEdit *question = wizard.Text2[0].editor();
    QTest::keyClicks(question, "Ice");
    for (const QString typed : {"Ω", "😀", "€", "é", "日"})
        QTest::sendKeyEvent(QTest::Click, question, Qt::Key_unknown, typed, Qt::NoModifier);
    EXPECT_EQ(wizard.Text2[0].Text(), "Ice€é");

    QGuiApplication::clipboard()->setText("Snow ☃ & café 🙂, ok");
    QLineEdit *answer = wizard.Text3[0].editor();
    QTest::keyClick(answer, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(wizard.Text3[0].Text(), "Snow  & café , ok");

    // Text the program puts in stays whole, as with the length limits.
    wizard.Text1->setText("A title of more than twenty-five letters");
    EXPECT_EQ(wizard.Text1->Text(), "A title of more than twenty-five letters");
}

TEST_F(WizardTest, EditingFillsEveryBoxAndTicksNothingForAnAnswerNumberOutsideOneToFour)
{
    session().CurrentSetTitle = "Magnets, old";
    for (int n = 1; n <= 10; ++n) {
        session().QuestionText[n] = sampleSet[n - 1][0];
        session().AnswerA[n] = sampleSet[n - 1][1];
        session().AnswerB[n] = sampleSet[n - 1][2];
        session().AnswerC[n] = sampleSet[n - 1][3];
        session().AnswerD[n] = sampleSet[n - 1][4];
        session().CorrectAnswer[n] = sampleSet[n - 1][5];
    }
    session().CorrectAnswer[3] = "7";
    session().CorrectAnswer[4] = " 4 ";
    Wizard &wizard = screens->wizard();
    wizard.editworksheet("Magnets");
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_EQ(wizard.Text1->Text(), "Magnets, old");
    EXPECT_EQ(wizard.Text2[9].Text(), sampleSet[9][0]);
    EXPECT_EQ(wizard.Text3[4 * 9 + 3].Text(), sampleSet[9][4]);
    QStringList ticks;
    for (int q = 0; q < 10; ++q) {
        QString row;
        for (int a = 0; a < 4; ++a)
            row += wizard.Check1[4 * q + a].Value() ? QChar('A' + a) : QChar('-');
        ticks.append(row);
    }
    EXPECT_EQ(ticks, (QStringList{"-B--", "A---", "----", "---D", "-B--", "--C-", "A---", "---D",
                                  "-B--", "A---"}));
}

// Keys go where a real keyboard sends them: to the box that has the focus.
TEST_F(WizardTest, EnterAndTabMoveThroughTheBoxesInTheirOrder)
{
    screens->intro0().show();
    Wizard &wizard = screens->wizard();
    wizard.show();
    auto press = [this](Qt::Key key) { QTest::keyClick(stage->focusWidget(), key); };
    auto focused = [this]() -> const QWidget * { return stage->focusWidget(); };
    EXPECT_EQ(focused(), wizard.Text1->editor()) << "the title box is ready for typing";

    QTest::keyClicks(stage->focusWidget(), "Rocks");
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), wizard.Text2[0].editor());
    press(Qt::Key_Return);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(focused(), wizard.Text3[i].editor()) << "answer " << i;
        press(Qt::Key_Enter);
    }
    EXPECT_EQ(focused(), wizard.Text2[1].editor());
    EXPECT_EQ(wizard.Text1->Text(), "Rocks") << "Enter changes no text";

    wizard.Text3[19].SetFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), wizard.Text2[5].editor()) << "from question 5 to question 6";
    wizard.Text3[39].SetFocus();
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), wizard.Text3[39].editor());

    // Tab reaches each tick after its answer, and goes round the wizard only.
    wizard.Text1->SetFocus();
    const QWidget *expected[] = {wizard.Text2[0].editor(), wizard.Text3[0].editor(),
                                 &wizard.Check1[0], wizard.Text3[1].editor()};
    for (const QWidget *next : expected) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
    wizard.Check1[39].setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(wizard.Check1[39].Value(), 1);
    // Then the buttons along the bottom, and round to the title.
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), &wizard.Label3[Wizard::SaveWorksheet]);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), &wizard.Label3[Wizard::Exit]);
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), wizard.Text1->editor());
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), &wizard.Label3[Wizard::Exit]);
}
