// The quiz screen driven as a pupil would: whole quizzes answered with the mouse, then the
// results and the review it leaves behind.
#include "quiz/questionset.h"
#include "quiz_fixture.h"

#include <QFile>
#include <QFontMetrics>

namespace
{

const QString click = "wav\\click.wav";
const QString typekey = "wav\\typekey.wav";

class QuizTest : public QuizFixture
{
protected:
    // Leaves the results (and the review) the way the pupil does, ready for another quiz.
    void leaveResults()
    {
        screens->welldone().Label3_Click(1);
        finishHandlers();
    }
};

bool inFront(QWidget *front, QWidget *back)
{
    const auto children = front->parentWidget()->children();
    return children.indexOf(front) > children.indexOf(back);
}

} // namespace

TEST_F(QuizTest, OpeningStartsAFreshQuizOnQuestionOneWithNoAnswerChosen)
{
    m().Score = 7;
    m().ScoreOutOf = 4;
    m().CurrentQuestion = 6;
    m().QuestionResult[3] = 1;
    Multiple &quiz = openQuiz();

    EXPECT_EQ(m().Score, 0);
    EXPECT_EQ(m().ScoreOutOf, 10);
    EXPECT_EQ(m().CurrentQuestion, 1);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(m().QuestionResult[n], 0) << n;
    EXPECT_EQ(quiz.Label1->Caption(), "Multiple Choice");
    EXPECT_EQ(quiz.Label5->Caption(), "Kelvarin");
    EXPECT_EQ(quiz.Label6->Caption(), "Properties of Materials");
    EXPECT_EQ(quiz.Label4->Caption(), "Question 1");
    EXPECT_EQ(quiz.Label2->Caption(), "Which of these materials is magnetic?");
    const QStringList answers = {"wood", "steel", "glass", "plastic"};
    for (int option = 1; option <= 4; ++option) {
        EXPECT_EQ(quiz.Option1[option].Caption(), answers[option - 1]);
        EXPECT_FALSE(quiz.Option1[option].Value()) << option;
        EXPECT_EQ(quiz.Option1[option].BackColor(), QColor(0, 78, 152)) << option;
    }
    EXPECT_FALSE(quiz.Label3[0].Visible());
    EXPECT_EQ(quiz.Label3[1].Caption(), "Next Question >>");
    EXPECT_TRUE(quiz.Label3[2].Visible());
    EXPECT_TRUE(quiz.Label3[3].Visible()) << "a teacher can print any set";
    EXPECT_EQ(quiz.Label3[3].Caption(), "Print Worksheet");
    EXPECT_TRUE(sound.played.isEmpty()) << "opening the quiz chooses nothing";
}

TEST_F(QuizTest, TheNoAnswerButtonLiesHiddenBehindThePictureAndHoldsTheFocus)
{
    Multiple &quiz = openQuiz();
    OptionButton &none = quiz.Option1[5];
    EXPECT_TRUE(none.Value());
    EXPECT_EQ(none.Left(), 6840 + 240);
    EXPECT_EQ(none.Top(), 240 + 240);
    EXPECT_TRUE(quiz.Picture1->geometry().contains(none.geometry()));
    EXPECT_TRUE(inFront(quiz.Picture1, &none));

    choose(3);
    EXPECT_EQ(stage->focusWidget(), &quiz.Option1[3]);
    press(1);
    EXPECT_EQ(stage->focusWidget(), &none) << "no answer of the next question has a focus mark";
}

TEST_F(QuizTest, PreviousAndTheForwardButtonFollowTheQuestionOnShow)
{
    Multiple &quiz = openQuiz();
    for (int question = 1; question <= 10; ++question) {
        EXPECT_EQ(quiz.Label4->Caption(), "Question " + QString::number(question));
        EXPECT_EQ(quiz.Label2->Caption(), sampleSet[question - 1].text);
        EXPECT_EQ(quiz.Label3[0].Visible(), question > 1) << question;
        EXPECT_EQ(quiz.Label3[1].Caption(), question == 10 ? "Check Score >>" : "Next Question >>")
            << question;
        if (question < 10)
            press(1);
    }
    press(0);
    EXPECT_EQ(m().CurrentQuestion, 9);
    EXPECT_EQ(quiz.Label4->Caption(), "Question 9");
    EXPECT_EQ(quiz.Label3[1].Caption(), "Next Question >>");
}

TEST_F(QuizTest, AQuestionComesBackWithNoAnswerChosen)
{
    Multiple &quiz = openQuiz();
    choose(2);
    press(1);
    choose(4);
    press(0);
    EXPECT_EQ(quiz.Label4->Caption(), "Question 1");
    for (int option = 1; option <= 4; ++option)
        EXPECT_FALSE(quiz.Option1[option].Value()) << option;
}

TEST_F(QuizTest, AllRightScoresTenAndOffersTheCertificate)
{
    openQuiz();
    answerAll(sampleKey);

    EXPECT_EQ(m().Score, 10);
    EXPECT_FALSE(screens->isLoaded("multiple"));
    EXPECT_EQ(m().CertificateHeading, "Kelvarin");
    Welldone &results = screens->welldone();
    EXPECT_TRUE(results.isVisible());
    EXPECT_EQ(results.Label1->Caption(), "Excellent work. You have scored 10 out of 10.");
    EXPECT_TRUE(results.Label3[0].Visible());
    EXPECT_EQ(results.Label3[0].Caption(), "Print Certificate");
    EXPECT_TRUE(results.Text1->Visible());
    EXPECT_TRUE(results.Label2->Visible());
    EXPECT_FALSE(results.Label6->Visible());
    EXPECT_TRUE(results.Label5->Caption().isEmpty()) << "no hint under a perfect score";

    ASSERT_TRUE(screens->isLoaded("Wrong")) << "the review is made even with nothing to list";
    EXPECT_FALSE(screens->wrong().isVisible());
    EXPECT_EQ(screens->wrong().Label6->Caption(), "Properties of Materials");
    expectReview({});
}

TEST_F(QuizTest, QuestionsTwoAndSevenWrongAreListedInOrder)
{
    openQuiz();
    answerAll(keyWithWrong({2, 7}));

    EXPECT_EQ(m().Score, 8);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(m().QuestionResult[n], n == 2 || n == 7 ? 0 : 1) << n;
    Welldone &results = screens->welldone();
    EXPECT_EQ(results.Label1->Caption(), "Good work. You have scored 8 out of 10.");
    EXPECT_TRUE(results.Label5->Visible());
    EXPECT_EQ(results.Label5->Caption(),
              "Click the button above to check which questions you answered incorrectly.");
    EXPECT_TRUE(results.Label3[0].Visible());
    EXPECT_EQ(results.Label3[0].Caption(), "Check Wrong Answers");
    EXPECT_FALSE(results.Label6->Visible());
    EXPECT_FALSE(results.Text1->Visible());
    EXPECT_FALSE(results.Label2->Visible());
    expectReview({" 2. Which material lets light pass through it?",
                  " 7. What does water turn into when it freezes?"});
}

TEST_F(QuizTest, AllWrongListsEveryQuestion)
{
    openQuiz();
    answerAll(keyWithWrong({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    EXPECT_EQ(m().Score, 0);
    EXPECT_EQ(screens->welldone().Label1->Caption(), "You have scored 0 out of 10.");
    expectReview({
        " 1. Which of these materials is magnetic?",
        " 2. Which material lets light pass through it?",
        " 3. Which cup keeps a drink warm for longest?",
        " 4. What happens to chocolate when it is warmed?",
        " 5. Which of these conducts electricity?",
        " 6. Which material is waterproof?",
        " 7. What does water turn into when it freezes?",
        " 8. Which change cannot be reversed?",
        " 9. Which material is the hardest?",
        " 10. Which material bends and springs back?",
    });
}

TEST_F(QuizTest, OnlyTheLastChoiceBeforeNextCounts)
{
    openQuiz();
    for (int option : {1, 3, 4, 2}) // question 1 ends on its right answer
        choose(option);
    EXPECT_EQ(sound.played, QStringList(4, typekey)) << "every choice clicks a key";
    EXPECT_EQ(m().QuestionResult[1], 0) << "nothing is recorded before Next";
    press(1);
    for (int option : {1, 3}) // question 2: its right answer, then a wrong one
        choose(option);
    press(1);
    answerAll(sampleKey);

    EXPECT_EQ(m().Score, 9);
    expectReview({" 2. Which material lets light pass through it?"});
}

TEST_F(QuizTest, GoingBackAndOnWithoutChoosingAgainCountsAsWrong)
{
    openQuiz();
    for (int question = 1; question <= 3; ++question) {
        choose(sampleKey[question - 1]);
        press(1);
    }
    EXPECT_EQ(m().QuestionResult[3], 1);
    press(0);
    EXPECT_EQ(m().CurrentQuestion, 3);
    press(1);
    EXPECT_EQ(m().QuestionResult[3], 0);
    answerAll(sampleKey);

    EXPECT_EQ(m().Score, 9);
    expectReview({" 3. Which cup keeps a drink warm for longest?"});
}

TEST_F(QuizTest, NextWithoutAChoiceCountsAsWrong)
{
    openQuiz();
    std::array<int, 10> choices = sampleKey;
    choices[4] = NoChoice;
    answerAll(choices);

    EXPECT_EQ(m().Score, 9);
    expectReview({" 5. Which of these conducts electricity?"});
}

TEST_F(QuizTest, ACorrectAnswerFieldThatNamesNoAnswerCountsWrongWhateverIsChosen)
{
    // "5" would name the hidden no-answer button, "0" and "x" no button at all.
    for (const char *field : {"5", "0", "x", "", "12"}) {
        for (int choice : {NoChoice, 1, 2, 3, 4}) {
            SCOPED_TRACE(QString("field \"%1\", choice %2").arg(field).arg(choice).toStdString());
            m().CorrectAnswer[4] = field;
            openQuiz();
            std::array<int, 10> choices = sampleKey;
            choices[3] = choice;
            ASSERT_NO_THROW(answerAll(choices));
            EXPECT_EQ(m().Score, 9);
            expectReview({" 4. What happens to chocolate when it is warmed?"});
            leaveResults();
        }
    }
}

TEST(CorrectOption, NamesAnAnswerButtonOnlyForOneToFour)
{
    const struct {
        QString field;
        int option;
    } rows[] = {
        {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4}, {"4 ", 4}, {" 2", 2}, {"0", 0},
        {"5", 0}, {"9", 0}, {"", 0},  {" ", 0}, {"x", 0},  {"12", 0}, {"-1", 0},
    };
    for (const auto &row : rows)
        EXPECT_EQ(correctOption(row.field), row.option) << row.field.toStdString();
}

TEST_F(QuizTest, ChoosingClicksAKeyAndEveryButtonClicksAfterItsAction)
{
    openQuiz();
    choose(2);
    press(1);
    // Showing the next question selects the no-answer button, which is a choice of its own.
    EXPECT_EQ(sound.played, (QStringList{typekey, typekey, click}));

    sound.played.clear();
    press(1); // nothing chosen: nothing to clear
    press(0);
    EXPECT_EQ(sound.played, (QStringList{click, click}));

    m().SoundOn = 0;
    sound.played.clear();
    choose(1);
    press(1);
    press(0);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(QuizTest, TheLastNextClicksBeforeThePraise)
{
    openQuiz();
    for (int question = 1; question <= 9; ++question)
        press(1);
    sound.played.clear();
    choose(sampleKey[9]);
    press(1);
    finishHandlers();
    EXPECT_EQ(sound.played, (QStringList{typekey, click}));
}

TEST_F(QuizTest, ExitLeavesTheQuizWithoutScoring)
{
    openQuiz();
    choose(sampleKey[0]);
    press(1);
    choose(sampleKey[1]);
    press(1);
    sound.played.clear();
    press(2);
    finishHandlers();

    EXPECT_FALSE(screens->isLoaded("multiple"));
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_FALSE(screens->isLoaded("Wrong"));
    EXPECT_EQ(sound.played, QStringList{click});
    EXPECT_EQ(m().CurrentQuestion, 3);
    EXPECT_EQ(m().QuestionResult[2], 1);
    EXPECT_EQ(m().Score, 0);
}

TEST_F(QuizTest, PrintWorksheetPrintsTheSetUnderTheScreensHeadingAndTitle)
{
    Multiple &quiz = openQuiz();
    press(1);
    sound.played.clear();
    press(3);

    const QStringList printed = printer.records();
    EXPECT_TRUE(printed.contains("Print \"Kelvarin\""));
    EXPECT_TRUE(printed.contains("Print \"Properties of Materials\""));
    EXPECT_TRUE(
        printed.contains("Print \"Question 10    Which material bends and springs back?\""));
    EXPECT_EQ(printed.count("EndDoc"), 1);
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your worksheet is now printing."});
    EXPECT_EQ(sound.played, QStringList{click});
    EXPECT_EQ(m().CurrentQuestion, 2) << "printing leaves the quiz where it was";
    EXPECT_TRUE(quiz.isVisible());
}

TEST_F(QuizTest, AFailedWorksheetPrintIsReportedOnceAndTheQuizGoesOn)
{
    openQuiz();
    printer.failOn("EndDoc");
    press(3);
    EXPECT_EQ(messageBoxes.asked, QStringList{"There was a problem printing to your printer."});
    answerAll(sampleKey);
    EXPECT_EQ(m().Score, 10);
}

TEST_F(QuizTest, HoverHighlightsTheButtonUnderThePointerOnly)
{
    Multiple &quiz = openQuiz();
    QTest::mouseMove(&quiz.Label3[1], QPoint(5, 5));
    EXPECT_EQ(quiz.Label3[1].backStyle(), BackStyle::Opaque);
    QTest::mouseMove(&quiz, QPoint(700, 80));
    for (int index : {0, 1, 2, 3})
        EXPECT_EQ(quiz.Label3[index].backStyle(), BackStyle::Transparent) << index;
    QTest::mouseMove(&quiz.Label3[3], QPoint(5, 5));
    EXPECT_EQ(quiz.Label3[3].backStyle(), BackStyle::Opaque);
    EXPECT_EQ(quiz.Label3[2].backStyle(), BackStyle::Transparent);
}

TEST_F(QuizTest, LongAnswersShrinkToFitTheirLineAndShortOnesKeepTheDesignSize)
{
    m().AnswerB[1] = "a bar of steel that has been stroked with a strong magnet";
    Multiple &quiz = openQuiz();
    // 20.25 pt at 20 twips a point and 15 twips a pixel.
    EXPECT_EQ(quiz.Option1[1].font().pixelSize(), 27);
    const OptionButton &longAnswer = quiz.Option1[2];
    const int captionWidth =
        QFontMetrics(longAnswer.font()).horizontalAdvance(longAnswer.Caption());
    // The caption starts beside the 13-pixel dot and a 4-pixel gap.
    EXPECT_LE(captionWidth, longAnswer.width() - 17);
    EXPECT_GE(longAnswer.font().pixelSize(), 16) << "no smaller than 12 pt";

    press(1);
    EXPECT_EQ(quiz.Option1[2].font().pixelSize(), 27) << "the next question starts afresh";
}

TEST_F(QuizTest, ASetReadFromItsFileRunsToTheResults)
{
    QFile file("multiple/Rocks.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Rocks& soils and metals\r\n \r\n");
    for (const SampleQuestion &q : sampleSet) {
        file.write(QByteArray(q.text) + "\r\n");
        for (const char *answer : q.answers)
            file.write(QByteArray(answer) + "\r\n");
        file.write(QByteArray(q.correct) + "\r\n \r\n");
    }
    file.close();
    loadQuestionSetFile(m(), "multiple/Rocks.txt");

    Multiple &quiz = openQuiz();
    EXPECT_EQ(quiz.Label6->Caption(), "Rocks, soils and metals");
    answerAll(keyWithWrong({10}));
    EXPECT_EQ(m().Score, 9);
    EXPECT_EQ(screens->wrong().Label6->Caption(), "Rocks, soils and metals");
    expectReview({" 10. Which material bends and springs back?"});
}

TEST_F(QuizTest, TheNextQuizStartsWithAnEmptyReview)
{
    openQuiz();
    answerAll(keyWithWrong({2, 7}));
    leaveResults();
    EXPECT_FALSE(screens->isLoaded("Wrong"));

    openQuiz();
    answerAll(keyWithWrong({5}));
    expectReview({" 5. Which of these conducts electricity?"});
}
