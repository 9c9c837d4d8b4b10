// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate as a print run, operation by operation, on the recording printer.
#include "doubles/doubles.h"
#include "doubles/fakeprinter.h"
#include "printing/printerfont.h"
#include "quiz/certificateprint.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace
{

// A page of 12000 x 16800 twips keeps the arithmetic below easy to check by hand:
// W / 8 = 1500, W / 4 = 3000, an empty text centres at W / 2 = 6000.
constexpr float pageWidth = 12000;
constexpr float pageHeight = 16800;

const QString success = "Your certificate is now printing.";
// The program's words, then the printer's reason on a line of its own.
const QString problem =
    "There was a problem printing to your printer.\n" + FakePrinter::failureReason;

// 3 blanks, Well Done, 6 blanks, Well Done, 5 blanks, Well Done, 5 blanks, Well Done, 4 blanks.
const QString band =
    "   Well Done" + QString("      Well Done") + "     Well Done" + "     Well Done" + "    ";

QString centredAt(const QString &text, float points)
{
    const float width = printerTextWidth(printerFont("Times New Roman", points), text);
    return "CurrentX " + FakePrinter::number((pageWidth - width) / 2);
}

QStringList centred(const QString &text, float points)
{
    return {centredAt(text, points), "Print \"" + text + "\""};
}

QStringList blanks(int count)
{
    QStringList lines;
    for (int n = 0; n < count; ++n)
        lines << "Print \" \"";
    return lines;
}

// The five rectangles and three inner boxes on a 12000 x 16800 page, worked out by hand:
// rectangle k runs from (45k, 225 + 45k) to (W - 45k, H - 225 - 45k); inner box k is 600 in from
// its sides, 7050 below its top and 3750 above its bottom.
const QStringList frame{
    "DrawWidth 2",
    // rectangle 1, then inner box 1
    "Line 45 270 11955 270 #000000",
    "Line 45 270 45 16530 #000000",
    "Line 11955 270 11955 16530 #000000",
    "Line 45 16530 11955 16530 #000000",
    "Line 645 7320 11355 7320 #000000",
    "Line 645 7320 645 12780 #000000",
    "Line 11355 7320 11355 12780 #000000",
    "Line 645 12780 11355 12780 #000000",
    // rectangle 2, then inner box 2
    "Line 90 315 11910 315 #000000",
    "Line 90 315 90 16485 #000000",
    "Line 11910 315 11910 16485 #000000",
    "Line 90 16485 11910 16485 #000000",
    "Line 690 7365 11310 7365 #000000",
    "Line 690 7365 690 12735 #000000",
    "Line 11310 7365 11310 12735 #000000",
    "Line 690 12735 11310 12735 #000000",
    // rectangle 3, then inner box 3
    "Line 135 360 11865 360 #000000",
    "Line 135 360 135 16440 #000000",
    "Line 11865 360 11865 16440 #000000",
    "Line 135 16440 11865 16440 #000000",
    "Line 735 7410 11265 7410 #000000",
    "Line 735 7410 735 12690 #000000",
    "Line 11265 7410 11265 12690 #000000",
    "Line 735 12690 11265 12690 #000000",
    // rectangle 4
    "Line 180 405 11820 405 #000000",
    "Line 180 405 180 16395 #000000",
    "Line 11820 405 11820 16395 #000000",
    "Line 180 16395 11820 16395 #000000",
    // rectangle 5
    "Line 225 450 11775 450 #000000",
    "Line 225 450 225 16350 #000000",
    "Line 11775 450 11775 16350 #000000",
    "Line 225 16350 11775 16350 #000000",
};

// The whole run, without the reads of ScaleWidth, ScaleHeight and TextWidth.
QStringList expectedRun(const QString &heading, float headingPoints, const QString &name,
                        const QString &scoreLine)
{
    QStringList run{"FontName Times New Roman", "FontSize 25", "ForeColor #0000ff",
                    "CurrentX 1500"};
    run << blanks(1) << "Print \"" + band + band + "\" ;" << blanks(3);
    run << "FontName Times New Roman"
        << "FontSize 36"
        << "ForeColor #ff0000";
    run << centred("Kelvarin", 36) << blanks(1);
    if (headingPoints != 36)
        run << "FontSize " + FakePrinter::number(headingPoints);
    run << "ForeColor #0000ff" << centred(heading, headingPoints) << "CurrentX 6000"
        << "Print \"\"";
    if (headingPoints != 36)
        run << "FontSize 36";
    run << blanks(3);
    run << "FontSize 28"
        << "ForeColor #000080" << centred("Excellent Work", 28) << blanks(1);
    run << centred(name, 28) << "CurrentX 6000"
        << "Print \"\"" << centred(scoreLine, 28) << blanks(1);
    run << "FontSize 36" << blanks(2);
    run << "FontName Times New Roman"
        << "FontSize 25"
        << "ForeColor #0000ff" << blanks(1);
    run << "ForeColor #000000"
        << "Print \"" + band + band + "\" ;";
    run << frame << "EndDoc";
    return run;
}

QStringList expectedPerfectQuiz()
{
    return expectedRun("Kelvarin", 36, "Ada Lovelace", "You have scored 10 out of 10.");
}

Certificate perfectQuiz()
{
    return {"Kelvarin", "Ada Lovelace", 10, 10, 1200};
}

class CertificatePrint : public ::testing::Test
{
protected:
    CertificatePrint() { printer.setPrintableArea(pageWidth, pageHeight); }

    FakePrinter printer;
    ScriptedMessageBoxes boxes;
};

// Fails its first Line with something other than a printer fault.
class BrokenLinePrinter : public FakePrinter
{
public:
    void Line(float, float, float, float, const QColor &) override
    {
        throw std::logic_error("not a printer fault");
    }
};

} // namespace

TEST_F(CertificatePrint, PerfectQuizPrintsTheWholeCertificateThenSaysSo)
{
    ASSERT_EQ(band.size(), 59);
    printCertificate(printer, boxes, perfectQuiz());
    EXPECT_EQ(printer.recordsWithoutQueries(), expectedPerfectQuiz());
    EXPECT_EQ(boxes.asked, QStringList{success});
    // A failure of the very first operation counts as a printer failure: it is a font setting.
    EXPECT_EQ(printer.records().value(0), "FontName Times New Roman");
}

TEST_F(CertificatePrint, EveryLineKeepsItsPlaceWhateverItHolds)
{
    struct Case {
        Certificate certificate;
        float headingPoints;
        QString scoreLine;
    };
    // A quarter of the page is 3000 twips; only a heading wider than that drops to 28 pt.
    const QString topic = "Properties of Materials";
    const Case cases[]{
        {{topic, "Ada", 10, 10, 2999}, 36, "You have scored 10 out of 10."},
        {{topic, "Ada", 10, 10, 3000}, 36, "You have scored 10 out of 10."},
        {{topic, "Ada", 10, 10, 3000.5f}, 28, "You have scored 10 out of 10."},
        {{topic, "", 10, 10, 9000}, 28, "You have scored 10 out of 10."},
        // a perfect activity with no quiz scored since start-up
        {{"", "Ben", 12, 12, 0}, 36, "You have scored 12 out of 12."},
        {{"", "Ben", 4, 4, 0}, 36, "You have scored 4 out of 4."},
    };
    for (const Case &c : cases) {
        FakePrinter casePrinter;
        casePrinter.setPrintableArea(pageWidth, pageHeight);
        printCertificate(casePrinter, boxes, c.certificate);
        EXPECT_EQ(
            casePrinter.recordsWithoutQueries(),
            expectedRun(c.certificate.heading, c.headingPoints, c.certificate.name, c.scoreLine))
            << c.scoreLine.toStdString() << ", heading width " << c.certificate.headingWidth;
    }
}

TEST_F(CertificatePrint, PrinterFailureStopsTheRunAndIsReportedOnce)
{
    struct Case {
        const char *what;
        QString operation; // empty: the very first operation
        int occurrence;
    };
    const Case cases[]{{"first operation", "", 0},
                       {"third font size", "FontSize", 3},
                       {"sixth print", "Print", 6},
                       {"setting the line width", "DrawWidth", 1},
                       {"a line of the third inner box", "Line", 22},
                       {"EndDoc", "EndDoc", 1}};
    const QStringList full = expectedPerfectQuiz();
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
        printCertificate(casePrinter, caseBoxes, perfectQuiz());
        EXPECT_EQ(casePrinter.recordsWithoutQueries(), expected) << c.what;
        EXPECT_EQ(caseBoxes.asked, QStringList{problem}) << c.what;
    }
}

TEST_F(CertificatePrint, OtherFailuresAreLeftToTheCaller)
{
    BrokenLinePrinter broken;
    EXPECT_THROW(printCertificate(broken, boxes, perfectQuiz()), std::logic_error);
    EXPECT_TRUE(boxes.asked.isEmpty());
    EXPECT_FALSE(broken.records().contains("EndDoc"));
}

TEST_F(CertificatePrint, TwoRunsAreTwoWholeDocuments)
{
    printCertificate(printer, boxes, perfectQuiz());
    printCertificate(printer, boxes, perfectQuiz());
    EXPECT_EQ(printer.recordsWithoutQueries(), expectedPerfectQuiz() + expectedPerfectQuiz());
    EXPECT_EQ(boxes.asked, (QStringList{success, success}));
}
