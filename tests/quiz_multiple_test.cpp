// SPDX-License-Identifier: GPL-3.0-or-later
// The quiz screen driven as a pupil would: whole quizzes answered with the mouse, then the
// results and the review it leaves behind.
#include "quiz_fixture.h"

#include <QFontMetrics>

namespace
{

const QString click = "wav\\click.wav";
const QString typekey = "wav\\typekey.wav";

using QuizTest = QuizFixture;

} // namespace

TEST_F(QuizTest, OpeningStartsAFreshQuizWithTheNoAnswerButtonHiddenBehindThePicture)
{
    session().Score = 7;
    session().CurrentQuestion = 6;
    session().QuestionResult[3] = 1;
    Multiple &quiz = openQuiz();

    EXPECT_EQ(session().Score, 0);
    EXPECT_EQ(session().ScoreOutOf, 10);
    EXPECT_EQ(session().QuestionResult[3], 0);
    EXPECT_EQ(quiz.Label6->Caption(), "Properties of Materials");
    EXPECT_EQ(quiz.Label4->Caption(), "Question 1");
    EXPECT_EQ(quiz.Option1[4].Caption(), "plastic");
    EXPECT_FALSE(quiz.Label3[0].Visible());
    EXPECT_TRUE(quiz.Label3[3].Visible()) << "a teacher can print any set";
    EXPECT_TRUE(sound.played.isEmpty()) << "opening chooses nothing";

    OptionButton &none = quiz.Option1[5];
    EXPECT_TRUE(none.Value());
    EXPECT_TRUE(quiz.Picture1->geometry().contains(none.geometry()));
    const auto order = quiz.children();
    EXPECT_GT(order.indexOf(quiz.Picture1), order.indexOf(&none)) << "the picture lies over it";
    choose(3);
    press(1);
    EXPECT_EQ(stage->focusWidget(), &none) << "no answer of the next question has a focus mark";
}

TEST_F(QuizTest, PreviousAndTheForwardButtonFollowTheQuestion)
{
    Multiple &quiz = openQuiz();
    play("2>>>>>>>>>");
    EXPECT_EQ(quiz.Label4->Caption(), "Question 10");
    EXPECT_TRUE(quiz.Label3[0].Visible());
    EXPECT_EQ(quiz.Label3[1].Caption(), "Check Score >>");
    play("<<<<<<<<");
    EXPECT_EQ(quiz.Label2->Caption(), sampleSet[1][0]);
    EXPECT_EQ(quiz.Label3[1].Caption(), "Next Question >>");
    play("<");
    EXPECT_FALSE(quiz.Label3[0].Visible());
    EXPECT_FALSE(quiz.Option1[2].Value()) << "a question comes back with nothing chosen";
}

TEST_F(QuizTest, WholeQuizzesScoreOnlyWhatWasChosenWhenNextWasPressed)
{
    const struct {
        const char *name, *script;
        int score;
        QString message;
        QStringList review;
    } rows[] = {
        {"all right", allRight, 10, "Excellent work. You have scored 10 out of 10.", {}},
        {"2 and 7 wrong",
         "2>2>3>4>2>3>2>4>2>1>",
         8,
         "Good work. You have scored 8 out of 10.",
         {" 2. Which material lets light through?",
          " 7. What does water turn into when it freezes?"}},
        {"all wrong",
         "3>2>4>1>3>4>2>1>3>2>",
         0,
         "You have scored 0 out of 10.",
         {" 1. Which of these materials is magnetic?", " 2. Which material lets light through?",
          " 3. Which cup keeps a drink warm longest?", " 4. What happens to chocolate when warmed?",
          " 5. Which of these conducts electricity?", " 6. Which material is waterproof?",
          " 7. What does water turn into when it freezes?", " 8. Which change cannot be reversed?",
          " 9. Which material is the hardest?", " 10. Which material bends and springs back?"}},
        {"answers changed",
         "1342>13>3>4>2>3>1>4>2>1>",
         9,
         "Good work. You have scored 9 out of 10.",
         {" 2. Which material lets light through?"}},
        {"back and on without choosing",
         "2>1>3><>4>2>3>1>4>2>1>",
         9,
         "Good work. You have scored 9 out of 10.",
         {" 3. Which cup keeps a drink warm longest?"}},
        {"next without a choice",
         "2>1>3>4>>3>1>4>2>1>",
         9,
         "Good work. You have scored 9 out of 10.",
         {" 5. Which of these conducts electricity?"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        openQuiz();
        play(row.script);
        EXPECT_FALSE(screens->isLoaded("multiple"));
        EXPECT_EQ(session().Score, row.score);
        EXPECT_EQ(session().CertificateHeading, "Kelvarin");
        Welldone &results = screens->welldone();
        EXPECT_TRUE(results.isVisible());
        EXPECT_EQ(results.Label1->Caption(), row.message);
        const bool perfect = row.score == 10;
        EXPECT_EQ(results.Label3[0].Caption(),
                  perfect ? "Print Certificate" : "Check Wrong Answers");
        EXPECT_TRUE(results.Label3[0].Visible());
        EXPECT_EQ(results.Text1->Visible(), perfect);
        EXPECT_EQ(results.Label5->Caption().isEmpty(), perfect) << "the hint, under a lower score";
        EXPECT_TRUE(results.Label5->Visible());
        EXPECT_FALSE(results.Label6->Visible());
        EXPECT_FALSE(screens->wrong().isVisible());
        EXPECT_EQ(screens->wrong().Label6->Caption(), "Properties of Materials");
        expectReview(row.review);
        results.Label3_Click(1); // Exit, closing the review too, so the next quiz starts afresh
        finishHandlers();
    }
}

TEST_F(QuizTest, ACorrectAnswerFieldThatNamesNoAnswerCountsWrongWhateverIsChosen)
{
    // "5" names the hidden no-answer button, the others no button at all.
    for (const char *field : {"5", "0", "x", "", "12"}) {
        for (const char *choice : {"", "1", "2", "3", "4"}) {
            SCOPED_TRACE(std::string("field '") + field + "', choice '" + choice + "'");
            session().CorrectAnswer[4] = field;
            openQuiz();
            ASSERT_NO_THROW(play(QString("2>1>3>%1>2>3>1>4>2>1>").arg(choice)));
            EXPECT_EQ(session().Score, 9);
            expectReview({" 4. What happens to chocolate when warmed?"});
            screens->welldone().Label3_Click(1);
            finishHandlers();
        }
    }
}

TEST_F(QuizTest, ChoosingTypesAKeyAndEveryButtonClicksAfterItsAction)
{
    openQuiz();
    play("2>");
    // Showing the next question selects the no-answer button, which types a key of its own.
    EXPECT_EQ(sound.played, (QStringList{typekey, typekey, click}));
    sound.played.clear();
    play("><");
    EXPECT_EQ(sound.played, (QStringList{click, click}));

    settings().SoundOn = 0;
    sound.played.clear();
    play("1>3<>>>>>>>>>");
    clock.advance(20);
    screens->welldone().Label3_Click(1);
    EXPECT_TRUE(sound.played.isEmpty()) << "no key, click or praise";
}

TEST_F(QuizTest, ExitLeavesTheQuizWithoutScoring)
{
    openQuiz();
    play("2>1>");
    sound.played.clear();
    press(2);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("multiple"));
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_EQ(sound.played, QStringList{click});
    EXPECT_EQ(session().QuestionResult[2], 1);
    EXPECT_EQ(session().Score, 0);
}

TEST_F(QuizTest, PrintWorksheetPrintsTheSetUnderTheScreensHeadingAndTitle)
{
    openQuiz();
    play(">");
    press(3);
    const QStringList printed = printer.records();
    EXPECT_TRUE(printed.contains("Print \"Kelvarin\""));
    EXPECT_TRUE(printed.contains("Print \"Properties of Materials\""));
    EXPECT_TRUE(printed.contains("Print \"D. burning\""));
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your worksheet is now printing."});
    EXPECT_EQ(session().CurrentQuestion, 2) << "printing leaves the quiz where it was";

    printer.failOn("EndDoc");
    press(3);
    EXPECT_EQ(messageBoxes.asked.last(),
              "There was a problem printing to your printer.\n" + FakePrinter::failureReason);
}

TEST_F(QuizTest, HoverHighlightsTheButtonUnderThePointerOnly)
{
    Multiple &quiz = openQuiz();
    QTest::mouseMove(&quiz.Label3[1], QPoint(5, 5));
    QTest::mouseMove(&quiz, QPoint(700, 80));
    for (int index : {0, 1, 2, 3})
        EXPECT_EQ(quiz.Label3[index].backStyle(), BackStyle::Transparent) << index;
    QTest::mouseMove(&quiz.Label3[3], QPoint(5, 5));
    EXPECT_EQ(quiz.Label3[3].backStyle(), BackStyle::Opaque);
}

TEST_F(QuizTest, LongAnswersShrinkToFitTheirLineAndShortOnesKeepTheDesignSize)
{
    session().AnswerB[1] = "a bar of steel that has been stroked with a strong magnet";
    Multiple &quiz = openQuiz();
    EXPECT_EQ(quiz.Option1[1].font().pixelSize(), 27) << "20.25 pt, 20 twips a point, 15 a pixel";
    const OptionButton &longAnswer = quiz.Option1[2];
    // The caption starts beside the 13-pixel dot and a 4-pixel gap.
    EXPECT_LE(QFontMetrics(longAnswer.font()).horizontalAdvance(longAnswer.Caption()),
              longAnswer.width() - 17);
    EXPECT_GE(longAnswer.font().pixelSize(), 16) << "never below 12 pt";
}

// Keys 1 to 4 choose, Enter goes on; the keys reach the quiz wherever its focus rests.
TEST_F(QuizTest, AQuizAnsweredWithKeysAloneScoresAsWithTheMouse)
{
    openQuiz();
    const auto key = [this](int which) {
        QTest::keyClick(stage->focusWidget(), static_cast<Qt::Key>(which));
    };
    key(Qt::Key_5); // no answer 5 to choose
    EXPECT_TRUE(sound.played.isEmpty());
    for (QChar step : QString(allRight)) {
        if (step == '>')
            key(Qt::Key_Return);
        else
            key(Qt::Key_0 + step.digitValue());
    }
    finishHandlers();
    EXPECT_EQ(session().Score, 10);
    EXPECT_EQ(screens->welldone().Label1->Caption(),
              "Excellent work. You have scored 10 out of 10.");
    // Each choice types a key, and so does each next question clearing it.
    EXPECT_EQ(sound.played.count(typekey), 19);
    EXPECT_EQ(sound.played.count(click), 10);
}
