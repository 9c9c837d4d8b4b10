// The four activity boards driven as a pupil does: real mouse events on real widgets for
// dragging and hovering, the handlers for the rest.
#include "activities/activityboard.h"
#include "platform/image.h"
#include "platform/label.h"
#include "programfixture.h"
#include "quiz/welldone.h"

#include <QTest>

namespace
{

const QString thud = "wav\\thud3.wav";
const QString click = "wav\\click.wav";

using Opener = ActivityBoard &(Screens::*)();

struct BoardCase {
    const char *name;
    Opener open;
    QStringList texts; // of Label2(0..N-1), in index order
    float homeWidth;
    float labelWidth;
    float labelHeight;
};

const BoardCase boards[] = {
    {"propertieslab",
     &Screens::propertieslab,
     {"Waterproof", "Electrical Conductor", "Magnetic", "Absorbent"},
     1845,
     2805,
     375},
    {"irreversiblelab",
     &Screens::irreversiblelab,
     {"Freezing", "Burning", "Dissolving", "Boiling"},
     1845,
     1845,
     375},
    {"propertiesord",
     &Screens::propertiesord,
     {"Rubber", "Steel", "Wood", "Bends easily.", "Lets light through.",
      "Doesn't bend or break easily.", "Doesn't let light through.", "Glass", "Slate",
      "Hard, but breaks easily.", "Difficult to scratch.", "Diamond"},
     1875,
     1875,
     675},
    {"irreversibleord",
     &Screens::irreversibleord,
     {"turns into new substances.", "chemical reaction.", "creates heat.",
      "oxygen reacts with a fuel.", "oxygen to make carbon dioxide.", "irreversible change."},
     5115,
     5115,
     495},
};

int indexOfLabel(const ActivityBoard &board, const QString &text)
{
    for (const auto &[index, label] : board.Label2) {
        if (label->Caption() == text)
            return index;
    }
    ADD_FAILURE() << "no label reads " << text.toStdString();
    return 0;
}

class ActivityBoardTest : public ProgramFixture
{
protected:
    ActivityBoard &open(Opener which)
    {
        stage->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(stage.get()));
        m().SoundOn = 1;
        ActivityBoard &board = (screens.get()->*which)();
        board.show();
        return board;
    }

    // Puts a label straight onto a corner and lets go of it, as a finished drag would.
    static void dropAt(ActivityBoard &board, int index, float left, float top)
    {
        board.Label2[index].setLeft(left);
        board.Label2[index].setTop(top);
        board.Label2_MouseUp(index, {1, 0, 0, 0});
    }

    static void dropInTarget(ActivityBoard &board, int label, int box)
    {
        dropAt(board, label, board.Label1[box].Left(), board.Label1[box].Top());
    }

    // A point given in twips on the board, in the stage window's pixels.
    QPoint onBoard(const ActivityBoard &board, float x, float y) const
    {
        return board.mapTo(stage.get(), QPoint(toPixels(x), toPixels(y)));
    }
    QPoint centreOf(const QWidget &widget) const
    {
        return widget.mapTo(stage.get(), widget.rect().center());
    }

    void press(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(stage->windowHandle(), button, {}, point);
    }
    void moveTo(QPoint point) { QTest::mouseMove(stage->windowHandle(), point); }
    void release(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(stage->windowHandle(), button, {}, point);
    }

    static bool isTopmost(const QWidget &widget)
    {
        return widget.parentWidget()->children().last() == &widget;
    }
};

} // namespace

TEST_F(ActivityBoardTest, SetUpPutsEveryLabelInItsOwnHomeBoxAndEmptiesTheTargets)
{
    for (const BoardCase &c : boards) {
        m().ScoreOutOf = 99;
        ActivityBoard &board = open(c.open);
        const int n = static_cast<int>(c.texts.size());
        EXPECT_EQ(m().ScoreOutOf, n) << c.name;
        EXPECT_EQ(board.Width(), 12000) << c.name;
        EXPECT_EQ(board.BackColor(), QColor(0, 78, 152)) << c.name;
        EXPECT_TRUE(board.Label6->Caption().isEmpty()) << c.name;
        EXPECT_FALSE(board.Label3[2].Visible()) << c.name;
        EXPECT_EQ(board.Label3[0].Caption(), "Exit");
        EXPECT_EQ(board.Label3[1].Caption(), "Start Again");
        EXPECT_EQ(board.Label3[2].Caption(), "Check Score");
        for (int i = 0; i < n; ++i) {
            const Label &label = board.Label2[i];
            const Label &target = board.Label1[i];
            const Label &home = board.Label4[i];
            EXPECT_EQ(label.Caption(), c.texts[i]) << c.name << " " << i;
            EXPECT_EQ(label.Width(), c.labelWidth) << c.name << " " << i;
            EXPECT_EQ(label.Height(), c.labelHeight) << c.name << " " << i;
            EXPECT_TRUE(target.Caption().isEmpty()) << c.name << " " << i;
            EXPECT_EQ(target.backStyle(), BackStyle::Transparent) << c.name << " " << i;
            EXPECT_EQ(home.backStyle(), BackStyle::Transparent) << c.name << " " << i;
            EXPECT_EQ(home.Left(), label.Left()) << c.name << " " << i;
            EXPECT_EQ(home.Top(), label.Top()) << c.name << " " << i;
            EXPECT_EQ(home.Width(), c.homeWidth) << c.name << " " << i;
            EXPECT_EQ(home.Height(), c.labelHeight) << c.name << " " << i;
            EXPECT_TRUE(label.isVisible() && target.isVisible() && home.isVisible());
            EXPECT_EQ(label.backStyle(), BackStyle::Opaque);
        }
    }
}

TEST_F(ActivityBoardTest, EachLabellingBoxLiesBeneathThePictureItNames)
{
    struct Picture {
        Opener open;
        QString text;
        QString file;
    };
    const Picture pictures[] = {
        {&Screens::propertieslab, "Waterproof", "Images\\glovessm.jpg"},
        {&Screens::propertieslab, "Electrical Conductor", "Images\\aluminiumsm.jpg"},
        {&Screens::propertieslab, "Magnetic", "Images\\magnetsm.jpg"},
        {&Screens::propertieslab, "Absorbent", "Images\\woolhatsm.jpg"},
        {&Screens::irreversiblelab, "Freezing", "Images\\freezingsm.jpg"},
        {&Screens::irreversiblelab, "Burning", "Images\\candlesm2.jpg"},
        {&Screens::irreversiblelab, "Dissolving", "Images\\dissolvingsm.jpg"},
        {&Screens::irreversiblelab, "Boiling", "Images\\boilingsm.jpg"},
    };
    for (const Picture &p : pictures) {
        const ActivityBoard &board = open(p.open);
        const Label &box = board.Label1[indexOfLabel(board, p.text)];
        const Image *above = nullptr;
        for (const auto &[index, image] : board.Image1) {
            EXPECT_FALSE(image->picture().isNull()) << index;
            if (image->pictureFile() == p.file)
                above = image;
        }
        ASSERT_NE(above, nullptr) << p.file.toStdString();
        const float gap = box.Top() - (above->Top() + above->Height());
        EXPECT_TRUE(gap == 0 || gap == 60) << p.text.toStdString() << " gap " << gap;
        const float middle = box.Left() + box.Width() / 2;
        EXPECT_GT(middle, above->Left()) << p.text.toStdString();
        EXPECT_LT(middle, above->Left() + above->Width()) << p.text.toStdString();
    }
}

TEST_F(ActivityBoardTest, AMissingPictureLeavesItsFrameEmptyAndTheBoardWorks)
{
    classroom.remove("Images/magnetsm.jpg");
    ActivityBoard &board = open(&Screens::propertieslab);
    EXPECT_TRUE(board.Image1[1].picture().isNull());
    EXPECT_FALSE(board.Image1[0].picture().isNull());
    EXPECT_FALSE(board.Image1[3].picture().isNull());
    EXPECT_TRUE(messageBoxes.asked.isEmpty());
    EXPECT_EQ(board.Label2[2].Caption(), "Magnetic");
    EXPECT_EQ(m().ScoreOutOf, 4);
}

TEST_F(ActivityBoardTest, PropertiesTableRowsHoldTheirMeaningAndExampleBoxes)
{
    struct Row {
        int nameIndex;
        QString property;
        float top;
        QString meaning;
        QString example;
    };
    const Row rows[] = {
        {5, "Hard", 1320, "Difficult to scratch.", "Diamond"},
        {0, "Strong", 2160, "Doesn't bend or break easily.", "Steel"},
        {1, "Brittle", 3000, "Hard, but breaks easily.", "Slate"},
        {2, "Transparent", 3840, "Lets light through.", "Glass"},
        {3, "Opaque", 4680, "Doesn't let light through.", "Wood"},
        {4, "Flexible", 5520, "Bends easily.", "Rubber"},
    };
    const ActivityBoard &board = open(&Screens::propertiesord);
    EXPECT_EQ(board.fixedText("Label8", 0).Caption(),
              "Complete the table of properties of materials.");
    EXPECT_EQ(board.fixedText("Label8", 4).Caption(), "Property");
    EXPECT_EQ(board.fixedText("Label8", 1).Caption(), "Meaning");
    EXPECT_EQ(board.fixedText("Label8", 2).Caption(), "Example");
    for (const Row &row : rows) {
        const Label &name = board.fixedText("Label7", row.nameIndex);
        EXPECT_EQ(name.Caption(), row.property);
        EXPECT_EQ(name.Top(), row.top);
        const Label &meaningBox = board.Label1[indexOfLabel(board, row.meaning)];
        const Label &exampleBox = board.Label1[indexOfLabel(board, row.example)];
        EXPECT_EQ(meaningBox.Left(), 5400) << row.property.toStdString();
        EXPECT_EQ(exampleBox.Left(), 7920) << row.property.toStdString();
        EXPECT_EQ(meaningBox.Top(), row.top - 120) << row.property.toStdString();
        EXPECT_EQ(exampleBox.Top(), row.top - 120) << row.property.toStdString();
    }
}

TEST_F(ActivityBoardTest, EachSentenceBeginningEndsJustLeftOfItsEndingBox)
{
    struct Sentence {
        int index;
        QString beginning;
        QString ending;
    };
    const Sentence sentences[] = {
        {0, "Burning is a", "chemical reaction."},
        {1, "Burning occurs when", "oxygen reacts with a fuel."},
        {2, "When a material is burnt it", "turns into new substances."},
        {3, "Carbon, burning, in wood combines with", "oxygen to make carbon dioxide."},
        {4, "Burning materials", "creates heat."},
        {5, "Burning produces an", "irreversible change."},
    };
    const ActivityBoard &board = open(&Screens::irreversibleord);
    EXPECT_EQ(board.fixedText("Label8").Caption(), "Complete the sentences below about burning.");
    EXPECT_EQ(board.fixedText("Label9").Caption(), "Drag the labels into the correct boxes.");
    for (const Sentence &s : sentences) {
        const Label &beginning = board.fixedText("Label5", s.index);
        const Label &box = board.Label1[indexOfLabel(board, s.ending)];
        EXPECT_EQ(beginning.Caption(), s.beginning);
        EXPECT_EQ(beginning.Left() + beginning.Width(), 6495) << s.index;
        EXPECT_EQ(box.Left(), 6600) << s.index;
        EXPECT_LE(std::abs(box.Top() - beginning.Top()), 45) << s.index;
    }
}

TEST_F(ActivityBoardTest, AClickWithoutMovementSnapsTheLabelInPlaceWithAThud)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    const Label &magnetic = board.Label2[2];
    const QPoint centre = centreOf(magnetic);
    press(centre);
    release(centre);
    EXPECT_EQ(magnetic.Left(), 240);
    EXPECT_EQ(magnetic.Top(), 7440);
    EXPECT_EQ(sound.played, QStringList{thud});
}

TEST_F(ActivityBoardTest, ALeftDragDropsTheLabelExactlyIntoTheBoxAndCanTakeItOutAgain)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    Label &magnetic = board.Label2[2];
    press(centreOf(magnetic));
    EXPECT_TRUE(isTopmost(magnetic)) << "the dragged label is drawn over everything";

    // The label's centre follows the pointer, a pixel or so aside for rounding.
    const QPoint nearBox = onBoard(board, 7080 + 200 + 1402.5f, 3600 + 50 + 187.5f);
    moveTo(onBoard(board, 5000, 5000));
    EXPECT_NEAR(magnetic.Left() + 1402.5f, 5000, 16);
    EXPECT_NEAR(magnetic.Top() + 187.5f, 5000, 16);
    moveTo(nearBox);
    release(nearBox);
    EXPECT_EQ(magnetic.Left(), 7080);
    EXPECT_EQ(magnetic.Top(), 3600);
    EXPECT_EQ(sound.played, QStringList{thud});

    // Sitting on its box, the label still takes the mouse: the box is passive.
    press(centreOf(magnetic));
    moveTo(onBoard(board, 3000, 7000));
    release(onBoard(board, 3000, 7000));
    EXPECT_NE(magnetic.Left(), 7080);
    EXPECT_EQ(board.Label1[2].Left(), 7080) << "the box never moves";
}

TEST_F(ActivityBoardTest, AFastDragKeepsItsLabelWhereverThePointerGoes)
{
    ActivityBoard &board = open(&Screens::irreversiblelab);
    Label &burning = board.Label2[1];
    press(centreOf(burning));
    // One jump across the board onto a picture: the label still gets the move.
    const QPoint overPicture = centreOf(board.Image1[0]);
    moveTo(overPicture);
    EXPECT_NEAR(centreOf(burning).x(), overPicture.x(), 1);
    EXPECT_NEAR(centreOf(burning).y(), overPicture.y(), 1);
    // Onto another movable label, and even off the board: still the same label.
    moveTo(centreOf(board.Label2[0]));
    EXPECT_NEAR(centreOf(burning).x(), centreOf(board.Label2[0]).x(), 1);
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
    const QPoint start = centreOf(label);
    const QPoint elsewhere = onBoard(board, 9000, 500);

    press(start, Qt::RightButton);
    moveTo(elsewhere);
    EXPECT_EQ(label.Left(), 720);
    EXPECT_EQ(label.Top(), 6120);
    release(elsewhere, Qt::RightButton);
    EXPECT_EQ(sound.played, QStringList{thud}) << "the drop pass ran and snapped it home";

    press(start, Qt::LeftButton);
    press(start, Qt::RightButton);
    moveTo(elsewhere);
    EXPECT_EQ(label.Left(), 720) << "both buttons held";
    release(elsewhere, Qt::RightButton);
    EXPECT_EQ(sound.played.size(), 2);
    const QPoint further = elsewhere + QPoint(20, 0);
    moveTo(further);
    EXPECT_NE(label.Left(), 720) << "the left button alone drags again";
    release(further, Qt::LeftButton);
    EXPECT_EQ(sound.played.size(), 2) << "dropped far from every box: no thud";
}

TEST_F(ActivityBoardTest, CheckScoreShowsOnceEveryLabelSitsInSomeTargetBoxAndStays)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    for (int i = 0; i < 3; ++i) {
        dropInTarget(board, i, 3);
        EXPECT_FALSE(board.Label3[2].Visible()) << i;
    }
    dropInTarget(board, 3, 3);
    EXPECT_TRUE(board.Label3[2].Visible()) << "four labels stacked in one box";

    dropAt(board, 0, 500, 500);
    EXPECT_TRUE(board.Label3[2].Visible()) << "moving one out leaves the button up";
    board.Label3_Click(2);
    EXPECT_EQ(m().Score, 1);
    EXPECT_EQ(m().ScoreOutOf, 4);
}

TEST_F(ActivityBoardTest, CheckScoreCountsOwnBoxesAndOpensTheResultsOverTheBoard)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    const int order[] = {1, 0, 2, 3}; // the first two swapped
    for (int i = 0; i < 4; ++i)
        dropInTarget(board, i, order[i]);
    sound.played.clear();
    QTest::mouseClick(&board.Label3[2], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(m().Score, 2);
    EXPECT_EQ(m().ScoreOutOf, 4);
    ASSERT_TRUE(screens->isLoaded("Welldone"));
    Welldone &results = screens->welldone();
    EXPECT_TRUE(results.isVisible());
    const auto siblings = board.parentWidget()->children();
    EXPECT_GT(siblings.indexOf(&results), siblings.indexOf(&board));
    EXPECT_EQ(results.Label1->Caption(), "Good work. You have scored 2 out of 4.");
    EXPECT_EQ(sound.played, QStringList{click});
    EXPECT_EQ(board.Label2[0].Left(), board.Label1[1].Left()) << "labels stay where they are";
}

TEST_F(ActivityBoardTest, TwelveLabelsWithTwoSwappedScoreTen)
{
    ActivityBoard &board = open(&Screens::propertiesord);
    for (int i = 0; i < 12; ++i)
        dropInTarget(board, i, i == 10 ? 11 : i == 11 ? 10 : i);
    ASSERT_TRUE(board.Label3[2].Visible());
    board.Label3_Click(2);
    EXPECT_EQ(m().Score, 10);
    EXPECT_EQ(m().ScoreOutOf, 12);
}

TEST_F(ActivityBoardTest, StartAgainSendsEveryLabelHomeAndHidesCheckScore)
{
    ActivityBoard &board = open(&Screens::irreversibleord);
    for (int i = 0; i < 6; ++i)
        dropInTarget(board, i, 5 - i);
    // One label parked in another's home box still goes back to its own.
    dropAt(board, 0, 6100, 6130);
    ASSERT_EQ(board.Label2[0].Left(), 6090);
    m().Score = 7;
    sound.played.clear();
    board.Label3_Click(1);
    EXPECT_EQ(m().Score, 0);
    const float homes[][2] = {{720, 7320}, {6090, 7320}, {720, 6120},
                              {720, 6720}, {6090, 6720}, {6090, 6120}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(board.Label2[i].Left(), homes[i][0]) << i;
        EXPECT_EQ(board.Label2[i].Top(), homes[i][1]) << i;
    }
    EXPECT_FALSE(board.Label3[2].Visible());
    EXPECT_EQ(sound.played, QStringList{click});
}

TEST_F(ActivityBoardTest, ExitUnloadsTheBoardClearsTheScoreAndStillClicks)
{
    ActivityBoard &board = open(&Screens::propertiesord);
    dropAt(board, 0, 7920, 5400);
    m().Score = 5;
    sound.played.clear();
    board.Label3_Click(0);
    EXPECT_EQ(m().Score, 0);
    EXPECT_FALSE(screens->isLoaded("propertiesord"));
    EXPECT_EQ(sound.played, QStringList{click});
    finishHandlers();

    ActivityBoard &fresh = screens->propertiesord();
    EXPECT_EQ(fresh.Label2[0].Left(), 2160) << "a new opening starts from the design layout";
    EXPECT_FALSE(fresh.Label3[2].Visible());
}

TEST_F(ActivityBoardTest, WithSoundOffNothingIsHeard)
{
    ActivityBoard &board = open(&Screens::irreversiblelab);
    m().SoundOn = 0;
    for (int i = 0; i < 4; ++i)
        dropInTarget(board, i, i);
    board.Label3_Click(1);
    board.Label3_Click(0);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ActivityBoardTest, OnlyTheBareScreenClearsTheButtonHighlight)
{
    ActivityBoard &board = open(&Screens::propertieslab);
    for (const auto &[index, button] : board.Label3)
        EXPECT_EQ(button->backStyle(), BackStyle::Opaque) << "as designed, until the pointer moves";

    const QPoint bare = onBoard(board, 600, 2000);
    moveTo(bare);
    for (const auto &[index, button] : board.Label3)
        EXPECT_EQ(button->backStyle(), BackStyle::Transparent) << index;

    Label &exit = board.Label3[0];
    moveTo(centreOf(exit));
    EXPECT_EQ(exit.backStyle(), BackStyle::Opaque);
    EXPECT_EQ(board.Label3[1].backStyle(), BackStyle::Transparent);
    for (const QWidget *over : std::initializer_list<const QWidget *>{
             &board.Image1[3], &board.Label1[0], &board.Label2[1], board.Label6})
        moveTo(centreOf(*over));
    EXPECT_EQ(exit.backStyle(), BackStyle::Opaque) << "pictures, boxes and labels keep it";
    moveTo(bare);
    EXPECT_EQ(exit.backStyle(), BackStyle::Transparent);
}
