// The results screen as the quiz and the activities leave it: the message, the opening steps,
// the praise clip drawn by the score, the buttons and the certificate.
#include "platform/messageboxes.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "quiz_fixture.h"

#include <QLineEdit>
#include <new>

namespace
{

const QString click = "wav\\click.wav";
// Between the heading and the first button, clear of every control.
const QPoint bareScreen(20, 90);

class ResultsTest : public QuizFixture
{
protected:
    // As an activity opens the results: the score set, the screen touched and shown unchanged.
    Welldone &openAfterActivity(int score, int outOf)
    {
        m().Score = score;
        m().ScoreOutOf = outOf;
        Welldone &results = screens->welldone();
        results.show();
        return results;
    }

    // The opening steps all run: picture, focus, then the clip.
    void runOpening() { clock.advance(20); }

    // The font size in force when the certificate printed its heading.
    float headingSize(const QString &heading)
    {
        float size = 0;
        for (const QString &record : printer.records()) {
            if (record.startsWith("FontSize "))
                size = record.section(' ', 1).toFloat();
            if (record == "Print \"" + heading + "\"")
                return size;
        }
        ADD_FAILURE() << "heading never printed";
        return 0;
    }
};

} // namespace

TEST_F(ResultsTest, TheMessageAndWhatIsOfferedFollowTheScore)
{
    const struct {
        int score, outOf;
        QString message;
        bool certificate;
    } rows[] = {
        {4, 4, "Excellent work. You have scored 4 out of 4.", true},
        {12, 12, "Excellent work. You have scored 12 out of 12.", true},
        {3, 4, "Good work. You have scored 3 out of 4.", false},
        {10, 12, "Good work. You have scored 10 out of 12.", false},
        {9, 12, "You have scored 9 out of 12.", false},
        {0, 6, "You have scored 0 out of 6.", false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        Welldone &results = openAfterActivity(row.score, row.outOf);
        EXPECT_EQ(results.Label4->Caption(), "Well Done!");
        EXPECT_EQ(results.Label1->Caption(), row.message);
        EXPECT_EQ(results.BackColor(), QColor(49, 27, 110));
        EXPECT_EQ(results.Width(), 12000);
        // An activity has no wrong answers to list: without a perfect score only Exit is offered.
        EXPECT_EQ(results.Label3[0].Visible(), row.certificate);
        EXPECT_EQ(results.Text1->Visible(), row.certificate);
        EXPECT_EQ(results.Label2->Visible(), row.certificate);
        EXPECT_EQ(results.Label6->Visible(), !row.certificate);
        EXPECT_FALSE(results.Label5->Visible());
        EXPECT_TRUE(results.Label3[1].Visible());
        if (row.certificate)
            EXPECT_EQ(results.Label3[0].Caption(), "Print Certificate");
        else
            EXPECT_EQ(results.Label6->Caption(), "Read the Key Facts and try again.");
        screens->unload(results);
        finishHandlers();
    }
}

TEST_F(ResultsTest, TheOpeningStepsRunOnceEachInOrder)
{
    Welldone &results = openAfterActivity(10, 10);
    QTest::mouseMove(&results, bareScreen); // both buttons plain before the steps run
    results.setFocus();
    EXPECT_TRUE(results.Picture1->picture().isNull());

    clock.advance(1);
    EXPECT_EQ(results.Picture1->pictureFile(), "images\\lampsm.jpg");
    EXPECT_FALSE(results.Picture1->picture().isNull());
    EXPECT_FALSE(results.Timer1->Enabled());
    EXPECT_NE(stage->focusWidget(), results.Text1->editor());

    clock.advance(9);
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Transparent)
        << "the second step waits 10 ms";
    clock.advance(1);
    EXPECT_EQ(stage->focusWidget(), results.Text1->editor());
    EXPECT_EQ(results.Label3[0].backStyle(), BackStyle::Opaque);
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Opaque);
    EXPECT_TRUE(sound.played.isEmpty());

    random.numbers = {0.75};
    clock.advance(1);
    EXPECT_EQ(sound.played, QStringList{"wav\\fanf3.wav"});
    clock.advance(1000);
    EXPECT_EQ(sound.played.size(), 1) << "each step runs once";
    EXPECT_FALSE(results.Timer3->Enabled());
}

TEST_F(ResultsTest, TheFocusStepSkipsAHiddenNameBox)
{
    Welldone &results = openAfterActivity(2, 4);
    results.setFocus();
    runOpening();
    EXPECT_NE(stage->focusWidget(), results.Text1->editor());
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Opaque);
}

TEST_F(ResultsTest, ThePraiseClipIsDrawnByTheScoreAlone)
{
    const struct {
        int score, outOf;
        double drawn; // negative: nothing is drawn
        QString clip; // empty: silence
    } rows[] = {
        {12, 12, -1, "wav\\halleluj.wav"},
        {11, 12, 0.49, "wav\\fanf4.wav"},
        {11, 12, 0.5, "wav\\slot_payoff.wav"},
        {10, 10, 0.0, "wav\\fanf2.wav"},
        {10, 12, 0.999, "wav\\fanf3.wav"},
        {9, 10, 0.33, "wav\\crowd.wav"},
        {9, 10, 0.34, "wav\\cheer2.wav"},
        {9, 10, 0.67, "wav\\klaxon.wav"},
        {8, 10, 0.2, "wav\\flute.wav"},
        {8, 10, 0.5, "wav\\gong.wav"},
        {8, 10, 0.7, "wav\\clap2.wav"},
        {7, 10, 0.1, "wav\\drumroll.wav"},
        {7, 10, 0.66, "wav\\laser2.wav"},
        {7, 10, 0.9, "wav\\whizz.wav"},
        {6, 6, 0.2, "wav\\clap3.wav"},
        {6, 10, 0.8, "wav\\clown.wav"},
        {5, 10, -1, ""},
        {4, 4, -1, ""},
        {0, 10, -1, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QString("score %1 of %2, drawn %3")
                         .arg(row.score)
                         .arg(row.outOf)
                         .arg(row.drawn)
                         .toStdString());
        sound.played.clear();
        random.numbers = {0.5};
        if (row.drawn >= 0)
            random.numbers = {row.drawn, 0.5};
        Welldone &results = openAfterActivity(row.score, row.outOf);
        runOpening();
        EXPECT_EQ(sound.played, row.clip.isEmpty() ? QStringList{} : QStringList{row.clip});
        if (row.drawn >= 0) {
            EXPECT_EQ(random.numbers.size(), 1u) << "one number drawn";
        }
        screens->unload(results);
        finishHandlers();
    }
}

TEST_F(ResultsTest, WithSoundOffNothingPlays)
{
    m().SoundOn = 0;
    Welldone &results = openAfterActivity(8, 10);
    results.Label3[0].show();
    runOpening();
    results.Label3_Click(0);
    results.Label3_Click(1);
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ResultsTest, HoverHighlightsTheButtonUnderThePointer)
{
    Welldone &results = openAfterActivity(10, 10);
    runOpening();
    QTest::mouseMove(&results.Label3[0], QPoint(5, 5));
    QTest::mouseMove(&results, bareScreen);
    EXPECT_EQ(results.Label3[0].backStyle(), BackStyle::Transparent);
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Transparent);
    QTest::mouseMove(&results.Label3[1], QPoint(5, 5));
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Opaque);
    EXPECT_EQ(results.Label3[0].backStyle(), BackStyle::Transparent);
}

TEST_F(ResultsTest, CheckWrongAnswersShowsTheReviewOverTheResults)
{
    openQuiz();
    answerAll(keyWithWrong({4, 9}));
    Welldone &results = screens->welldone();
    runOpening();
    sound.played.clear();
    QTest::mouseClick(&results.Label3[0], Qt::LeftButton, {}, QPoint(8, 8));

    Wrong &review = screens->wrong();
    EXPECT_TRUE(review.isVisible());
    EXPECT_TRUE(results.isVisible());
    const auto order = stage->children();
    EXPECT_GT(order.indexOf(&review), order.indexOf(&results));
    EXPECT_EQ(sound.played, QStringList{click});
    expectReview(
        {" 4. What happens to chocolate when it is warmed?", " 9. Which material is the hardest?"});
}

TEST_F(ResultsTest, ExitClosesReviewAndResultsThenClicks)
{
    openQuiz();
    answerAll(keyWithWrong({1}));
    sound.played.clear();
    QTest::mouseClick(&screens->welldone().Label3[1], Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_FALSE(screens->isLoaded("Wrong"));
    EXPECT_EQ(sound.played, QStringList{click});
}

TEST_F(ResultsTest, ExitAfterAnActivityMakesNoReviewJustToCloseIt)
{
    Welldone &results = openAfterActivity(3, 4);
    results.Label3_Click(1);
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_TRUE(stage->findChildren<Wrong *>().isEmpty());
}

TEST_F(ResultsTest, TheNameBoxTakesTwentyFiveTypedCharacters)
{
    Welldone &results = openAfterActivity(10, 10);
    runOpening();
    QTest::keyClicks(results.Text1->editor(), "Alexandra Montgomery-Smithson");
    EXPECT_EQ(results.Text1->Text(), "Alexandra Montgomery-Smit");
}

TEST_F(ResultsTest, PrintCertificatePrintsTheNameAndScoreWithoutAClick)
{
    openQuiz();
    answerAll(sampleKey);
    Welldone &results = screens->welldone();
    runOpening();
    QTest::keyClicks(results.Text1->editor(), "Amy Jones");
    sound.played.clear();
    QTest::mouseClick(&results.Label3[0], Qt::LeftButton, {}, QPoint(8, 8));

    const QStringList printed = printer.records();
    EXPECT_TRUE(printed.contains("Print \"Amy Jones\""));
    EXPECT_TRUE(printed.contains("Print \"You have scored 10 out of 10.\""));
    EXPECT_EQ(printed.count("EndDoc"), 1);
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your certificate is now printing."});
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_TRUE(results.isVisible());
}

TEST_F(ResultsTest, TheHeadingDropsASizeOnlyWhenItLooksWideOnTheScreen)
{
    // A quarter of the default page is 2834.5 twips, 189 pixels of 24 pt type on the screen.
    const struct {
        QString heading;
        float size;
    } rows[] = {
        {"Kelvarin", 36},
        {"Science for Years Three to Six at Hill Top", 28},
    };
    for (const auto &row : rows) {
        m().CertificateHeading = row.heading;
        Welldone &results = openAfterActivity(4, 4);
        results.Label3_Click(0);
        EXPECT_EQ(headingSize(row.heading), row.size) << row.heading.toStdString();
        screens->unload(results);
        finishHandlers();
    }
}

TEST_F(ResultsTest, APrinterFailureIsReportedByThePrintRunAlone)
{
    Welldone &results = openAfterActivity(10, 10);
    printer.failOn("EndDoc");
    results.Label3_Click(0);
    EXPECT_EQ(messageBoxes.asked, QStringList{"There was a problem printing to your printer."});
}

namespace
{

// A printer whose spooler runs out of memory at the end of the page: a failure that is not the
// printer's own, which the print run leaves to its caller.
class OutOfMemorySpooler : public FakePrinter
{
public:
    void EndDoc() override { throw std::bad_alloc(); }
};

} // namespace

TEST_F(ResultsTest, AFailureEscapingThePrintRunCancelsPrinting)
{
    OutOfMemorySpooler spooler;
    Platform withSpooler{sound, spooler, messageBoxes, random, [] {}};
    Screens program(*stage, withSpooler);
    program.module1().Score = 10;
    program.module1().ScoreOutOf = 10;
    Welldone &results = program.welldone();
    results.show();

    ASSERT_NO_THROW(results.Label3_Click(0));
    EXPECT_EQ(messageBoxes.asked, QStringList{"Printing has been cancelled."});
    EXPECT_TRUE(spooler.records().contains("Print \"Excellent Work\"")) << "the run had begun";
    EXPECT_TRUE(results.isVisible());
}

TEST(ScoreMessage, LeadsByHowCloseTheScoreIsToPerfect)
{
    const struct {
        int score, outOf;
        QString message;
    } rows[] = {
        {10, 10, "Excellent work. You have scored 10 out of 10."},
        {9, 10, "Good work. You have scored 9 out of 10."},
        {8, 10, "Good work. You have scored 8 out of 10."},
        {7, 10, "You have scored 7 out of 10."},
        {5, 6, "Good work. You have scored 5 out of 6."},
        {0, 4, "You have scored 0 out of 4."},
    };
    for (const auto &row : rows)
        EXPECT_EQ(scoreMessage(row.score, row.outOf), row.message);
}
