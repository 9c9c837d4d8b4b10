// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "platform/tablebox.h"
#include "quiz/pupilturn.h"
#include "quiz/questionset.h"
#include "worksheets/classrecordscreen.h"
#include "worksheets/questionchart.h"
#include "worksheets_fixture.h"

#include <QHeaderView>
#include <QTableWidget>

namespace
{

const QString topic = QStringLiteral("Properties of Materials");
const QString labelling = QStringLiteral("Properties of Materials: Labelling");

class ClassRecordScreenTest : public WorksheetsFixture
{
protected:
    ClassRecordScreen &screen() { return screens->classRecordScreen(); }
    QTableWidget &table() { return *screen().Table1->table(); }

    void record(const QDateTime &time, const QString &pupil, const QString &machine,
                AttemptKind kind, const QString &title, int score, int outOf,
                QList<WrongAnswer> wrong = {})
    {
        ClassRecord(classroom.folder())
            .append({time, pupil, machine, kind, title, score, outOf, wrong});
    }

    // The table as the teacher reads it: the headings, then a line for each pupil.
    QStringList tableText()
    {
        QStringList heads{"pupil"};
        for (int c = 0; c < table().columnCount(); ++c)
            heads << table().horizontalHeaderItem(c)->text().replace('\n', ' ');
        QStringList lines{heads.join(" | ")};
        for (int r = 0; r < table().rowCount(); ++r) {
            QStringList cells{table().verticalHeaderItem(r)->text()};
            for (int c = 0; c < table().columnCount(); ++c)
                cells << table().item(r, c)->text();
            lines << cells.join(" | ");
        }
        return lines;
    }

    QStringList historyText()
    {
        QTableWidget &history = *screen().Table2->table();
        QStringList lines;
        for (int r = 0; r < history.rowCount(); ++r)
            lines << history.item(r, 1)->text() + " " + history.item(r, 2)->text();
        return lines;
    }

    void clickColumnHeading(int column)
    {
        QHeaderView &heading = *table().horizontalHeader();
        QTest::mouseClick(heading.viewport(), Qt::LeftButton, {},
                          {heading.sectionViewportPosition(column) + 5, 5});
    }

    void clickCell(int row, int column)
    {
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {},
                          table().visualItemRect(table().item(row, column)).center());
    }

    void setChanged(const QString &path, const QDateTime &time)
    {
        QFile file(classroom.filePath(path));
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
    }

    QStringList printed() const { return printer.records().filter(QRegularExpression("^Print")); }
};

} // namespace

// A class's record on two machines, read by the teacher: who did what, which questions went
// wrong, one pupil's history, another period, then the export and the print.
TEST_F(ClassRecordScreenTest, TeacherReadsExportsAndPrintsTheRecord)
{
    screen().open();
    EXPECT_EQ(screen().Chart1->text(), "Nothing has been recorded yet.");
    click(screen().Label3[ClassRecordScreen::Exit]);
    finishHandlers();

    ClassRecordSettings(classroom.folder()).setClassList("Ali\nBen\nCara\nDev");
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime week = periodStart(Period::ThisWeek, now);
    const QDateTime lastYear = periodStart(Period::ThisTerm, now).addDays(-30);
    using K = AttemptKind;
    record(lastYear, "Ali", "room-1", K::Quiz, topic, 9, 10, {{3, "C"}});
    record(lastYear.addSecs(60), "Ben", "room-2", K::Activity, labelling, 5, 6);
    record(week, "Ali", "room-1", K::Quiz, topic, 6, 10, {{3, "B"}, {5, "C"}, {7, "D"}, {9, "A"}});
    record(week.addSecs(60), "ben", "room-2", K::Quiz, topic, 8, 10, {{3, "B"}, {7, "-"}});
    record(week.addSecs(120), "Cara", "room-2", K::Worksheet, "Magnets", 4, 10, {{3, "A"}});
    classroom.writeFile("record/room-3.csv",
                        AttemptCsv::byteOrderMark() + AttemptCsv::headerLine() + "cut short,\r\n");
    // The topic's set is as it was for every attempt; the worksheet was edited after its one.
    setChanged("multiple/" + topic + ".txt", lastYear.addDays(-1));
    QuestionSetText magnets{"Magnets", {}};
    for (auto &question : magnets.questions)
        question = {"Which of these is magnetic?", {"wood", "steel", "glass", "plastic"}, 2};
    writeQuestionSet(classroom.folder(), "multiple/Magnets.txt", magnets);
    setChanged("multiple/Magnets.txt", week.addDays(1));
    screens->state<UnrecordedAttempts>() = {{Attempt{}, Attempt{}}, "The disk is full."};

    screen().open();
    EXPECT_EQ(tableText(),
              QStringList({"pupil | Quiz Properties of Materials | Worksheet Magnets",
                           "Ali | 6/10 | ", "Ben | 8/10 | ", "Cara |  | 4/10", "Dev |  | "}));
    EXPECT_EQ(table().item(0, 0)->background().color(), Colour::bandMiddle);
    EXPECT_EQ(table().item(1, 0)->background().color(), Colour::bandHigh);
    EXPECT_EQ(table().item(2, 1)->background().color(), Colour::bandLow);
    EXPECT_EQ(screen().Label7->Caption(),
              "1 line of the record could not be read and was skipped. 2 results from this "
              "computer could not be saved: The disk is full. They will be saved with the next "
              "result.");

    // The topic quiz's questions are worded from its set; the worksheet's words may no longer be
    // the ones its pupil answered.
    QuizSession set;
    loadQuestionSetFile(classroom.folder(), set, topicQuestionSetFile(topic));
    const QString chart = screen().Chart1->text();
    EXPECT_TRUE(chart.contains("Question 3: " + set.QuestionText[3])) << chart.toStdString();
    EXPECT_TRUE(chart.contains(" 2 of 2 pupils answered wrongly; most chose B (" + set.AnswerB[3] +
                               "), 2 times.\nQuestion 4"));
    EXPECT_TRUE(chart.contains(" 2 of 2 pupils answered wrongly; most chose no answer, 1 time."))
        << "a question left unanswered is recorded as -";
    clickColumnHeading(1);
    EXPECT_EQ(screen().Chart1->text().section('\n', 3, 3),
              "Question 3. 1 of 1 pupil answered wrongly; most chose A, 1 time.");

    clickCell(1, 0);
    EXPECT_EQ(screen().Label8->Caption(), "Ben, newest first:");
    EXPECT_EQ(historyText(), QStringList{"Quiz: Properties of Materials 8/10"});

    click(screen().Label4[int(Period::Everything)]);
    EXPECT_EQ(tableText(),
              QStringList({"pupil | Quiz Properties of Materials | Worksheet Magnets | Activity "
                           "Properties of Materials: Labelling",
                           "Ali | 6/10 (best 9/10) |  | ", "Ben | 8/10 |  | 5/6",
                           "Cara |  | 4/10 | ", "Dev |  |  | "}));
    EXPECT_EQ(historyText(), QStringList({"Quiz: Properties of Materials 8/10",
                                          "Activity: Properties of Materials: Labelling 5/6"}))
        << "Ben stays chosen";

    // Export: a cancelled dialog does nothing; a chosen file gets the record in time order.
    const QString exported = classroom.filePath("export.csv");
    click(screen().Label3[ClassRecordScreen::Export]);
    EXPECT_TRUE(messageBoxes.suggestedFiles.value(0).endsWith(
        "/Class record " + QDate::currentDate().toString(Qt::ISODate) + ".csv"));
    EXPECT_TRUE(messageBoxes.asked.isEmpty());
    messageBoxes.fileChoices.push_back(exported);
    click(screen().Label3[ClassRecordScreen::Export]);
    const QStringList lines = QString::fromUtf8(fileBytes("export.csv")).split("\r\n");
    ASSERT_EQ(lines.size(), 7) << lines.join('|').toStdString();
    EXPECT_TRUE(lines[1].contains(",Ali,room-1,quiz,Properties of Materials,9,10,3:C"));
    EXPECT_TRUE(lines[5].contains(",Cara,room-2,worksheet,Magnets,4,10,3:A"));
    EXPECT_EQ(messageBoxes.asked.value(0),
              "The class record has been exported to " + exported + ".");

    // Print, on a page short enough that the pupils run on to a second one.
    printer.setPrintableArea(11500, 1700);
    click(screen().Label3[ClassRecordScreen::Print]);
    const QStringList paper = printed();
    EXPECT_EQ(paper.mid(0, 2), QStringList({"Print \"Class Record\"", "Print \"Everything\""}));
    EXPECT_TRUE(paper.contains("Print \"Ali\" ;"));
    EXPECT_TRUE(paper.contains("Print \"Quiz: Properties of Materials  6/10 (best 9/10)\""));
    EXPECT_TRUE(paper.contains("Print \"nothing yet\""));
    EXPECT_TRUE(printer.records().contains("NewPage"));
    EXPECT_TRUE(paper.contains("Print \"Class Record, Everything, page 2\""));
    EXPECT_EQ(printer.records().last(), "EndDoc");
    EXPECT_EQ(messageBoxes.asked.value(1), "The class record is now printing.");
}

// A record folder that is not a folder: the teacher is told why, and no blank screen is left.
TEST_F(ClassRecordScreenTest, ARecordThatCannotBeReadIsReportedAndNothingOpens)
{
    writeFile("record", "not a folder");
    screen().open();
    ASSERT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_TRUE(messageBoxes.asked[0].startsWith("The class record could not be read.\n"))
        << messageBoxes.asked[0].toStdString();
    finishHandlers();
    EXPECT_FALSE(screens->isLoaded("ClassRecord"));
}
