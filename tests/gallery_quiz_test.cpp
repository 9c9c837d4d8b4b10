// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the quiz, the results and the review on the installed set, for the gallery; they
// also catch a screen that paints nothing where its design puts something.
#include "gallery.h"
#include "quiz/namepicker.h"
#include "quiz/questionset.h"
#include "quiz_fixture.h"

#include <QImage>
#include <QLineEdit>

namespace
{

QColor colourAt(QWidget &screen, float xTwips, float yTwips)
{
    return screen.grab().toImage().pixelColor(static_cast<int>(xTwips / 15),
                                              static_cast<int>(yTwips / 15));
}

class GalleryQuiz : public QuizFixture
{
protected:
    GalleryQuiz()
    {
        loadQuestionSetFile(classroom.folder(), session(), "multiple\\Properties of Materials.txt");
    }

    // The installed set answered, with the given questions answered with the next option.
    QString answers(std::initializer_list<int> wrong = {})
    {
        QString script;
        for (int n = 1; n <= 10; ++n) {
            const int right = session().CorrectAnswer[n].toInt();
            script +=
                QString::number(std::count(wrong.begin(), wrong.end(), n) ? right % 4 + 1 : right) +
                ">";
        }
        return script;
    }
};

} // namespace

TEST_F(GalleryQuiz, QuizShowingAQuestion)
{
    Multiple &quiz = openQuiz();
    play(answers().left(2) + "2");
    ASSERT_TRUE(saveToGallery(quiz, "multiple"));
    EXPECT_EQ(colourAt(quiz, 10600, 8000), QColor(0, 0, 0)) << "Exit's box";
    EXPECT_NE(colourAt(quiz, 6840 + 300, 240 + 300), QColor(0, 78, 152)) << "the picture";
}

TEST_F(GalleryQuiz, ResultsForAPerfectQuizWithTheName)
{
    openQuiz();
    play(answers());
    Welldone &results = screens->welldone();
    clock.advance(20);
    QTest::keyClicks(results.Text1->editor(), "Amy Jones");
    ASSERT_TRUE(saveToGallery(results, "Welldone-perfect"));
    EXPECT_NE(colourAt(results, 8280, 3240), QColor(49, 135, 214)) << "the lamp";
    EXPECT_EQ(colourAt(results, 8700, 6900), QColor(255, 255, 255)) << "the whole name box";
}

TEST_F(GalleryQuiz, ResultsForSevenOutOfTenAndTheirReview)
{
    openQuiz();
    play(answers({2, 5, 10}));
    Welldone &results = screens->welldone();
    clock.advance(20);
    ASSERT_EQ(session().Score, 7);
    ASSERT_TRUE(saveToGallery(results, "Welldone-7of10"));
    EXPECT_EQ(colourAt(results, 300, 2000), QColor(0, 0, 0)) << "Check Wrong Answers' box";
    results.Label3_Click(0);
    ASSERT_TRUE(saveToGallery(screens->wrong(), "Wrong"));
    EXPECT_EQ(colourAt(screens->wrong(), 6000, 6000), QColor(0, 78, 152));
}

// A class of 28, the pupil about to type a name that is not on the list.
TEST_F(GalleryQuiz, WhoIsDoingThis)
{
    const QStringList names{"Aisha",  "Ben",   "Chloe", "Daniel", "Ella", "Finn",  "Grace",
                            "Harry",  "Isla",  "Jack",  "Keira",  "Leo",  "Maya",  "Noah",
                            "Olivia", "Priya", "Quinn", "Ruby",   "Sam",  "Tia",   "Umar",
                            "Violet", "Will",  "Xena",  "Yusuf",  "Zoë",  "Alfie", "Maximilian"};
    NamePicker &picker = screens->namePicker();
    picker.ask(names, [](const QString &) {});
    picker.Label3_Click(NamePicker::NotOnTheList);
    ASSERT_TRUE(saveToGallery(picker, "namepicker"));
    EXPECT_EQ(colourAt(picker, 6000, 7260), QColor(255, 255, 255)) << "the name box";
}
