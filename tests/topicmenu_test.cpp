// SPDX-License-Identifier: GPL-3.0-or-later
// The two topic menus: their looks, the candle, and what each entry opens.
#include "activities/activityboard.h"
#include "gallery.h"
#include "menus/intro0.h"
#include "menus/topicmenu.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "programfixture.h"
#include "quiz/multiple.h"

#include <QFile>
#include <QTest>

namespace
{

class TopicMenuTest : public ProgramFixture
{
protected:
    // The main menu as the hub, with the topic opened from it.
    TopicMenu &open(int mainMenuEntry)
    {
        stage->show();
        Intro0 &menu = screens->intro0();
        menu.show();
        menu.Label2_Click(mainMenuEntry);
        sound.played.clear();
        return mainMenuEntry == 3 ? screens->properties() : screens->irreversible();
    }
};

} // namespace

TEST_F(TopicMenuTest, EachTopicHasItsTitleColourAndPicture)
{
    TopicMenu &properties = open(3);
    EXPECT_TRUE(properties.isVisible());
    EXPECT_EQ(properties.Label1->Caption(), "Properties of Materials");
    EXPECT_EQ(properties.BackColor(), QColor(39, 63, 137));
    EXPECT_EQ(properties.pictureFile(), "Images\\ironbridge1.jpg");
    EXPECT_EQ(properties.Image1, nullptr);
    EXPECT_EQ(properties.Left(), 1680) << "styled and centred";

    TopicMenu &changes = open(12);
    EXPECT_EQ(changes.Label1->Caption(), "Changes in Materials");
    EXPECT_EQ(changes.BackColor(), QColor(2, 0, 0));
    EXPECT_TRUE(changes.pictureFile().isEmpty());
    EXPECT_EQ(changes.Image1->pictureFile(), "candle\\dscn3357.jpg");
    EXPECT_EQ(frames().CandleFrame, 3357);

    const QStringList captions{"Multiple Choice",   "Labelling Activity", "Exit",
                               "Ordering Activity", "Key Facts",          "Teacher's Notes"};
    for (int index = 0; index < 6; ++index)
        EXPECT_EQ(changes.label3[index].Caption(), captions[index]);
    ASSERT_TRUE(saveToGallery(properties, "properties"));
    ASSERT_TRUE(saveToGallery(changes, "irreversible"));
}

TEST_F(TopicMenuTest, TheCandleLoopsThroughItsTwentyThreePicturesEvery75Ms)
{
    TopicMenu &changes = open(12);
    clock.advance(74);
    EXPECT_EQ(changes.Image1->pictureFile(), "candle\\dscn3357.jpg");
    clock.advance(1);
    EXPECT_EQ(changes.Image1->pictureFile(), "candle/dscn3358.jpg");
    clock.advance(75 * 21);
    EXPECT_EQ(changes.Image1->pictureFile(), "candle/dscn3379.jpg");
    clock.advance(75);
    EXPECT_EQ(changes.Image1->pictureFile(), "candle/dscn3357.jpg") << "the 23rd tick";
    EXPECT_EQ(frames().CandleFrame, 3357);
}

TEST_F(TopicMenuTest, TheCandleBurnsOnUnderTheQuizAndRestartsAfterExit)
{
    TopicMenu &changes = open(12);
    changes.label3_Click(0);
    ASSERT_TRUE(screens->multiple().isVisible());
    clock.advance(150);
    EXPECT_EQ(frames().CandleFrame, 3359);

    changes.label3_Click(2);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("irreversible"));
    clock.advance(750);
    EXPECT_EQ(frames().CandleFrame, 3359) << "the timer stops with the menu";
    TopicMenu &again = open(12);
    EXPECT_EQ(frames().CandleFrame, 3357);
    clock.advance(75);
    EXPECT_EQ(again.Image1->pictureFile(), "candle/dscn3358.jpg");
}

TEST_F(TopicMenuTest, MultipleChoiceOpensTheQuizAtQuestionOneWithTheTopicsPicture)
{
    TopicMenu &properties = open(3);
    QTest::mouseClick(&properties.label3[0], Qt::LeftButton, {}, QPoint(5, 5));
    Multiple &quiz = screens->multiple();
    EXPECT_TRUE(quiz.isVisible());
    EXPECT_TRUE(screens->isLoaded("properties")) << "the menu stays loaded behind the quiz";
    EXPECT_EQ(session().CurrentQuestion, 1);
    EXPECT_EQ(session().CurrentSetTitle, "Properties of Materials");
    EXPECT_EQ(quiz.Picture1->pictureFile(), "images\\ironbridgesm.jpg");
    EXPECT_EQ(quiz.Label5->Caption(), "Kelvarin");
    EXPECT_EQ(sound.played.last(), "wav\\click.wav");
}

TEST_F(TopicMenuTest, AMissingOrShortQuestionSetIsReportedAndTheMenuStaysUsable)
{
    for (const bool missing : {true, false}) {
        if (missing) {
            classroom.remove("multiple/Changes in Materials.txt");
        } else {
            QFile shortSet(classroom.filePath("multiple/Changes in Materials.txt"));
            ASSERT_TRUE(shortSet.open(QIODevice::WriteOnly));
            shortSet.write("Changes in Materials\r\n \r\nOnly one question?\r\n");
        }
        messageBoxes.asked.clear();
        TopicMenu &changes = open(12);
        changes.label3_Click(0);
        EXPECT_FALSE(screens->isLoaded("multiple"));
        ASSERT_EQ(messageBoxes.asked.size(), 1);
        EXPECT_TRUE(messageBoxes.asked[0].contains("Changes in Materials"));
        EXPECT_TRUE(changes.isVisible());
        changes.label3_Click(1);
        EXPECT_TRUE(screens->irreversiblelab().isVisible());
        screens->unload(screens->irreversiblelab());
    }
}

TEST_F(TopicMenuTest, ActivitiesOpenWithTheTopicsTitle)
{
    struct Case {
        int mainMenuEntry, entry;
        ActivityBoard &(Screens::*board)();
        QString title;
    };
    const Case cases[] = {{3, 1, &Screens::propertieslab, "Properties of Materials"},
                          {3, 3, &Screens::propertiesord, "Properties of Materials"},
                          {12, 1, &Screens::irreversiblelab, "Changes in Materials"},
                          {12, 3, &Screens::irreversibleord, "Changes in Materials"}};
    for (const Case &c : cases) {
        TopicMenu &menu = open(c.mainMenuEntry);
        menu.label3_Click(c.entry);
        ActivityBoard &board = (screens.get()->*c.board)();
        EXPECT_TRUE(board.isVisible());
        EXPECT_EQ(board.Label6->Caption(), c.title);
        EXPECT_EQ(sound.played, QStringList{"wav\\click.wav"});
        screens->unload(board);
    }
}

TEST_F(TopicMenuTest, ExitShowsTheMainMenuAndKeepsItsSoundSetting)
{
    TopicMenu &properties = open(3);
    settings().SoundOn = 0;
    QTest::mouseClick(&properties.label3[2], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(screens->isLoaded("properties"));
    EXPECT_TRUE(screens->intro0().isVisible());
    EXPECT_EQ(settings().SoundOn, 0) << "the main menu was never unloaded";
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(TopicMenuTest, HoverHighlightsTheEntryAndBareScreenClearsIt)
{
    TopicMenu &properties = open(3);
    QTest::mouseMove(&properties, QPoint(600, 300));
    for (const auto &[index, label] : properties.label3)
        EXPECT_EQ(label->backStyle(), BackStyle::Transparent) << index;
    QTest::mouseMove(&properties.label3[5], QPoint(5, 5));
    EXPECT_EQ(properties.label3[5].backStyle(), BackStyle::Opaque);
    QTest::mouseMove(&properties, QPoint(600, 300));
    EXPECT_EQ(properties.label3[5].backStyle(), BackStyle::Transparent);
}
