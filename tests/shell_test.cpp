// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the title screen, the backdrop and the main menu, driven as a pupil or teacher would.
#include "app/grey.h"
#include "app/titlefrm.h"
#include "menus/intro0.h"
#include "menus/topicmenu.h"
#include "platform/commandbutton.h"
#include "platform/frame.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "programfixture.h"

#include <QFile>
#include <QTest>

namespace
{

const QString click = "wav\\click.wav";

// Which of two sibling screens is drawn in front.
bool inFront(QWidget *front, QWidget *back)
{
    const auto children = front->parentWidget()->children();
    return children.indexOf(front) > children.indexOf(back);
}

class ShellTest : public ProgramFixture
{
protected:
    // Start-up, then "OK", leaving the main menu as the hub.
    Intro0 &openMainMenu()
    {
        startProgram();
        screens->titlefrm().Command1_Click();
        finishHandlers();
        return screens->intro0();
    }
};

} // namespace

TEST_F(ShellTest, StartsWithTheTitleScreenCentredInFrontOfTheBackdrop)
{
    startProgram();
    Titlefrm &title = screens->titlefrm();
    Grey &grey = screens->grey();
    EXPECT_TRUE(title.isVisible());
    EXPECT_TRUE(grey.isVisible());
    EXPECT_TRUE(inFront(&title, &grey));
    EXPECT_FALSE(screens->isLoaded("intro0"));
    // 1024 x 768 pixels is 15360 x 11520 twips.
    EXPECT_EQ(title.Left(), 15360 / 2 - 5460 / 2);
    EXPECT_EQ(title.Top(), 11520 / 2 - 6570 / 2);
    EXPECT_EQ(title.Command1->Caption(), "OK");
    EXPECT_FALSE(title.Picture1->picture().isNull());
    EXPECT_EQ(title.Label4->Caption(), "Kelvarin");
    EXPECT_EQ(settings().SoundOn, 0);
}

TEST_F(ShellTest, ExitAtStartUpEndsTheProgramWithoutAClick)
{
    startProgram();
    QTest::mouseClick(screens->titlefrm().Command2, Qt::LeftButton);
    EXPECT_EQ(endProgramCalls, 1);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ShellTest, OkOpensTheMainMenuWithSoundOnAndClicks)
{
    startProgram();
    QTest::mouseClick(screens->titlefrm().Command1, Qt::LeftButton);
    EXPECT_FALSE(screens->isLoaded("Titlefrm"));
    Intro0 &menu = screens->intro0();
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(settings().SoundOn, 1);
    EXPECT_TRUE(menu.Option1->Value());
    EXPECT_EQ(sound.played, QStringList{click});
}

TEST_F(ShellTest, WithoutItsPictureTheTitleScreenIsStyledLikeTheOthers)
{
    classroom.remove("Images/lampsm.jpg");
    startProgram();
    Titlefrm &title = screens->titlefrm();
    EXPECT_EQ(title.Width(), 12000);
    EXPECT_EQ(title.BackColor(), QColor(0, 78, 152));
    EXPECT_EQ(title.Picture1->BackColor(), QColor(49, 135, 214));
    EXPECT_TRUE(messageBoxes.asked.isEmpty());
    EXPECT_TRUE(title.Frame1->isVisible());
}

TEST_F(ShellTest, MainMenuEntriesAreAsDesigned)
{
    Intro0 &menu = openMainMenu();
    struct Expect {
        int index;
        QString caption;
        TwipsRect place;
        float size;
        QColor back;
        bool enabled, visible;
    };
    const QColor navy(0, 0, 128), black(0, 0, 0);
    const Expect expected[] = {
        {20, "Teachers' Guide", {120, 1080, 3195, 495}, 14.25f, navy, true, true},
        {13, "Introduction", {1800, 2280, 3195, 375}, 12, black, false, true},
        {0, "Materials from Animals", {120, 3720, 3195, 375}, 12, black, false, true},
        {3, "Properties of Materials", {120, 5160, 3195, 375}, 12, black, true, true},
        {12, "Changes in Materials", {3480, 6600, 3195, 375}, 12, black, true, true},
        {2, "Appearance of Materials", {3480, 7680, 3195, 375}, 12, black, false, false},
        {11, "Reversible Changes", {4680, 7680, 3195, 375}, 12, black, false, false},
        {17, "Multiple Choice Wizard", {7080, 5640, 4635, 495}, 18, navy, true, true},
        {16, "Exit", {10560, 7920, 1245, 495}, 18, black, true, true},
    };
    for (const Expect &e : expected) {
        const Label &label = menu.Label2[e.index];
        EXPECT_EQ(label.Caption(), e.caption);
        EXPECT_EQ(label.Left(), e.place.left) << e.index;
        EXPECT_EQ(label.Top(), e.place.top) << e.index;
        EXPECT_EQ(label.Width(), e.place.width) << e.index;
        EXPECT_EQ(label.fontSpec().size, e.size) << e.index;
        EXPECT_EQ(label.BackColor(), e.back) << e.index;
        EXPECT_EQ(label.ForeColor(), QColor(255, 255, 0)) << e.index;
        EXPECT_EQ(label.isEnabled(), e.enabled) << e.index;
        EXPECT_EQ(label.Visible(), e.visible) << e.index;
    }
    EXPECT_EQ(menu.Label2.indices().size(), 20u);
    EXPECT_FALSE(menu.Label2.contains(14));
    EXPECT_EQ(menu.Image1->pictureFile(), "Images\\lampsm.jpg");
    EXPECT_EQ(menu.Left(), 1680);
}

TEST_F(ShellTest, HoverHighlightsTheEntryUnderThePointerAndBareScreenClearsAll)
{
    Intro0 &menu = openMainMenu();
    Label &properties = menu.Label2[3];
    QTest::mouseMove(&menu, QPoint(600, 100));
    for (const auto &[index, label] : menu.Label2)
        EXPECT_EQ(label->backStyle(), BackStyle::Transparent) << index;

    QTest::mouseMove(&properties, QPoint(5, 5));
    EXPECT_EQ(properties.backStyle(), BackStyle::Opaque);
    QTest::mouseClick(&properties, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(properties.backStyle(), BackStyle::Opaque) << "a click never changes the highlight";
    screens->unload(screens->properties());

    // Over a greyed entry the pointer is over bare screen: the highlight goes.
    QTest::mouseMove(&menu.Label2[4], QPoint(5, 5));
    EXPECT_EQ(properties.backStyle(), BackStyle::Transparent);
    EXPECT_EQ(menu.Label2[4].backStyle(), BackStyle::Transparent);
}

TEST_F(ShellTest, GreyedAndHiddenEntriesNeverAct)
{
    Intro0 &menu = openMainMenu();
    sound.played.clear();
    for (int index : {13, 15, 0, 1, 4, 5, 6, 7, 8, 9, 10, 2, 11})
        QTest::mouseClick(&menu.Label2[index], Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&menu, Qt::LeftButton, {}, QPoint(600, 100));
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_FALSE(screens->isLoaded("Titlefrm"));
}

TEST_F(ShellTest, SoundSwitchSilencesClicksUntilTheMenuIsLoadedAgain)
{
    Intro0 &menu = openMainMenu();
    QTest::mouseClick(menu.Option2, Qt::LeftButton, {}, QPoint(4, 8));
    EXPECT_EQ(settings().SoundOn, 0);
    EXPECT_FALSE(menu.Option1->Value());
    sound.played.clear();
    menu.Label2_Click(3);
    EXPECT_TRUE(sound.played.isEmpty());

    QTest::mouseClick(menu.Option1, Qt::LeftButton, {}, QPoint(4, 8));
    EXPECT_EQ(settings().SoundOn, 1);
    menu.Option2->setValue(true);
    screens->unload(menu);
    finishHandlers();
    Intro0 &fresh = screens->intro0();
    EXPECT_EQ(settings().SoundOn, 1);
    EXPECT_TRUE(fresh.Option1->Value());
    EXPECT_FALSE(fresh.Option2->Value());
}

TEST_F(ShellTest, CtrlMSwitchesSoundFromAnyScreenAndTheMenuFollows)
{
    Intro0 &menu = openMainMenu();
    menu.Label2_Click(Intro0::PropertiesOfMaterials);
    finishHandlers();
    stage->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(stage.get()));
    QWidget *topicMenu = &screens->properties();

    QTest::keyClick(topicMenu, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(settings().SoundOn, 0);
    EXPECT_EQ(sound.stops, 1); // a clip still sounding falls silent too
    EXPECT_TRUE(menu.Option2->Value());
    EXPECT_FALSE(menu.Option1->Value());

    QTest::keyClick(topicMenu, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(settings().SoundOn, 1);
    EXPECT_EQ(sound.stops, 1);
    EXPECT_TRUE(menu.Option1->Value());
    EXPECT_FALSE(menu.Option2->Value());
}

TEST_F(ShellTest, TheIndexIsReadOnTheFirstTickOnly)
{
    classroom.writeFile("multiple/track.txt", " 2 \r\nRocks\r\nSoils\r\n");
    Intro0 &menu = openMainMenu();
    EXPECT_EQ(worksheetList().WorksheetCount, 0) << "read in the timer, not in the load";
    clock.advance(1);
    EXPECT_EQ(worksheetList().WorksheetCount, 2);
    EXPECT_EQ(worksheetList().WorksheetTitles[2], "Soils");
    EXPECT_FALSE(menu.Timer1->Enabled());

    classroom.writeFile("multiple/track.txt", " 1 \r\nMetals\r\n");
    clock.advance(1000);
    EXPECT_EQ(worksheetList().WorksheetCount, 2);
}

TEST_F(ShellTest, AMissingIndexLeavesTheListAsItWasAndRaisesNoMessage)
{
    worksheetList().WorksheetCount = 1;
    worksheetList().WorksheetTitles[1] = "Kept";
    classroom.remove("multiple/track.txt");
    Intro0 &menu = openMainMenu();
    clock.advance(1);
    EXPECT_EQ(worksheetList().WorksheetCount, 1);
    EXPECT_EQ(worksheetList().WorksheetTitles[1], "Kept");
    EXPECT_FALSE(menu.Timer1->Enabled());
    EXPECT_TRUE(messageBoxes.asked.isEmpty());
}

TEST_F(ShellTest, ExitBringsTheBackdropOverTheMenuAndCancelReturns)
{
    Intro0 &menu = openMainMenu();
    sound.played.clear();
    QTest::mouseClick(&menu.Label2[16], Qt::LeftButton, {}, QPoint(5, 5));
    Titlefrm &exitScreen = screens->titlefrm();
    Grey &grey = screens->grey();
    EXPECT_EQ(exitScreen.Command1->Caption(), "Cancel");
    EXPECT_TRUE(inFront(&grey, &menu));
    EXPECT_TRUE(inFront(&exitScreen, &grey));
    EXPECT_EQ(sound.played, QStringList{click});

    QTest::mouseClick(exitScreen.Command1, Qt::LeftButton);
    EXPECT_FALSE(screens->isLoaded("Titlefrm"));
    EXPECT_TRUE(inFront(&menu, &grey));
    EXPECT_EQ(&screens->intro0(), &menu) << "the menu was only covered, never unloaded";
    EXPECT_EQ(endProgramCalls, 0);

    menu.Label2_Click(16);
    screens->titlefrm().Command2_Click();
    EXPECT_EQ(endProgramCalls, 1);
}
