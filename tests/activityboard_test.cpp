// SPDX-License-Identifier: GPL-3.0-or-later
// The four activity boards driven as a pupil does: real mouse events through the stage window
// for dragging and hovering, the handlers for the rest.
#include "activities/activityboard.h"
#include "platform/accessible.h"
#include "platform/displayscale.h"
#include "platform/image.h"
#include "platform/label.h"
#include "programfixture.h"
#include "quiz/welldone.h"

#include <QAccessible>
#include <QSet>
#include <QTest>

namespace
{

const QString thud = "wav\\thud3.wav";
const QString click = "wav\\click.wav";

using Opener = ActivityBoard &(Screens::*)();

class ActivityBoardTest : public ProgramFixture
{
protected:
    ActivityBoard &open(Opener which)
    {
        stage->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(stage.get()));
        settings().SoundOn = 1;
        ActivityBoard &board = (screens.get()->*which)();
        board.show();
        return board;
    }

    // Lets go of a label on a corner, as a finished drag would.
    static void dropAt(ActivityBoard &board, int index, Corner corner)
    {
        board.Label2[index].setLeft(corner.left);
        board.Label2[index].setTop(corner.top);
        board.Label2_MouseUp(index, {1, 0, 0, 0});
    }
    static void dropInTarget(ActivityBoard &board, int label, int box)
    {
        dropAt(board, label, {board.Label1[box].Left(), board.Label1[box].Top()});
    }

    // Points in the stage window's pixels: twips on the board, or a control's centre.
    QPoint onBoard(const ActivityBoard &board, float x, float y) const
    {
        const double scale = stage->displayScale();
        return board.mapTo(stage.get(), QPoint(toDisplayPixels(x / TwipsPerPixel, scale),
                                               toDisplayPixels(y / TwipsPerPixel, scale)));
    }
    QPoint centreOf(const QWidget &widget) const
    {
        return widget.mapTo(stage.get(), widget.rect().center());
    }

    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(stage->windowHandle(), button, {}, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(stage->windowHandle(), button, {}, at);
    }
    void moveTo(QPoint at) { QTest::mouseMove(stage->windowHandle(), at); }

    // Drags "magnetic" across the board, its centre following the pointer, and lets it go near
    // its box, where it snaps exactly into place with a thud.
    Label &dragMagneticIntoItsBox(ActivityBoard &board)
    {
        Label &magnetic = board.Label2[2];
        press(centreOf(magnetic));
        EXPECT_EQ(board.children().last(), &magnetic) << "the dragged label is drawn over all";
        moveTo(onBoard(board, 5000, 5000));
        EXPECT_NEAR(magnetic.Left() + 2805 / 2.0, 5000, 16) << "its centre follows the pointer";
        EXPECT_NEAR(magnetic.Top() + 375 / 2.0, 5000, 16);
        const QPoint nearBox = onBoard(board, 7080 + 200 + 1402, 3600 + 50 + 187);
        moveTo(nearBox);
        release(nearBox);
        EXPECT_EQ(magnetic.Left(), 7080);
        EXPECT_EQ(magnetic.Top(), 3600);
        EXPECT_EQ(sound.played, QStringList{thud});
        return magnetic;
    }
};

const Label &boxOf(const ActivityBoard &board, const QString &text)
{
    for (const auto &[index, label] : board.Label2) {
        if (label->Caption() == text)
            return board.Label1[index];
    }
    throw std::runtime_error("no label reads " + text.toStdString());
}

} // namespace

TEST_F(ActivityBoardTest, SetUpPutsEveryLabelInItsOwnHomeBoxAndEmptiesTheTargets)
{
    struct Case {
        Opener open;
        QStringList texts; // Label2(0..N-1)
        float homeWidth, labelHeight;
    };
    const Case cases[] = {
        {&Screens::propertieslab,
         {"Waterproof", "Electrical Conductor", "Magnetic", "Absorbent"},
         1845,
         375},
        {&Screens::irreversiblelab, {"Freezing", "Burning", "Dissolving", "Boiling"}, 1845, 375},
        {&Screens::propertiesord,
         {"Rubber", "Steel", "Wood", "Bends easily.", "Lets light through.",
          "Doesn't bend or break easily.", "Doesn't let light through.", "Glass", "Slate",
          "Hard, but breaks easily.", "Difficult to scratch.", "Diamond"},
         1875,
         675},
        {&Screens::irreversibleord,
         {"turns into new substances.", "chemical reaction.", "creates heat.",
          "oxygen reacts with a fuel.", "oxygen to make carbon dioxide.", "irreversible change."},
         5115,
         495},
    };
    for (const Case &c : cases) {
        session().ScoreOutOf = 99;
        ActivityBoard &board = open(c.open);
        EXPECT_EQ(session().ScoreOutOf, static_cast<int>(c.texts.size()));
        EXPECT_EQ(board.Width(), 12000);
        EXPECT_FALSE(board.Label3[2].Visible());
        for (int i = 0; i < c.texts.size(); ++i) {
            const Label &label = board.Label2[i], &target = board.Label1[i],
                        &home = board.Label4[i];
            EXPECT_EQ(label.Caption(), c.texts[i]);
            EXPECT_TRUE(target.Caption().isEmpty()) << i;
            EXPECT_EQ(target.backStyle(), BackStyle::Transparent) << i;
            EXPECT_EQ(home.Left(), label.Left()) << i;
            EXPECT_EQ(home.Top(), label.Top()) << i;
            EXPECT_EQ(home.Width(), c.homeWidth) << i;
            EXPECT_EQ(home.Height(), c.labelHeight) << i;
        }
    }
}

TEST_F(ActivityBoardTest, EveryAnswerBoxSitsBesideWhatItAnswers)
{
    // Labelling: the box lies beneath the picture the label names, at most 60 below its edge.
    struct PictureCase {
        Opener open;
        QString text, file;
    };
    const PictureCase pictures[] = {
        {&Screens::propertieslab, "Waterproof", "Images\\glovessm.jpg"},
        {&Screens::propertieslab, "Electrical Conductor", "Images\\aluminiumsm.jpg"},
        {&Screens::propertieslab, "Magnetic", "Images\\magnetsm.jpg"},
        {&Screens::propertieslab, "Absorbent", "Images\\woolhatsm.jpg"},
        {&Screens::irreversiblelab, "Freezing", "Images\\freezingsm.jpg"},
        {&Screens::irreversiblelab, "Burning", "Images\\candlesm2.jpg"},
        {&Screens::irreversiblelab, "Dissolving", "Images\\dissolvingsm.jpg"},
        {&Screens::irreversiblelab, "Boiling", "Images\\boilingsm.jpg"},
    };
    for (const auto &[opener, text, file] : pictures) {
        const ActivityBoard &board = open(opener);
        const Label &box = boxOf(board, text);
        const Image *above = nullptr;
        for (const auto &[index, image] : board.Image1)
            if (image->pictureFile() == file && !image->picture().isNull())
                above = image;
        ASSERT_NE(above, nullptr) << file.toStdString();
        const float gap = box.Top() - (above->Top() + above->Height());
        EXPECT_TRUE(gap == 0 || gap == 60) << text.toStdString();
        EXPECT_GT(box.Left() + box.Width() / 2, above->Left()) << text.toStdString();
        EXPECT_LT(box.Left() + box.Width() / 2, above->Left() + above->Width())
            << text.toStdString();
    }

    // Ordering: the box lies in the row of its property or sentence, in the right column.
    struct Row {
        Opener open;
        const char *prompt;
        int index;
        QString caption, answer;
        float boxLeft;
    };
    const Row rows[] = {
        {&Screens::propertiesord, "Label7", 5, "Hard", "Difficult to scratch.", 5400},
        {&Screens::propertiesord, "Label7", 5, "Hard", "Diamond", 7920},
        {&Screens::propertiesord, "Label7", 0, "Strong", "Doesn't bend or break easily.", 5400},
        {&Screens::propertiesord, "Label7", 0, "Strong", "Steel", 7920},
        {&Screens::propertiesord, "Label7", 1, "Brittle", "Hard, but breaks easily.", 5400},
        {&Screens::propertiesord, "Label7", 1, "Brittle", "Slate", 7920},
        {&Screens::propertiesord, "Label7", 2, "Transparent", "Lets light through.", 5400},
        {&Screens::propertiesord, "Label7", 2, "Transparent", "Glass", 7920},
        {&Screens::propertiesord, "Label7", 3, "Opaque", "Doesn't let light through.", 5400},
        {&Screens::propertiesord, "Label7", 3, "Opaque", "Wood", 7920},
        {&Screens::propertiesord, "Label7", 4, "Flexible", "Bends easily.", 5400},
        {&Screens::propertiesord, "Label7", 4, "Flexible", "Rubber", 7920},
        {&Screens::irreversibleord, "Label5", 0, "Burning is a", "chemical reaction.", 6600},
        {&Screens::irreversibleord, "Label5", 1, "Burning occurs when",
         "oxygen reacts with a fuel.", 6600},
        {&Screens::irreversibleord, "Label5", 2, "When a material is burnt it",
         "turns into new substances.", 6600},
        {&Screens::irreversibleord, "Label5", 3, "Carbon, burning, in wood combines with",
         "oxygen to make carbon dioxide.", 6600},
        {&Screens::irreversibleord, "Label5", 4, "Burning materials", "creates heat.", 6600},
        {&Screens::irreversibleord, "Label5", 5, "Burning produces an", "irreversible change.",
         6600},
    };
    for (const Row &row : rows) {
        const ActivityBoard &board = open(row.open);
        const Label &prompt = board.fixedText(row.prompt, row.index);
        const Label &box = boxOf(board, row.answer);
        EXPECT_EQ(prompt.Caption(), row.caption);
        EXPECT_EQ(box.Left(), row.boxLeft) << row.answer.toStdString();
        EXPECT_LE(std::abs(box.Top() - prompt.Top()), 120) << row.answer.toStdString();
        EXPECT_LE(prompt.Left() + prompt.Width(), box.Left()) << row.answer.toStdString();
    }
}

TEST_F(ActivityBoardTest, AMissingPictureLeavesItsFrameEmptyIsToldOnceAndTheBoardWorks)
{
    classroom.remove("Images/magnetsm.jpg");
    ActivityBoard &board = open(&Screens::propertieslab);
    EXPECT_TRUE(board.Image1[1].picture().isNull());
    EXPECT_FALSE(board.Image1[3].picture().isNull());
    ASSERT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_TRUE(messageBoxes.asked.front().contains("magnetsm.jpg"));
    EXPECT_EQ(board.Label2[2].Caption(), "Magnetic");
}

TEST_F(ActivityBoardTest, AClickWithoutMovementSnapsTheLabelInPlaceWithAThud)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    const Label &magnetic = board.Label2[2];
    press(centreOf(magnetic));
    release(centreOf(magnetic));
    EXPECT_EQ(magnetic.Left(), 240);
    EXPECT_EQ(magnetic.Top(), 7440);
    EXPECT_EQ(sound.played, QStringList{thud});
}

TEST_F(ActivityBoardTest, ALeftDragDropsTheLabelExactlyIntoTheBoxAndCanTakeItOutAgain)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    Label &magnetic = dragMagneticIntoItsBox(board);

    // Sitting on its box, the label still takes the mouse: the box is passive.
    press(centreOf(magnetic));
    moveTo(onBoard(board, 3000, 7000));
    release(onBoard(board, 3000, 7000));
    EXPECT_NE(magnetic.Left(), 7080);
    EXPECT_EQ(board.Label1[2].Left(), 7080);
}

TEST_F(ActivityBoardTest, OnALargeDisplayTheBoardFillsItsHeightAndADragDropsAsAtOneToOne)
{
    stage->setDisplayScale(1.8);
    stage->resize(1920, 1080);
    ActivityBoard &board = open(&Screens::propertieslab);
    EXPECT_EQ(board.geometry().size(), QSize(1440, 1080)) << "the board fills the height";
    EXPECT_EQ(board.y(), 0);
    EXPECT_NEAR(board.x(), 240, 1) << "centred, to a pixel";
    dragMagneticIntoItsBox(board);
}

TEST_F(ActivityBoardTest, AFastDragKeepsItsLabelWhereverThePointerGoes)
{
    ActivityBoard &board = open(&Screens::irreversiblelab);
    Label &burning = board.Label2[1];
    press(centreOf(burning));
    // Each move is one jump onto another control, or off the board: the label still follows.
    for (const QWidget *over :
         std::initializer_list<const QWidget *>{&board.Image1[0], &board.Label2[0]}) {
        moveTo(centreOf(*over));
        EXPECT_NEAR(centreOf(burning).x(), centreOf(*over).x(), 1);
        EXPECT_NEAR(centreOf(burning).y(), centreOf(*over).y(), 1);
    }
    moveTo(onBoard(board, -300, 4000));
    EXPECT_LT(burning.Left(), 0);
    release(onBoard(board, 2760 + 900, 3600 + 150));
    EXPECT_EQ(burning.Left(), 2760);
    EXPECT_EQ(burning.Top(), 3600);
}

TEST_F(ActivityBoardTest, OnlyTheLeftButtonAloneDragsButEveryReleaseDrops)
{
    ActivityBoard &board = open(&Screens::irreversibleord);
    Label &label = board.Label2[2];
    const QPoint start = centreOf(label), away = onBoard(board, 9000, 500);

    press(start, Qt::RightButton);
    moveTo(away);
    EXPECT_EQ(label.Left(), 720);
    release(away, Qt::RightButton);
    EXPECT_EQ(sound.played, QStringList{thud}) << "the drop pass ran and snapped it home";

    press(start, Qt::LeftButton);
    press(start, Qt::RightButton);
    moveTo(away);
    EXPECT_EQ(label.Left(), 720) << "both buttons held";
    release(away, Qt::RightButton);
    EXPECT_EQ(sound.played.size(), 2);
    moveTo(away + QPoint(20, 0));
    EXPECT_NE(label.Left(), 720) << "the left button alone drags again";
    release(away + QPoint(20, 0), Qt::LeftButton);
    EXPECT_EQ(sound.played.size(), 2) << "dropped far from every box: no thud";
}

TEST_F(ActivityBoardTest, CheckScoreShowsOnceEveryLabelSitsInSomeTargetBoxAndStays)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    for (int i = 0; i < 3; ++i)
        dropInTarget(board, i, 3);
    EXPECT_FALSE(board.Label3[2].Visible());
    dropInTarget(board, 3, 3);
    EXPECT_TRUE(board.Label3[2].Visible()) << "four labels stacked in one box";
    dropAt(board, 0, {500, 500});
    EXPECT_TRUE(board.Label3[2].Visible()) << "moving one out leaves the button up";
    board.Label3_Click(2);
    EXPECT_EQ(session().Score, 1);
}

TEST_F(ActivityBoardTest, CheckScoreCountsOwnBoxesAndOpensTheResultsOverTheBoard)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    const int boxOfLabel[] = {1, 0, 2, 3};
    for (int i = 0; i < 4; ++i)
        dropInTarget(board, i, boxOfLabel[i]);
    sound.played.clear();
    QTest::mouseClick(&board.Label3[2], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(session().Score, 2);
    EXPECT_EQ(session().ScoreOutOf, 4);
    ASSERT_TRUE(screens->isLoaded("Welldone"));
    Welldone &results = screens->welldone();
    EXPECT_TRUE(results.isVisible());
    EXPECT_GT(stage->children().indexOf(&results), stage->children().indexOf(&board));
    EXPECT_EQ(results.Label1->Caption(), "Good work. You have scored 2 out of 4.");
    EXPECT_EQ(sound.played, QStringList{click});
    EXPECT_EQ(board.Label2[0].Left(), board.Label1[1].Left()) << "labels stay where they are";
}

TEST_F(ActivityBoardTest, StartAgainSendsEveryLabelToItsOwnHome)
{
    ActivityBoard &board = open(&Screens::irreversibleord);
    for (int i = 0; i < 6; ++i)
        dropInTarget(board, i, 5 - i);
    dropAt(board, 0, {6100, 6130}); // parked in the home box of label 5
    ASSERT_EQ(board.Label2[0].Left(), 6090);
    session().Score = 7;
    sound.played.clear();
    board.Label3_Click(1);
    EXPECT_EQ(session().Score, 0);
    const Corner homes[] = {{720, 7320}, {6090, 7320}, {720, 6120},
                            {720, 6720}, {6090, 6720}, {6090, 6120}};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ((Corner{board.Label2[i].Left(), board.Label2[i].Top()}), homes[i]) << i;
    EXPECT_FALSE(board.Label3[2].Visible());
    EXPECT_EQ(sound.played, QStringList{click});
}

TEST_F(ActivityBoardTest, ExitUnloadsTheBoardClearsTheScoreAndStillClicks)
{
    ActivityBoard &board = open(&Screens::propertiesord);
    dropAt(board, 0, {7920, 5400});
    session().Score = 5;
    sound.played.clear();
    board.Label3_Click(0);
    EXPECT_EQ(session().Score, 0);
    EXPECT_FALSE(screens->isLoaded("propertiesord"));
    EXPECT_EQ(sound.played, QStringList{click});
    finishHandlers();
    EXPECT_EQ(screens->propertiesord().Label2[0].Left(), 2160) << "reopened from the design layout";
}

TEST_F(ActivityBoardTest, WithSoundOffNothingIsHeard)
{
    ActivityBoard &board = open(&Screens::irreversiblelab);
    settings().SoundOn = 0;
    for (int i = 0; i < 4; ++i)
        dropInTarget(board, i, i);
    board.Label3_Click(1);
    board.Label3_Click(0);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ActivityBoardTest, OnlyTheBareScreenClearsTheButtonHighlight)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    Label &exit = board.Label3[0];
    EXPECT_EQ(exit.backStyle(), BackStyle::Opaque) << "as designed, until the pointer moves";
    const QPoint bare = onBoard(board, 600, 2000);
    moveTo(bare);
    for (const auto &[index, button] : board.Label3)
        EXPECT_EQ(button->backStyle(), BackStyle::Transparent) << index;
    moveTo(centreOf(exit));
    EXPECT_EQ(exit.backStyle(), BackStyle::Opaque);
    EXPECT_EQ(board.Label3[1].backStyle(), BackStyle::Transparent);
    for (const QWidget *over : std::initializer_list<const QWidget *>{
             &board.Image1[3], &board.Label1[0], &board.Label2[1]})
        moveTo(centreOf(*over));
    EXPECT_EQ(exit.backStyle(), BackStyle::Opaque) << "pictures, boxes and labels keep it";
    moveTo(bare);
    EXPECT_EQ(exit.backStyle(), BackStyle::Transparent);
}

// Without dragging: a click or a key picks a label up and puts it on the box chosen next, through
// the same placement as a drop, with the same thud and the same check for completeness.
TEST_F(ActivityBoardTest, ClickOrKeyPicksUpALabelAndPutsItWhereADropWould)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    enum How { Mouse, Key };
    const auto use = [&](How how, QWidget &control) {
        if (how == Mouse) {
            press(centreOf(control));
            release(centreOf(control));
        } else {
            control.setFocus(Qt::TabFocusReason);
            QTest::keyClick(&control, Qt::Key_Space);
        }
    };
    struct Step {
        How how;
        int label;
        bool toTarget; // else to a home box
        int box;
        Corner expected; // as designed: targets under their pictures, homes along the bottom
        bool checkScore;
    };
    const Step steps[] = {
        {Mouse, 2, true, 1, {2280, 3600}, false}, // "Magnetic" under the aluminium: wrong
        {Key, 2, false, 2, {240, 7440}, false},   // back to its own home
        {Key, 0, true, 0, {7080, 6840}, false},
        {Mouse, 3, false, 0, {3120, 7440}, false}, // parked in the home "Waterproof" left
        {Mouse, 1, true, 1, {2280, 3600}, false},
        {Key, 2, true, 2, {7080, 3600}, false},
        {Key, 3, true, 3, {2280, 6840}, true},
    };
    for (const Step &step : steps) {
        sound.played.clear();
        Label &label = board.Label2[step.label];
        Label &box = step.toTarget ? board.Label1[step.box] : board.Label4[step.box];
        use(step.how, label);
        EXPECT_EQ(board.heldLabel(), step.label);
        EXPECT_TRUE(label.isHeld());
        use(step.how, box);
        EXPECT_EQ(board.heldLabel(), -1);
        EXPECT_FALSE(label.isHeld());
        EXPECT_EQ((Corner{label.Left(), label.Top()}), step.expected)
            << label.Caption().toStdString();
        // A mouse pick-up is also a release on the spot, which snaps the label in place.
        EXPECT_EQ(sound.played.size(), step.how == Mouse ? 2 : 1);
        EXPECT_EQ(sound.played.value(0), thud);
        EXPECT_EQ(board.Label3[2].Visible(), step.checkScore);
    }
    board.Label3_Click(2);
    EXPECT_EQ(session().Score, 4);

    // Clicked again, or Escape, the label is let go and a box then takes nothing.
    Label &magnetic = board.Label2[2];
    use(Mouse, magnetic);
    use(Mouse, magnetic);
    EXPECT_EQ(board.heldLabel(), -1);
    use(Key, magnetic);
    QTest::keyClick(&magnetic, Qt::Key_Escape);
    EXPECT_FALSE(magnetic.isHeld());
    use(Mouse, board.Label4[2]);
    EXPECT_EQ(magnetic.Left(), 7080);
}

TEST_F(ActivityBoardTest, EveryLabelPutOnEveryTargetBoxLandsInThatBox)
{
    for (Opener opener : {&Screens::propertieslab, &Screens::irreversiblelab,
                          &Screens::propertiesord, &Screens::irreversibleord}) {
        ActivityBoard &board = open(opener);
        for (int label = 0; label < board.count(); ++label) {
            for (int box = 0; box < board.count(); ++box) {
                board.Label2_Click(label);
                board.Label1_Click(box);
                EXPECT_EQ(board.Label2[label].Left(), board.Label1[box].Left());
                EXPECT_EQ(board.Label2[label].Top(), board.Label1[box].Top());
            }
        }
        board.Label3_Click(0);
        finishHandlers();
    }
}

// A screen reader finds every box by what lies beside it; no name gives an answer away.
TEST_F(ActivityBoardTest, EveryBoxAndPictureHasANameThatDoesNotGiveAnAnswerAway)
{
    installControlAccessibility();
    const auto nameOf = [](QWidget &widget) {
        return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
    };
    for (Opener opener : {&Screens::propertieslab, &Screens::irreversiblelab,
                          &Screens::propertiesord, &Screens::irreversibleord}) {
        ActivityBoard &board = open(opener);
        QSet<QString> names;
        for (int box = 0; box < board.count(); ++box) {
            const QString name = nameOf(board.Label1[box]);
            names.insert(name);
            for (const auto &[index, label] : board.Label2)
                EXPECT_FALSE(name.contains(label->Caption(), Qt::CaseInsensitive))
                    << name.toStdString() << " names the answer " << label->Caption().toStdString();
        }
        EXPECT_EQ(names.size(), board.count()) << "one name for each box, none empty";
        EXPECT_FALSE(names.contains(""));
        for (const auto &[index, picture] : board.Image1)
            EXPECT_FALSE(nameOf(*picture).isEmpty());
        board.Label3_Click(0);
        finishHandlers();
    }
}
