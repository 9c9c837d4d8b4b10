// SPDX-License-Identifier: GPL-3.0-or-later
// The Worksheets Catalogue with the main menu and the wizard: a worksheet written, listed, run,
// edited and deleted; paging through the index; worksheets whose files are gone or damaged.
#include "app/titlefrm.h"
#include "platform/optionbutton.h"
#include "quiz/questionset.h"
#include "worksheets_fixture.h"

namespace
{

using CatalogueTest = WorksheetsFixture;

const QString corrupted = "This worksheet seems to be corrupted.";

QStringList numberedTitles(int first, int last)
{
    QStringList titles;
    for (int n = first; n <= last; ++n)
        titles.append("Worksheet " + QString::number(n));
    return titles;
}

} // namespace

TEST_F(CatalogueTest, AWorksheetIsWrittenListedRunEditedAndDeletedWithItsFileKept)
{
    startProgram();
    screens->titlefrm().Command1_Click();
    Intro0 &menu = screens->intro0();
    click(menu.Label2[17]);
    Wizard &wizard = screens->wizard();
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_TRUE(menu.isVisible()) << "the menu stays loaded behind the wizard";
    fillWizard("Magnets");
    click(wizard.Label3[1]);
    click(wizard.Label3[0]);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("wizard")) << "Exit discards the wizard";

    click(*screens->intro0().Option2);
    sound.played.clear();
    click(screens->intro0().Label2[18]);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("intro0"));
    EXPECT_EQ(sound.played, QStringList{}) << "sound was off";
    Worksheets &catalogue = screens->worksheets();
    EXPECT_TRUE(catalogue.isVisible());
    EXPECT_EQ(visibleSlots(), QStringList{"Magnets"});

    click(catalogue.Label2[1]);
    Multiple &quiz = screens->multiple();
    EXPECT_TRUE(quiz.isVisible());
    EXPECT_EQ(quiz.Label5->Caption(), "Kelvarin");
    EXPECT_EQ(quiz.Label6->Caption(), "Magnets");
    EXPECT_EQ(quiz.Label2->Caption(), sampleSet[0][0]);
    EXPECT_EQ(quiz.Picture1->pictureFile(), "Images\\lampsm.jpg") << "the main menu's picture";
    EXPECT_FALSE(screens->isLoaded("intro0")) << "no main menu is made behind the catalogue";
    EXPECT_EQ(settings().SoundOn, 0) << "the sound stays off as the teacher left it";
    for (QChar step : QString(allRight)) {
        if (step == '>')
            click(screens->multiple().Label3[1]);
        else
            QTest::mouseClick(&screens->multiple().Option1[step.digitValue()], Qt::LeftButton, {},
                              {8, 16});
    }
    finishHandlers();
    EXPECT_EQ(session().Score, 10);
    click(screens->welldone().Label3[1]);
    finishHandlers();
    EXPECT_TRUE(catalogue.isVisible()) << "the results' Exit uncovers the catalogue";

    click(*catalogue.Check1);
    click(catalogue.Label2[1]);
    Wizard &editor = screens->wizard();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.Text1->Text(), "Magnets");
    for (int q = 0; q < 10; ++q) {
        EXPECT_EQ(editor.Text2[q].Text(), sampleSet[q][0]);
        for (int a = 0; a < 4; ++a) {
            EXPECT_EQ(editor.Text3[4 * q + a].Text(), sampleSet[q][a + 1]);
            EXPECT_EQ(editor.Check1[4 * q + a].Value(), a + 1 == QString(sampleSet[q][5]).toInt());
        }
    }
    click(editor.Label3[0]);
    finishHandlers();

    click(*catalogue.Check2);
    EXPECT_EQ(catalogue.Check1->Value(), 0) << "one mode at a time";
    messageBoxes.asked.clear();
    messageBoxes.answers = {MsgResult::Cancel, MsgResult::Ok};
    click(catalogue.Label2[1]);
    EXPECT_EQ(visibleSlots(), QStringList{"Magnets"});
    click(catalogue.Label2[1]);
    EXPECT_EQ(messageBoxes.asked,
              QStringList(2, "Are you sure that you want to delete the worksheet Magnets?"));
    EXPECT_EQ(visibleSlots(), QStringList{});
    EXPECT_EQ(fileBytes("multiple/track.txt"), " 0 \r\n");
    EXPECT_TRUE(QFile::exists(classroom.filePath("multiple/Magnets.txt"))) << "only the entry goes";

    click(catalogue.Label2[0]);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("worksheets"));
    EXPECT_TRUE(screens->intro0().isVisible());
    EXPECT_TRUE(screens->intro0().Option1->Value()) << "a fresh menu has sound on";
    EXPECT_EQ(settings().SoundOn, 1);
}

TEST_F(CatalogueTest, PagesOfTwentyFourWithNextPageUntilTheLastPage)
{
    const struct {
        int count, pages;
    } rows[] = {{0, 1}, {24, 1}, {25, 2}, {1000, 42}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.count);
        writeIndex(row.count);
        Worksheets &catalogue = screens->worksheets();
        int page = 1;
        for (;;) {
            SCOPED_TRACE(page);
            EXPECT_EQ(catalogue.Label4->Caption(), "Page " + QString::number(page));
            EXPECT_EQ(catalogue.Label3[0].Visible(), page > 1);
            EXPECT_EQ(visibleSlots(),
                      numberedTitles(24 * page - 23, std::min(24 * page, row.count)));
            if (!catalogue.Label3[1].Visible())
                break;
            click(catalogue.Label3[1]);
            ++page;
        }
        EXPECT_EQ(page, row.pages);
        if (page > 1) {
            click(catalogue.Label3[0]);
            EXPECT_EQ(visibleSlots(), numberedTitles(24 * page - 47, 24 * page - 24));
            EXPECT_TRUE(catalogue.Label3[1].Visible());
        }
        screens->unload(catalogue);
        finishHandlers();
    }
}

TEST_F(CatalogueTest, DeletingMovesTheLaterTitlesUpAndLeavesThePageButtonsAlone)
{
    writeIndex(30);
    Worksheets &catalogue = screens->worksheets();
    click(*catalogue.Check2);
    messageBoxes.answers = {MsgResult::Ok};
    click(catalogue.Label2[1]);
    EXPECT_EQ(visibleSlots(), numberedTitles(2, 25)) << "the next page's first moves into slot 24";
    EXPECT_TRUE(catalogue.Label3[1].Visible());

    click(catalogue.Label3[1]);
    EXPECT_EQ(visibleSlots(), numberedTitles(26, 30));
    messageBoxes.answers = {MsgResult::Ok, MsgResult::Ok, MsgResult::Ok, MsgResult::Ok,
                            MsgResult::Ok};
    for (int i = 0; i < 5; ++i)
        click(catalogue.Label2[1]);
    EXPECT_EQ(visibleSlots(), QStringList{}) << "the emptied last page stays";
    EXPECT_TRUE(catalogue.Label3[0].Visible());
    EXPECT_EQ(catalogue.Label4->Caption(), "Page 2");
    WorksheetList listed;
    readIndex(classroom.folder(), listed);
    EXPECT_EQ(listed.WorksheetCount, 24);
    EXPECT_EQ(listed.WorksheetTitles[24], "Worksheet 25");
}

// Run and edit refuse a worksheet that can't be read; delete still takes its entry away. A
// worksheet whose only fault is a correct answer outside 1 to 4 opens for editing, unticked there.
TEST_F(CatalogueTest, BrokenWorksheetsCantBeRunButCanBeDeletedAndABadTickCanBeMended)
{
    fillWizard("Good");
    click(screens->wizard().Label3[1]);
    screens->unload(screens->wizard());
    const QByteArray good = fileBytes("multiple/Good.txt");
    writeFile("multiple/Short.txt", good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2));
    QByteArray badAnswer = good;
    badAnswer.replace("\r\n2\r\n \r\n", "\r\n7\r\n \r\n");
    writeFile("multiple/Bad answer.txt", badAnswer);
    writeFile("Escape.txt", good);
    writeFile("multiple/track.txt", " 4 \r\nMissing\r\nShort\r\nBad answer\r\n../Escape\r\n");
    messageBoxes.asked.clear();

    Worksheets &catalogue = screens->worksheets();
    for (CheckBox *mode : {static_cast<CheckBox *>(nullptr), catalogue.Check1}) {
        if (mode)
            click(*mode);
        for (int slot = 1; slot <= 4; ++slot) {
            SCOPED_TRACE(catalogue.Label2[slot].Caption().toStdString());
            messageBoxes.asked.clear();
            click(catalogue.Label2[slot]);
            if (mode && slot == 3) {
                EXPECT_EQ(messageBoxes.asked, QStringList{});
                int ticks = 0;
                for (int i = 0; i < 40; ++i)
                    ticks += screens->wizard().Check1[i].Value();
                EXPECT_EQ(ticks, 10 - badAnswer.count("\r\n7\r\n \r\n"));
                screens->unload(screens->wizard());
                finishHandlers();
                continue;
            }
            ASSERT_EQ(messageBoxes.asked.size(), 1);
            EXPECT_TRUE(messageBoxes.asked[0].startsWith(corrupted + "\n"));
            EXPECT_FALSE(screens->isLoaded("multiple") || screens->isLoaded("wizard"));
        }
    }
    click(*catalogue.Check2);
    messageBoxes.asked.clear();
    for (int i = 0; i < 4; ++i)
        click(catalogue.Label2[1]);
    EXPECT_EQ(messageBoxes.asked.size(), 4) << "only the questions";
    EXPECT_EQ(fileBytes("multiple/track.txt"), " 0 \r\n");
    EXPECT_TRUE(QFile::exists(classroom.filePath("multiple/Short.txt")));
}

// "&" reads back as ",", yet an edited worksheet saved under the title it showed stays the one
// worksheet; the catalogue beneath shows the list as saved.
TEST_F(CatalogueTest, AnEditedWorksheetKeepsItsTitleAndTheCatalogueShowsWhatWasSaved)
{
    fillWizard("Salt & water");
    click(screens->wizard().Label3[1]);
    screens->unload(screens->wizard());
    finishHandlers();
    Worksheets &catalogue = screens->worksheets();
    EXPECT_FALSE(catalogue.Label5->Visible());
    click(*catalogue.Check1);
    click(catalogue.Label2[1]);
    Wizard &editor = screens->wizard();
    EXPECT_EQ(editor.Text1->Text(), "Salt , water");
    messageBoxes.asked.clear();
    click(editor.Label3[1]);
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your worksheet has been saved."});
    EXPECT_EQ(fileBytes("multiple/track.txt"), " 1 \r\nSalt & water\r\n");
    EXPECT_FALSE(QFile::exists(classroom.filePath("multiple/Salt , water.txt")));

    editor.Text1->setText("Salt and water");
    click(editor.Label3[1]);
    EXPECT_EQ(visibleSlots(), (QStringList{"Salt & water", "Salt and water"}));
}

// An index that can't be changed is offered for rebuilding; nothing listed or saved is lost, and
// deleting works again.
TEST_F(CatalogueTest, ADamagedIndexIsRebuiltFromWhatItHoldsAndTheWorksheetFiles)
{
    fillWizard("Rocks");
    click(screens->wizard().Label3[1]);
    screens->unload(screens->wizard());
    finishHandlers();
    writeFile("multiple/Ice.txt", fileBytes("multiple/Rocks.txt"));
    const QByteArray damaged = " 3 \r\nRocks\r\nSoils, sand\r\n";
    writeFile("multiple/track.txt", damaged);

    Worksheets &catalogue = screens->worksheets();
    EXPECT_EQ(visibleSlots(), (QStringList{"Rocks", "Soils, sand"}));
    EXPECT_TRUE(catalogue.Label5->Visible());
    click(*catalogue.Check2);
    messageBoxes.asked.clear();
    click(catalogue.Label2[1]);
    ASSERT_EQ(messageBoxes.asked.size(), 2);
    EXPECT_TRUE(messageBoxes.asked[1].startsWith(
        "The list of worksheets is damaged, so the worksheet Rocks can't be deleted.\n"))
        << messageBoxes.asked[1].toStdString();

    messageBoxes.asked.clear();
    click(*catalogue.Label5);
    EXPECT_EQ(messageBoxes.asked,
              QStringList{"The list of worksheets has been rebuilt; it lists 3 worksheets. The old "
                          "list is kept as multiple/track.txt.bak."});
    EXPECT_EQ(fileBytes("multiple/track.txt.bak"), damaged);
    EXPECT_EQ(visibleSlots(), (QStringList{"Rocks", "Soils, sand", "Ice"}));
    EXPECT_FALSE(catalogue.Label5->Visible());
    click(catalogue.Label2[1]);
    EXPECT_EQ(fileBytes("multiple/track.txt"), " 2 \r\n\"Soils, sand\"\r\nIce\r\n");
}
