// SPDX-License-Identifier: GPL-3.0-or-later
// The paper worksheet as a print run, operation by operation, on the recording printer.
#include "doubles/doubles.h"
#include "doubles/fakeprinter.h"
#include "printing/printerfont.h"
#include "quiz/quizsession.h"
#include "quiz/worksheetprint.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace
{

// A page 12000 twips wide puts the columns at easy numbers: W / 8 = 1500, W / 16 = 750,
// 2W / 6 = 4000, 4W / 6 = 8000.
constexpr float pageWidth = 12000;
constexpr float pageHeight = 16800;

const QString success = "Your worksheet is now printing.";
// The program's words, then the printer's reason on a line of its own.
const QString problem =
    "There was a problem printing to your printer.\n" + FakePrinter::failureReason;

QString centredAt(const QString &text, float points)
{
    const float width = printerTextWidth(printerFont("Times New Roman", points), text);
    return "CurrentX " + FakePrinter::number((pageWidth - width) / 2);
}

QString blanks(int count)
{
    return QString(count, ' ');
}

QuizSession questionSet()
{
    QuizSession m;
    for (int n = 1; n <= 10; ++n) {
        m.QuestionText[n] = QString("Which material is number %1?").arg(n);
        m.AnswerA[n] = QString("Wood %1").arg(n);
        m.AnswerB[n] = QString("Glass %1").arg(n);
        m.AnswerC[n] = QString("Steel %1").arg(n);
        m.AnswerD[n] = QString("Wool %1").arg(n);
        m.CorrectAnswer[n] = "2";
    }
    return m;
}

QStringList expectedQuestion(const QString &question, const QString &a, const QString &b,
                             const QString &c, const QString &d)
{
    return {
        "CurrentX 750",  "Print \"" + question + "\"", "CurrentX 4000", "Print \"A. " + a + "\" ;",
        "CurrentX 8000", "Print \"B. " + b + "\"",     "CurrentX 4000", "Print \"C. " + c + "\" ;",
        "CurrentX 8000", "Print \"D. " + d + "\"",     "Print \" \""};
}

// The run up to the questions, without the reads of ScaleWidth and TextWidth.
QStringList expectedHead(const QString &heading, const QString &title)
{
    return {"FontSize 16",
            "FontName Times New Roman",
            "CurrentX 1500",
            "Print \" \"",
            "CurrentX 750",
            "Print \"Kelvarin" + blanks(57) + "Orrowby Publishing Ltd\" ;",
            "Print \" \"",
            "Print \" \"",
            "FontSize 32",
            centredAt(heading, 32),
            "Print \"" + heading + "\"",
            centredAt(title, 32),
            "Print \"" + title + "\"",
            "Print \" \"",
            "FontSize 12"};
}

QStringList expectedRun(const QString &heading, const QString &title, const QuizSession &m)
{
    QStringList run = expectedHead(heading, title);
    for (int n = 1; n <= 10; ++n)
        run << expectedQuestion(QString("Question %1    ").arg(n) + m.QuestionText[n], m.AnswerA[n],
                                m.AnswerB[n], m.AnswerC[n], m.AnswerD[n]);
    run << "EndDoc";
    return run;
}

class WorksheetPrint : public ::testing::Test
{
protected:
    WorksheetPrint() { printer.setPrintableArea(pageWidth, pageHeight); }

    void print() { printWorksheet(printer, boxes, "Kelvarin", "Properties of Materials", m); }

    FakePrinter printer;
    ScriptedMessageBoxes boxes;
    QuizSession m = questionSet();
};

// Fails measuring with something other than a printer fault.
class BrokenMeasuringPrinter : public FakePrinter
{
public:
    float TextWidth(const QString &) override { throw std::logic_error("not a printer fault"); }
};

} // namespace

TEST_F(WorksheetPrint, PrintsHeaderTitlesAndTenQuestionsThenSaysSo)
{
    m.CorrectAnswer[1] = "Marked correct";
    print();
    const QStringList records = printer.recordsWithoutQueries();
    EXPECT_EQ(records, expectedRun("Kelvarin", "Properties of Materials", m));
    EXPECT_EQ(boxes.asked, QStringList{success});

    // The items that the expectation above builds, spelt out once.
    EXPECT_TRUE(
        records.contains("Print \"Kelvarin                                                  "
                         "       Orrowby Publishing Ltd\" ;"));
    EXPECT_TRUE(records.contains("Print \"Question 1    Which material is number 1?\""));
    EXPECT_TRUE(records.contains("Print \"Question 10    Which material is number 10?\""));
    EXPECT_TRUE(records.filter("Marked correct").isEmpty());
}

TEST_F(WorksheetPrint, EmptyAnswersStillPrintTheirLetters)
{
    m.AnswerA[3] = "";
    m.AnswerC[7] = "";
    m.AnswerD[10] = "";
    print();
    const QStringList records = printer.recordsWithoutQueries();
    EXPECT_EQ(records, expectedRun("Kelvarin", "Properties of Materials", m));
    EXPECT_TRUE(records.contains("Print \"A. \" ;"));
    EXPECT_TRUE(records.contains("Print \"C. \" ;"));
    EXPECT_TRUE(records.contains("Print \"D. \""));
}

TEST_F(WorksheetPrint, PrinterFailureStopsTheRunAndIsReportedOnce)
{
    struct Case {
        const char *what;
        QString operation; // empty: the very first operation
        int occurrence;
    };
    const Case cases[]{
        {"first operation", "", 0},
        {"font name", "FontName", 1},
        // seven prints before the questions, six for each of questions 1 to 4, then Q, A, B
        {"question 5's answer B", "Print", 7 + 4 * 6 + 3},
        {"EndDoc", "EndDoc", 1}};
    const QStringList full = expectedRun("Kelvarin", "Properties of Materials", m);
    for (const Case &c : cases) {
        FakePrinter casePrinter;
        casePrinter.setPrintableArea(pageWidth, pageHeight);
        ScriptedMessageBoxes caseBoxes;
        QStringList expected;
        if (c.operation.isEmpty()) {
            casePrinter.failAt(1);
        } else {
            casePrinter.failOn(c.operation, c.occurrence);
            // The half-drawn document is thrown away, never left open for the next run.
            expected = FakePrinter::recordsBefore(full, c.operation, c.occurrence) << "KillDoc";
        }
        printWorksheet(casePrinter, caseBoxes, "Kelvarin", "Properties of Materials", m);
        EXPECT_EQ(casePrinter.recordsWithoutQueries(), expected) << c.what;
        EXPECT_EQ(caseBoxes.asked, QStringList{problem}) << c.what;
    }
}

TEST_F(WorksheetPrint, OtherFailuresAreLeftToTheCaller)
{
    BrokenMeasuringPrinter broken;
    EXPECT_THROW(printWorksheet(broken, boxes, "Kelvarin", "Properties of Materials", m),
                 std::logic_error);
    EXPECT_TRUE(boxes.asked.isEmpty());
}

TEST_F(WorksheetPrint, TwoRunsAreTwoWholeDocuments)
{
    print();
    print();
    const QStringList one = expectedRun("Kelvarin", "Properties of Materials", m);
    EXPECT_EQ(printer.recordsWithoutQueries(), one + one);
    EXPECT_EQ(boxes.asked, (QStringList{success, success}));
}
