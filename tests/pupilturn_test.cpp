// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil saying who they are before a quiz, and the attempt the results screen records.
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "quiz/namepicker.h"
#include "quiz/pupilturn.h"
#include "quiz_fixture.h"

#include <QDir>
#include <QLineEdit>

namespace
{

class PupilTurnTest : public QuizFixture
{
protected:
    void startQuizTurn(const QString &title)
    {
        startTurn(*screens, AttemptKind::Quiz, title, [this] { openQuiz(); });
        finishHandlers();
    }
    QList<Attempt> recorded() const { return ClassRecord(classroom.folder()).read().attempts; }
    QString recordFile() const
    {
        return classroom.filePath("record/" +
                                  ClassRecord::machineFileName(ClassRecord::thisMachine()));
    }
};

// Question 3 answered B where C was right.
const char *const thirdWrongWithB = "2>1>2>4>2>3>1>4>2>1>";

} // namespace

TEST_F(PupilTurnTest, WithTheRecordOffTheQuizStartsAtOnceAndNothingIsKept)
{
    startQuizTurn("Properties of Materials");
    EXPECT_FALSE(screens->isLoaded("NamePicker"));
    play(thirdWrongWithB);
    EXPECT_TRUE(screens->welldone().isVisible());
    EXPECT_TRUE(screens->welldone().Text1->Text().isEmpty());
    EXPECT_FALSE(QDir(classroom.filePath("record")).exists());
}

TEST_F(PupilTurnTest, ThePupilPicksOrTypesTheirNameAndEachFinishedQuizIsRecordedEvenAfterAFailure)
{
    ClassRecordSettings settings(classroom.folder());
    settings.setClassList("Amira\nBen\n");
    settings.setOn(true);

    startQuizTurn("Properties of Materials");
    NamePicker &picker = screens->namePicker();
    ASSERT_TRUE(picker.isVisible());
    EXPECT_FALSE(screens->isLoaded("multiple")) << "the quiz waits for a name";
    EXPECT_EQ(picker.Label2[1].Caption(), "Ben");
    EXPECT_FALSE(picker.Label2[2].isVisibleTo(&picker));
    picker.Label2_Click(1);
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("NamePicker"));
    play(thirdWrongWithB);
    EXPECT_EQ(screens->welldone().Text1->Text(), "Ben") << "the certificate's name";

    QList<Attempt> attempts = recorded();
    ASSERT_EQ(attempts.size(), 1);
    EXPECT_EQ(attempts[0].pupil, "Ben");
    EXPECT_EQ(attempts[0].kind, AttemptKind::Quiz);
    EXPECT_EQ(attempts[0].title, "Properties of Materials");
    EXPECT_EQ(attempts[0].score, 9);
    EXPECT_EQ(attempts[0].outOf, 10);
    EXPECT_EQ(attempts[0].wrong, (QList<WrongAnswer>{{3, "B"}}));
    screens->unload(screens->welldone());
    finishHandlers();

    // A record file that can't be written to: the pupil is told nothing, the attempt waits.
    ASSERT_TRUE(QFile::rename(recordFile(), recordFile() + ".away"));
    ASSERT_TRUE(QDir().mkdir(recordFile()));
    startQuizTurn("My worksheet");
    screens->namePicker().Label3_Click(NamePicker::NotOnTheList);
    QTest::keyClicks(screens->namePicker().Text1->editor(), "  amira ");
    screens->namePicker().Label3_Click(NamePicker::TypedOk);
    finishHandlers();
    play(allRight);
    EXPECT_EQ(screens->welldone().Text1->Text(), "Amira") << "the list's spelling";
    EXPECT_TRUE(messageBoxes.asked.isEmpty());
    const UnrecordedAttempts &unrecorded = screens->state<UnrecordedAttempts>();
    ASSERT_EQ(unrecorded.waiting.size(), 1);
    EXPECT_FALSE(unrecorded.reason.isEmpty());
    screens->unload(screens->welldone());
    finishHandlers();

    // Room again: the waiting attempt goes in before the next one.
    ASSERT_TRUE(QDir().rmdir(recordFile()));
    ASSERT_TRUE(QFile::rename(recordFile() + ".away", recordFile()));
    startQuizTurn("Properties of Materials");
    screens->namePicker().Label3_Click(NamePicker::NotOnTheList);
    QTest::keyClicks(screens->namePicker().Text1->editor(), "Zara");
    QTest::keyClick(screens->namePicker().Text1->editor(), Qt::Key_Return);
    finishHandlers();
    play(thirdWrongWithB);
    attempts = recorded();
    ASSERT_EQ(attempts.size(), 3);
    EXPECT_EQ(attempts[1].pupil, "Amira");
    EXPECT_EQ(attempts[1].title, "My worksheet");
    EXPECT_EQ(attempts[1].score, 10);
    EXPECT_TRUE(attempts[1].wrong.isEmpty());
    EXPECT_EQ(attempts[2].pupil, "Zara");
    EXPECT_TRUE(screens->state<UnrecordedAttempts>().waiting.isEmpty());
}

TEST_F(PupilTurnTest, AnActivityIsRecordedWithItsScoreAndNoAnswers)
{
    ClassRecordSettings settings(classroom.folder());
    settings.setClassList("Amira\n");
    settings.setOn(true);
    bool opened = false;
    startTurn(*screens, AttemptKind::Activity, "Changes in Materials: Ordering",
              [&] { opened = true; });
    EXPECT_FALSE(opened);
    screens->namePicker().Label2_Click(0);
    ASSERT_TRUE(opened);
    session().Score = 5;
    session().ScoreOutOf = 6;
    screens->welldone().showActivityResult();
    const QList<Attempt> attempts = recorded();
    ASSERT_EQ(attempts.size(), 1);
    EXPECT_EQ(attempts[0].kind, AttemptKind::Activity);
    EXPECT_EQ(attempts[0].title, "Changes in Materials: Ordering");
    EXPECT_EQ(attempts[0].score, 5);
    EXPECT_EQ(attempts[0].outOf, 6);
    EXPECT_TRUE(attempts[0].wrong.isEmpty());
    // The results screen records a turn once, however often it is shown.
    screens->welldone().showActivityResult();
    EXPECT_EQ(recorded().size(), 1);
}
