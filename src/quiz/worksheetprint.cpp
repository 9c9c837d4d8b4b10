// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/worksheetprint.h"

#include "platform/messageboxes.h"
#include "printing/printer.h"
#include "printing/printrun.h"
#include "quiz/quizsession.h"

namespace
{

// The header is one item, so the publisher's name keeps its place after the product name.
const QString header = "Kelvarin" + QString(57, ' ') + "Orrowby Publishing Ltd";

// Sets the next output's position to parts/of of the page width.
void moveAcross(Printer &printer, int parts, int of)
{
    printer.setCurrentX(parts * printer.ScaleWidth() / of);
}

void printHeader(Printer &printer)
{
    printer.setFontSize(16);
    printer.setFontName("Times New Roman");
    moveAcross(printer, 1, 8);
    printer.Print(" ");
    moveAcross(printer, 1, 16);
    printer.Print(header, PrintEnd::SameLine);
    // The first blank ends the header's line, the second leaves an empty line under it.
    printer.Print(" ");
    printer.Print(" ");
}

void printTitles(Printer &printer, const QString &heading, const QString &title)
{
    printer.setFontSize(32);
    printCentred(printer, heading);
    printCentred(printer, title);
    printer.Print(" ");
}

// Four lines: the question, answers A and B side by side, C and D side by side, an empty line.
void printQuestion(Printer &printer, const QuizSession &m, int n)
{
    moveAcross(printer, 1, 16);
    printer.Print("Question " + QString::number(n) + "    " + m.QuestionText[n]);
    moveAcross(printer, 2, 6);
    printer.Print("A. " + m.AnswerA[n], PrintEnd::SameLine);
    moveAcross(printer, 4, 6);
    printer.Print("B. " + m.AnswerB[n]);
    moveAcross(printer, 2, 6);
    printer.Print("C. " + m.AnswerC[n], PrintEnd::SameLine);
    moveAcross(printer, 4, 6);
    printer.Print("D. " + m.AnswerD[n]);
    printer.Print(" ");
}

} // namespace

void printWorksheet(Printer &printer, MessageBoxes &boxes, const QString &heading,
                    const QString &title, const QuizSession &m)
{
    const bool sent = printRun(printer, boxes, [&] {
        printHeader(printer);
        printTitles(printer, heading, title);
        printer.setFontSize(12);
        for (int n = 1; n <= 10; ++n)
            printQuestion(printer, m, n);
    });
    if (sent)
        boxes.show("Your worksheet is now printing.", MsgButtons::Ok);
}
