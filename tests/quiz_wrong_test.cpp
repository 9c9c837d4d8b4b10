// The wrong-answers review: its place on the screen and its Exit.
#include "quiz_fixture.h"

namespace
{

using ReviewTest = QuizFixture;

} // namespace

TEST_F(ReviewTest, AFreshReviewHasTenHiddenLinesDownTheScreen)
{
    Wrong &review = screens->wrong();
    EXPECT_EQ(review.Width(), 12000);
    EXPECT_EQ(review.BackColor(), QColor(0, 78, 152));
    EXPECT_EQ(review.Label4->Caption(), "You answered the following questions incorrectly.");
    EXPECT_EQ(review.Label5->Caption(), "Read the Key Facts and try again.");
    EXPECT_EQ(review.Label3[1].Caption(), "Exit");
    EXPECT_EQ(review.Label2.indices().size(), 10u);
    for (int k = 0; k <= 9; ++k) {
        EXPECT_FALSE(review.Label2[k].Visible()) << k;
        EXPECT_EQ(review.Label2[k].Left(), 120) << k;
        EXPECT_EQ(review.Label2[k].ForeColor(), QColor(255, 255, 255)) << k;
    }
    EXPECT_EQ(review.Label2[0].Top(), 1680);
    EXPECT_EQ(review.Label2[9].Top(), 7080);
}

TEST_F(ReviewTest, ExitClosesReviewAndResultsTogetherSilently)
{
    openQuiz();
    answerAll(keyWithWrong({3}));
    screens->welldone().Label3_Click(0);
    Wrong &review = screens->wrong();
    ASSERT_TRUE(review.isVisible());
    sound.played.clear();

    QTest::mouseClick(&review.Label3[1], Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(screens->isLoaded("Wrong"));
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ReviewTest, ItsExitButtonKeepsItsBoxUnderThePointer)
{
    Wrong &review = screens->wrong();
    review.show();
    QTest::mouseMove(&review, QPoint(30, 54)); // between the title and the heading line
    QTest::mouseMove(&review.Label3[1], QPoint(5, 5));
    QTest::mouseMove(&review, QPoint(30, 54)); // between the title and the heading line
    EXPECT_EQ(review.Label3[1].backStyle(), BackStyle::Opaque);
}
