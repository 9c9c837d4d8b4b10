// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/doubles.h"
#include "doubles/fakeprinter.h"
#include "files/errors.h"
#include "platform/picture.h"
#include "printing/printrun.h"
#include "printing/qtprinter.h"
#include "quiz/certificateprint.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPrinterInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cupspdf.h"
#include "silentserver.h"

// QtPrinter against a real CUPS scheduler. scripts/cups-queue.sh sets up the queues: Kelvarin-PDF
// writes every job as its own PDF into pdfFolder, Kelvarin-Refusing refuses every job. The tests
// pick the queue as the default destination through PRINTER, which CUPS (and so Qt) honours.

namespace
{

// The page rendered at 72 dpi, one pixel to the point.
QImage renderPage(const QString &pdf)
{
    QTemporaryDir folder;
    runTool("pdftoppm", {"-r", "72", "-gray", "-png", "-singlefile", pdf, folder.filePath("page")});
    return QImage(folder.filePath("page.png"));
}

bool isInk(const QImage &page, int x, int y)
{
    return qGray(page.pixel(x, y)) < 128;
}

int firstInkColumn(const QImage &page, int row)
{
    for (int x = 0; x < page.width(); ++x)
        if (isInk(page, x, row))
            return x;
    return -1;
}

// Whether any pixel in the columns [from, to) is dark.
bool hasInk(const QImage &page, int from, int to)
{
    for (int x = std::max(0, from); x < std::min(to, page.width()); ++x)
        for (int y = 0; y < page.height(); ++y)
            if (isInk(page, x, y))
                return true;
    return false;
}

QString uniqueToken(const char *what)
{
    static int counter = 0;
    return QString("%1%2x%3").arg(what).arg(QCoreApplication::applicationPid()).arg(++counter);
}

using QtPrinterOnCups = CupsPdfTest;

// The reason the operation failed with, or nothing when it went through.
std::string printerFailure(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const PrinterError &error) {
        return error.what();
    }
    return {};
}

// Far below the ten minutes a silent server once held the interface for, yet beyond the few
// seconds the printer is allowed to wait.
constexpr qint64 aMomentMs = 12000;

} // namespace

TEST_F(QtPrinterOnCups, TwoRunsBecomeTwoJobsEachWithItsOwnText)
{
    const QString first = uniqueToken("FirstRun");
    const QString second = uniqueToken("SecondRun");
    QtPrinter printer;
    printer.setFontName("Times New Roman");
    printer.setFontSize(28);
    printer.setForeColor(QColor(0, 0, 255));
    printer.Print("Well Done " + first);
    printer.setDrawWidth(2);
    printer.Line(45, 270, printer.ScaleWidth() - 45, 270, QColor(255, 0, 0));
    printer.EndDoc();
    printer.Print(second);
    printer.EndDoc();

    const QString firstPdf = waitForPdfWith(first);
    const QString secondPdf = waitForPdfWith(second);
    ASSERT_FALSE(firstPdf.isEmpty());
    ASSERT_FALSE(secondPdf.isEmpty());
    EXPECT_NE(firstPdf, secondPdf);
    EXPECT_TRUE(pdfText(firstPdf).contains("Well Done " + first));
    EXPECT_FALSE(pdfText(firstPdf).contains(second));
    EXPECT_FALSE(pdfText(secondPdf).contains(first));
    EXPECT_EQ(pdfPages(firstPdf), 1);
}

TEST_F(QtPrinterOnCups, TextPastTheRightEdgeIsCutNotWrapped)
{
    QtPrinter printer;
    const float width = printer.ScaleWidth();
    // A thick line along the left edge of the printable area, to find the area on the page.
    printer.setDrawWidth(4);
    printer.Line(0, 0, 0, printer.ScaleHeight(), Qt::black);
    printer.setFontSize(16);
    QStringList words;
    for (int n = 10; n < 99; ++n)
        words << QString("w%1").arg(n);
    const QString line = words.join(' ');
    ASSERT_GT(printer.TextWidth(line), 2 * width) << "the line must be far too long for the page";
    printer.setCurrentX(width / 4);
    printer.Print(line);
    printer.Print(QString(300, 'W')); // ink all the way to the edge
    const QString next = uniqueToken("NextLine");
    printer.Print(next);
    QStringList fits, beyond;
    for (qsizetype n = 0; n < words.size(); ++n) {
        const float start = width / 4 + printer.TextWidth(words.mid(0, n).join(' ') + ' ');
        if (start + printer.TextWidth(words[n]) < width)
            fits << words[n];
        else if (start > width)
            beyond << words[n];
    }
    printer.EndDoc();

    const QString pdf = waitForPdfWith(next);
    ASSERT_FALSE(pdf.isEmpty());
    const QString text = pdfText(pdf);
    ASSERT_FALSE(fits.isEmpty());
    ASSERT_FALSE(beyond.isEmpty());
    for (const QString &word : std::as_const(fits))
        EXPECT_TRUE(text.contains(word)) << word.toStdString() << " fits but is missing";
    for (const QString &word : std::as_const(beyond))
        EXPECT_FALSE(text.contains(word)) << word.toStdString() << " lies past the edge";
    EXPECT_EQ(pdfPages(pdf), 1);

    const QImage page = renderPage(pdf);
    ASSERT_FALSE(page.isNull());
    const int leftEdge = firstInkColumn(page, page.height() - 20);
    ASSERT_GE(leftEdge, 0);
    const int rightEdge = leftEdge + qRound(width / 20);
    EXPECT_TRUE(hasInk(page, rightEdge - 4, rightEdge)) << "the text stops short of the edge";
    EXPECT_FALSE(hasInk(page, rightEdge + 2, page.width())) << "ink past the edge";
}

TEST_F(QtPrinterOnCups, RefusedJobFailsAtEndDocAndIsNotCarriedIntoTheNextRun)
{
    if (QPrinterInfo::printerInfo(refusingQueue).isNull())
        GTEST_SKIP() << "no CUPS queue " << refusingQueue.toStdString();
    const QString refused = uniqueToken("Refused");
    const QString accepted = uniqueToken("Accepted");
    QtPrinter printer;
    chooseQueue(refusingQueue);
    printer.Print(refused);
    const std::string refusal = printerFailure([&] { printer.EndDoc(); });
    EXPECT_THAT(refusal, testing::StartsWith("The printer queue refused the job: "));
    EXPECT_THAT(refusal, testing::HasSubstr("not accepting jobs"));

    chooseQueue(pdfQueue);
    printer.Print(accepted);
    printer.EndDoc();
    const QString pdf = waitForPdfWith(accepted);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_FALSE(pdfText(pdf).contains(refused));
}

// A run stopped by a fault that is not the printer's leaves nothing behind for the next job.
TEST_F(QtPrinterOnCups, ARunStoppedByAnyFailureLeavesTheNextJobClean)
{
    const QString stopped = uniqueToken("Stopped");
    const QString next = uniqueToken("Next");
    QtPrinter printer;
    ScriptedMessageBoxes boxes;
    const auto stop = [&] {
        printer.Print(stopped);
        throw std::logic_error("a fault in the caller");
    };
    EXPECT_THROW(printRun(printer, boxes, stop), std::logic_error);
    EXPECT_TRUE(printRun(printer, boxes, [&] { printer.Print(next); }));
    const QString pdf = waitForPdfWith(next);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_FALSE(pdfText(pdf).contains(stopped));
    EXPECT_TRUE(boxes.asked.isEmpty());
}

// Callers' layout is tested against the double, so the double must measure like the real thing.
TEST_F(QtPrinterOnCups, MeasuresLikeTheDouble)
{
    QtPrinter real;
    FakePrinter fake;
    EXPECT_NEAR(real.ScaleWidth(), fake.ScaleWidth(), 1);
    EXPECT_NEAR(real.ScaleHeight(), fake.ScaleHeight(), 1);
    for (const float points : {12.0f, 25.0f, 36.0f}) {
        real.setFontSize(points);
        fake.setFontSize(points);
        EXPECT_FLOAT_EQ(real.TextWidth("Excellent Work"), fake.TextWidth("Excellent Work"));
    }
    // Left open: destroying the printer discards the document, so no page is printed.
}

// Run by the ctest entry PrinterWithoutCupsServer, whose environment points CUPS at a socket
// with no scheduler behind it, so the system has no printers at all.
TEST(QtPrinterWithoutCups, WhicheverOperationComesFirstThrows)
{
    if (qEnvironmentVariableIsEmpty("KELVARIN_EXPECT_NO_PRINTER"))
        GTEST_SKIP() << "runs only under the ctest entry PrinterWithoutCupsServer";
    ASSERT_TRUE(QPrinterInfo::defaultPrinter().isNull());
    const std::vector<std::function<void(Printer &)>> firstOperations{
        [](Printer &p) { p.setFontName("Times New Roman"); },
        [](Printer &p) { p.setFontSize(25); },
        [](Printer &p) { p.setForeColor(Qt::blue); },
        [](Printer &p) { p.setDrawWidth(2); },
        [](Printer &p) { p.setCurrentX(100); },
        [](Printer &p) { p.ScaleWidth(); },
        [](Printer &p) { p.ScaleHeight(); },
        [](Printer &p) { p.TextWidth("Kelvarin"); },
        [](Printer &p) { p.Print("Kelvarin"); },
        [](Printer &p) { p.Print(); },
        [](Printer &p) { p.Line(0, 0, 100, 100, Qt::black); },
        [](Printer &p) { p.PaintPicture(Picture(), 1000, 1000); },
        [](Printer &p) { p.EndDoc(); },
    };
    for (size_t n = 0; n < firstOperations.size(); ++n) {
        QtPrinter printer;
        EXPECT_EQ(printerFailure([&] { firstOperations[n](printer); }),
                  "There is no default printer.")
            << "operation " << n;
        // Nothing was left half-started: the next operation tries again and fails again.
        EXPECT_THROW(printer.Print("again"), PrinterError) << "after operation " << n;
    }
}

// Run by the ctest entry PrinterWithSilentCupsServer, whose CUPS_SERVER names the socket that
// these tests listen on and never answer.
TEST(QtPrinterWithSilentCups, ThePrintRunGivesUpWithinSecondsAndSaysWhy)
{
    if (qEnvironmentVariableIsEmpty("KELVARIN_SILENT_CUPS"))
        GTEST_SKIP() << "runs only under the ctest entry PrinterWithSilentCupsServer";
    auto server = std::make_unique<SilentServer>(qgetenv("CUPS_SERVER"));
    ASSERT_TRUE(server->isListening());
    QtPrinter printer;
    ScriptedMessageBoxes boxes;
    QElapsedTimer waited;
    waited.start();
    printCertificate(printer, boxes, {"Kelvarin", "Ada Quill", 10, 10, 1500});
    EXPECT_LT(waited.elapsed(), aMomentMs);
    EXPECT_EQ(boxes.asked, QStringList{"There was a problem printing to your printer.\n"
                                       "The print system does not answer."});

    // Once the server is gone the question still out gets its answer, and the next run hears it.
    server.reset();
    EXPECT_EQ(printerFailure([&] { printer.Print("again"); }), "There is no default printer.");
}

TEST(QtPrinterWithSilentCups, TheHandOverToTheQueueGivesUpWithinSeconds)
{
    if (qEnvironmentVariableIsEmpty("KELVARIN_SILENT_CUPS"))
        GTEST_SKIP() << "runs only under the ctest entry PrinterWithSilentCupsServer";
    // The document starts while the machine's own scheduler answers; lp then meets a silent one.
    const QByteArray silentSocket = qgetenv("CUPS_SERVER");
    qunsetenv("CUPS_SERVER");
    if (QPrinterInfo::printerInfo(pdfQueue).isNull())
        GTEST_SKIP() << "no CUPS queue " << pdfQueue.toStdString();
    qputenv("PRINTER", pdfQueue.toLocal8Bit());
    QtPrinter printer;
    printer.Print("Kelvarin");
    SilentServer server(silentSocket);
    ASSERT_TRUE(server.isListening());
    qputenv("CUPS_SERVER", silentSocket);
    QElapsedTimer waited;
    waited.start();
    EXPECT_EQ(printerFailure([&] { printer.EndDoc(); }), "The print system does not answer.");
    EXPECT_LT(waited.elapsed(), aMomentMs);
}
