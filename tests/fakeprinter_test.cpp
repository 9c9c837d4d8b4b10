// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/fakeprinter.h"
#include "files/errors.h"
#include "platform/picture.h"

#include <functional>
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

    QStringList outputs = expected;
    outputs.removeAll("ScaleWidth");
    outputs.removeAll("TextWidth \"Hi\"");
    EXPECT_EQ(printer.recordsWithoutQueries(), outputs);
}

TEST(FakePrinter, ChosenFailureThrowsAndTheRecordsStopThere)
{
    FakePrinter complete;
    printSampleRun(complete);
    const QStringList all = complete.records();
    const struct {
        const char *choice;
        std::function<void(FakePrinter &)> choose;
        qsizetype recordsKept;
    } cases[] = {
        {"first operation", [](FakePrinter &p) { p.failAt(1); }, 0},
        {"fifth, a query", [](FakePrinter &p) { p.failAt(5); }, 4},
        {"second Print", [](FakePrinter &p) { p.failOn("Print", 2); }, 7},
        {"EndDoc", [](FakePrinter &p) { p.failOn("EndDoc"); }, all.size() - 1},
    };
    for (const auto &c : cases) {
        FakePrinter printer;
        c.choose(printer);
        EXPECT_THROW(printSampleRun(printer), PrinterError) << c.choice;
        EXPECT_EQ(printer.records(), all.mid(0, c.recordsKept)) << c.choice;
    }
}

TEST(FakePrinter, FailsOnlyOnceCountingFromTheRequest)
{
    FakePrinter printer;
    printer.Print("before");
    printer.failOn("Print"); // the first Print from now on
    EXPECT_THROW(printSampleRun(printer), PrinterError);
    EXPECT_NO_THROW(printSampleRun(printer));
    EXPECT_EQ(printer.records().count("Print \"Well Done\" ;"), 1);
    EXPECT_EQ(printer.records().count("EndDoc"), 1);
}

// Times New Roman advance widths in 1/1000 em: K 722, e 444, l 278, v 500, a 444, r 333,
// i 278, n 500, so "Kelvarin" is 3.499 em: 2519 twips at 36 pt, 840 at 12 pt.
TEST(FakePrinter, TextWidthIsTimesNewRomanInTwipsAndEachDocumentStartsAt12Points)
{
    FakePrinter printer;
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 840, 5);
    printer.setFontSize(36);
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 2519, 10);
    printer.setFontName("DejaVu Sans Mono");
    EXPECT_NEAR(printer.TextWidth("Kelvarin"), 8 * 0.602 * 720, 10); // a fixed 0.602 em advance
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
