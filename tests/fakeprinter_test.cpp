#include "doubles/fakeprinter.h"
#include "platform/errors.h"
#include "platform/picture.h"

#include <gtest/gtest.h>

namespace
{

// A short run touching every operation, as a caller would make it.
void printSampleRun(Printer &printer)
{
    printer.setFontName("Times New Roman");
    printer.setFontSize(28);
    printer.setForeColor(QColor(0, 0, 255));
    printer.setDrawWidth(2);
    printer.setCurrentX(printer.ScaleWidth() / 8);
    printer.Print("Well Done", PrintEnd::SameLine);
    printer.Print("Kelvarin");
    printer.Print();
    printer.Print("");
    printer.setCurrentX((printer.ScaleWidth() - printer.TextWidth("Hi")) / 2);
    printer.Line(45, 270, 11293, 270, QColor(0, 0, 0));
    printer.PaintPicture(Picture(), 1000, 1000);
    printer.EndDoc();
}

} // namespace

TEST(FakePrinter, RecordsEveryOperationAsTheDocumentedLine)
{
    FakePrinter measure;
    measure.setFontSize(28);
    const float centred = (FakePrinter::defaultWidth - measure.TextWidth("Hi")) / 2;
    FakePrinter printer;
    printSampleRun(printer);
    const QStringList expected{"FontName Times New Roman",
                               "FontSize 28",
                               "ForeColor #0000ff",
                               "DrawWidth 2",
                               "ScaleWidth",
                               "CurrentX 1437.5",
                               "Print \"Well Done\" ;",
                               "Print \"Kelvarin\"",
                               "Print",
                               "Print \"\"",
                               "ScaleWidth",
                               "TextWidth \"Hi\"",
                               "CurrentX " + FakePrinter::number(centred),
                               "Line 45 270 11293 270 #000000",
                               "PaintPicture 1000 1000",
                               "EndDoc"};
    EXPECT_EQ(printer.records(), expected);
    EXPECT_EQ(printer.pictures().size(), 1);
}

TEST(FakePrinter, RecordsWithoutQueriesLeaveOutOnlyTheReads)
{
    FakePrinter printer;
    printSampleRun(printer);
    const QStringList kept = printer.recordsWithoutQueries();
    EXPECT_EQ(kept.size(), printer.records().size() - 3);
    EXPECT_FALSE(kept.contains("ScaleWidth"));
    EXPECT_FALSE(kept.contains("TextWidth \"Hi\""));
    EXPECT_EQ(kept.first(), "FontName Times New Roman");
    EXPECT_EQ(kept.last(), "EndDoc");
}

TEST(FakePrinter, NumbersAreWrittenShortestAndExact)
{
    EXPECT_EQ(FakePrinter::number(28), "28");
    EXPECT_EQ(FakePrinter::number(1488.25f), "1488.25");
    EXPECT_EQ(FakePrinter::number(0.1f), "0.1");
    EXPECT_EQ(FakePrinter::number(-45), "-45");
}

TEST(FakePrinter, FailingTheFirstOperationThrowsAndRecordsNothing)
{
    FakePrinter printer;
    printer.failAt(1);
    EXPECT_THROW(printSampleRun(printer), PrinterError);
    EXPECT_TRUE(printer.records().isEmpty());
}

TEST(FakePrinter, PositionsCountQueriesToo)
{
    FakePrinter printer;
    printer.failAt(5); // the ScaleWidth read
    EXPECT_THROW(printSampleRun(printer), PrinterError);
    EXPECT_EQ(printer.records(), (QStringList{"FontName Times New Roman", "FontSize 28",
                                              "ForeColor #0000ff", "DrawWidth 2"}));
}

TEST(FakePrinter, FailingEndDocStopsTheRecordsJustBeforeIt)
{
    FakePrinter printer;
    printer.failOn("EndDoc");
    EXPECT_THROW(printSampleRun(printer), PrinterError);
    EXPECT_EQ(printer.records().last(), "PaintPicture 1000 1000");
    EXPECT_FALSE(printer.records().contains("EndDoc"));
}

TEST(FakePrinter, FailsTheNthOperationOfANameCountedFromTheRequest)
{
    FakePrinter printer;
    printer.Print("before");
    printer.failOn("Print", 2); // "Kelvarin", the second Print of the run
    EXPECT_THROW(printSampleRun(printer), PrinterError);
    EXPECT_EQ(printer.records().last(), "Print \"Well Done\" ;");
}

TEST(FakePrinter, FailsOnlyOnceSoTheNextRunPrints)
{
    FakePrinter printer;
    printer.failOn("FontSize");
    EXPECT_THROW(printSampleRun(printer), PrinterError);
    EXPECT_NO_THROW(printSampleRun(printer));
    EXPECT_EQ(printer.records().count("EndDoc"), 1);
    EXPECT_EQ(printer.records().count("FontName Times New Roman"), 2);
}

// Times New Roman advance widths in 1/1000 em: K 722, e 444, l 278, v 500, a 444, r 333,
// i 278, n 500, so "Kelvarin" is 3.499 em: 2519 twips at 36 pt, 840 at 12 pt.
TEST(FakePrinter, TextWidthIsTimesNewRomanInTwips)
{
    FakePrinter printer;
    printer.setFontName("Times New Roman");
    printer.setFontSize(36);
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 2519, 10);
    printer.setFontSize(18);
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 2519.0 / 2, 5);
    EXPECT_FLOAT_EQ(printer.TextWidth(""), 0);
}

TEST(FakePrinter, EachDocumentStartsInTwelvePointTimes)
{
    FakePrinter printer;
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 840, 5);
    printer.setFontName("DejaVu Sans Mono");
    printer.setFontSize(30);
    printer.EndDoc();
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 840, 5);
}

TEST(FakePrinter, PrintableAreaDefaultsToA4LessTenPointMarginsAndCanBeChanged)
{
    FakePrinter printer;
    // A4 as 595 x 842 pt, less 10 pt on each side, at 20 twips to the point.
    EXPECT_FLOAT_EQ(printer.ScaleWidth(), (595 - 20) * 20);
    EXPECT_FLOAT_EQ(printer.ScaleHeight(), (842 - 20) * 20);
    printer.setPrintableArea(12240, 15840);
    EXPECT_FLOAT_EQ(printer.ScaleWidth(), 12240);
    EXPECT_FLOAT_EQ(printer.ScaleHeight(), 15840);
}
