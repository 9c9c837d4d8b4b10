// SPDX-License-Identifier: GPL-3.0-or-later
// The results screen and the review as the quiz and the activities leave them: the message, the
// opening steps, the praise clip drawn by the score, the buttons and the certificate.
#include "platform/messageboxes.h"
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
        session().Score = score;
        session().ScoreOutOf = outOf;
        Welldone &results = screens->welldone();
        results.show();
        return results;
    }
    void closeResults()
    {
        screens->unload(screens->welldone());
        finishHandlers();
    }
};

} // namespace

TEST_F(ResultsTest, AfterAnActivityOnlyAPerfectScoreOffersMoreThanExit)
{
    const struct {
        int score, outOf;
        QString message;
    } rows[] = {
        {4, 4, "Excellent work. You have scored 4 out of 4."},
        {3, 4, "Good work. You have scored 3 out of 4."},
        {10, 12, "Good work. You have scored 10 out of 12."},
        {9, 12, "You have scored 9 out of 12."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        Welldone &results = openAfterActivity(row.score, row.outOf);
        const bool perfect = row.score == row.outOf;
        EXPECT_EQ(results.Label1->Caption(), row.message);
        EXPECT_EQ(results.Label3[0].Visible(), perfect);
        EXPECT_EQ(results.Text1->Visible(), perfect);
        EXPECT_EQ(results.Label2->Visible(), perfect);
        EXPECT_EQ(results.Label6->Visible(), !perfect) << "Read the Key Facts and try again.";
        EXPECT_FALSE(results.Label5->Visible());
        closeResults();
    }
}

TEST_F(ResultsTest, TheOpeningStepsRunOnceEachInOrder)
{
    Welldone &results = openAfterActivity(10, 10);
    QTest::mouseMove(&results, bareScreen);
    results.setFocus();
    clock.advance(1);
    EXPECT_EQ(results.Picture1->pictureFile(), "images\\lampsm.jpg");
    EXPECT_NE(stage->focusWidget(), results.Text1->editor());
    clock.advance(9);
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Transparent) << "the second step waits";
    clock.advance(1);
    EXPECT_EQ(stage->focusWidget(), results.Text1->editor());
    EXPECT_EQ(results.Label3[0].backStyle(), BackStyle::Opaque);
    EXPECT_EQ(results.Label3[1].backStyle(), BackStyle::Opaque);
    EXPECT_TRUE(sound.played.isEmpty());
    random.numbers = {0.75};
    clock.advance(1);
    EXPECT_EQ(sound.played, QStringList{"wav\\fanf3.wav"});
    clock.advance(1000);
    EXPECT_EQ(sound.played.size(), 1);
}

TEST_F(ResultsTest, ThePraiseClipIsDrawnByTheScoreAlone)
{
    const struct {
        int score, outOf;
        double drawn; // negative: no number is drawn
        QString clip;
    } rows[] = {
        {12, 12, -1, "wav\\halleluj.wav"},
        {11, 12, 0.49, "wav\\fanf4.wav"},
        {11, 12, 0.5, "wav\\slot_payoff.wav"},
        {10, 12, 0.0, "wav\\fanf2.wav"},
        {10, 10, 0.999, "wav\\fanf3.wav"},
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
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(QString("%1 of %2").arg(row.score).arg(row.outOf).toStdString());
        sound.played.clear();
        random.numbers = {0.5};
        if (row.drawn >= 0)
            random.numbers.push_front(row.drawn);
        openAfterActivity(row.score, row.outOf);
        clock.advance(20);
        EXPECT_EQ(sound.played, row.clip.isEmpty() ? QStringList{} : QStringList{row.clip});
        EXPECT_EQ(random.numbers.size(), 1u) << "at most one number is drawn";
        closeResults();
    }
}

TEST_F(ResultsTest, CheckWrongAnswersShowsTheReviewWhoseExitClosesBothSilently)
{
    openQuiz();
    play("2>1>3>1>2>3>1>4>1>1>");
    Welldone &results = screens->welldone();
    sound.played.clear();
    QTest::mouseClick(&results.Label3[0], Qt::LeftButton, {}, QPoint(8, 8));
    Wrong &review = screens->wrong();
    EXPECT_TRUE(review.isVisible());
    EXPECT_GT(stage->children().indexOf(&review), stage->children().indexOf(&results));
    EXPECT_EQ(sound.played, QStringList{click});

    sound.played.clear();
    QTest::mouseClick(&review.Label3[1], Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(screens->isLoaded("Wrong"));
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_TRUE(sound.played.isEmpty());
}

TEST_F(ResultsTest, ExitClosesReviewAndResultsThenClicks)
{
    openQuiz();
    play(allRight);
    sound.played.clear();
    QTest::mouseClick(&screens->welldone().Label3[1], Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_FALSE(screens->isLoaded("Welldone"));
    EXPECT_FALSE(screens->isLoaded("Wrong"));
    EXPECT_EQ(sound.played, QStringList{click});

    finishHandlers();
    openAfterActivity(3, 4).Label3_Click(1);
    EXPECT_TRUE(stage->findChildren<Wrong *>().isEmpty()) << "no review made just to close it";
}

TEST_F(ResultsTest, PrintCertificatePrintsTheTypedNameWithoutAClick)
{
    openQuiz();
    play(allRight);
    Welldone &results = screens->welldone();
    clock.advance(20);
    QTest::keyClicks(results.Text1->editor(), "Alexandra Montgomery-Smithson");
    sound.played.clear();
    QTest::mouseClick(&results.Label3[0], Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_TRUE(printer.records().contains("Print \"Alexandra Montgomery-Smit\"")) << "25 typed";
    EXPECT_TRUE(printer.records().contains("Print \"You have scored 10 out of 10.\""));
    EXPECT_EQ(messageBoxes.asked, QStringList{"Your certificate is now printing."});
    EXPECT_TRUE(sound.played.isEmpty());

    printer.failOn("EndDoc");
    results.Label3_Click(0);
    EXPECT_EQ(messageBoxes.asked.last(),
              "There was a problem printing to your printer.\n" + FakePrinter::failureReason);
}

TEST_F(ResultsTest, TheHeadingDropsASizeOnlyWhenItLooksWideOnTheScreen)
{
    // A quarter of the page is 2834.5 twips: 189 pixels of the screen's 24 pt type.
    for (const auto &[heading, size] : {std::pair<QString, QString>{"Kelvarin", "36"},
                                        {"Science for Years Three to Six at Hill Top", "28"}}) {
        session().CertificateHeading = heading;
        openAfterActivity(4, 4).Label3_Click(0);
        const QStringList printed = printer.records();
        const int at = printed.indexOf("Print \"" + heading + "\"");
        ASSERT_GT(at, 0);
        QString inForce;
        for (int i = 0; i < at; ++i)
            inForce = printed[i].startsWith("FontSize ") ? printed[i].mid(9) : inForce;
        EXPECT_EQ(inForce, size) << heading.toStdString();
        closeResults();
    }
}

namespace
{

// Runs out of memory at the end of the page: not a printer failure, so the print run lets it by.
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
    program.state<QuizSession>().Score = 10;
    program.state<QuizSession>().ScoreOutOf = 10;
    ASSERT_NO_THROW(program.welldone().Label3_Click(0));
    EXPECT_EQ(messageBoxes.asked, QStringList{"Printing has been cancelled."});
    EXPECT_TRUE(spooler.records().contains("Print \"Excellent Work\"")) << "the run had begun";
    EXPECT_EQ(spooler.records().last(), "KillDoc") << "the next print would go on this one's page";
}
