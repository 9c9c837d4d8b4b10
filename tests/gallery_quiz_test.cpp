// Pictures of the quiz, the results and the review for the gallery; they also catch a screen
// that paints nothing where its design puts something.
#include "gallery.h"
#include "quiz/questionset.h"
#include "quiz_fixture.h"

#include <QImage>
#include <QLineEdit>

namespace
{

// Colour at a point given in twips on a screen.
QColor colourAt(const QImage &image, float x, float y)
{
    return image.pixelColor(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

class GalleryQuiz : public QuizFixture
{
protected:
    GalleryQuiz() { loadQuestionSetFile(m(), "multiple\\Properties of Materials.txt"); }

    // The right answers of the installed set, read from the state it loaded.
    std::array<int, 10> installedKey()
    {
        std::array<int, 10> key{};
        for (int n = 1; n <= 10; ++n)
            key[n - 1] = correctOption(m().CorrectAnswer[n]);
        return key;
    }
};

} // namespace

TEST_F(GalleryQuiz, QuizShowingAQuestion)
{
    Multiple &quiz = openQuiz();
    choose(installedKey()[0]);
    press(1);
    choose(2);
    ASSERT_TRUE(saveToGallery(quiz, "multiple"));
    const QImage shot = quiz.grab().toImage();
    EXPECT_EQ(colourAt(shot, 11000, 5000), QColor(0, 78, 152));
    // "Exit", left of its caption: the button's black box.
    EXPECT_EQ(colourAt(shot, 10600, 8000), QColor(0, 0, 0));
    // The picture covers the no-answer button.
    EXPECT_NE(colourAt(shot, 6840 + 300, 240 + 300), QColor(0, 78, 152));
}

TEST_F(GalleryQuiz, ResultsForAPerfectQuizWithTheNameBox)
{
    openQuiz();
    answerAll(installedKey());
    Welldone &results = screens->welldone();
    clock.advance(20);
    QTest::keyClicks(results.Text1->editor(), "Amy Jones");
    ASSERT_TRUE(saveToGallery(results, "Welldone-perfect"));
    const QImage shot = results.grab().toImage();
    EXPECT_EQ(colourAt(shot, 1000, 4000), QColor(49, 27, 110));
    // The lamp picture is in, and the name box is white.
    EXPECT_NE(colourAt(shot, 8280, 3240), QColor(49, 135, 214));
    EXPECT_EQ(colourAt(shot, 8700, 6900), QColor(255, 255, 255));
}

TEST_F(GalleryQuiz, ResultsForSevenOutOfTen)
{
    openQuiz();
    std::array<int, 10> choices = installedKey();
    for (int question : {3, 6, 9})
        choices[question - 1] = choices[question - 1] % 4 + 1;
    answerAll(choices);
    Welldone &results = screens->welldone();
    clock.advance(20);
    ASSERT_EQ(m().Score, 7);
    ASSERT_TRUE(saveToGallery(results, "Welldone-7of10"));
    const QImage shot = results.grab().toImage();
    // "Check Wrong Answers", left of its caption: the button's black box.
    EXPECT_EQ(colourAt(shot, 300, 2000), QColor(0, 0, 0));
}

TEST_F(GalleryQuiz, ReviewWithThreeWrongAnswers)
{
    openQuiz();
    std::array<int, 10> choices = installedKey();
    for (int question : {2, 5, 10})
        choices[question - 1] = choices[question - 1] % 4 + 1;
    answerAll(choices);
    screens->welldone().Label3_Click(0);
    Wrong &review = screens->wrong();
    ASSERT_TRUE(saveToGallery(review, "Wrong"));
    const QImage shot = review.grab().toImage();
    EXPECT_EQ(colourAt(shot, 6000, 6000), QColor(0, 78, 152));
}
