// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/certificateprint.h"

#include "platform/messageboxes.h"
#include "platform/palette.h"
#include "printing/printer.h"
#include "printing/printrun.h"

#include <QColor>

namespace
{

const QString fontName = QStringLiteral("Times New Roman");
const QString productName = QStringLiteral("Kelvarin");
const QString praise = QStringLiteral("Excellent Work");
// Always printed twice as one item: it starts at the left edge and is cut at the right one.
const QString band = QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

// The classic palette entries the certificate uses.
constexpr QColor black = Colour::black;    // 0
constexpr QColor blue = Colour::navy;      // 1
constexpr QColor lightBlue = Colour::blue; // 9
constexpr QColor lightRed = Colour::red;   // 12

void setFont(Printer &printer, float points)
{
    printer.setFontName(fontName);
    printer.setFontSize(points);
}

// A blank line is a single space, so the line takes the height of the font in force.
void printBlankLines(Printer &printer, int count)
{
    for (int n = 0; n < count; ++n)
        printer.Print(" ");
}

QString scoreLine(const Certificate &certificate)
{
    return "You have scored " + QString::number(certificate.score) + " out of " +
           QString::number(certificate.scoreOutOf) + ".";
}

void printTopBand(Printer &printer)
{
    setFont(printer, 25);
    printer.setForeColor(lightBlue);
    printer.setCurrentX(printer.ScaleWidth() / 8);
    printBlankLines(printer, 1);
    printer.Print(band + band, PrintEnd::SameLine);
    // The first of these ends the band's line.
    printBlankLines(printer, 3);
}

void printTitles(Printer &printer, const Certificate &certificate)
{
    setFont(printer, 36);
    printer.setForeColor(lightRed);
    printCentred(printer, productName);
    printBlankLines(printer, 1);

    // The heading was measured on the screen, so only a long one drops to the smaller size.
    const bool wideHeading = certificate.headingWidth > printer.ScaleWidth() / 4;
    if (wideHeading)
        printer.setFontSize(28);
    printer.setForeColor(lightBlue);
    printCentred(printer, certificate.heading);
    printCentred(printer, QString());
    if (wideHeading)
        printer.setFontSize(36);
    printBlankLines(printer, 3);
}

void printPraise(Printer &printer, const Certificate &certificate)
{
    printer.setFontSize(28);
    printer.setForeColor(blue);
    printCentred(printer, praise);
    printBlankLines(printer, 1);
    printCentred(printer, certificate.name);
    printCentred(printer, QString());
    printCentred(printer, scoreLine(certificate));
    printBlankLines(printer, 1);
    printer.setFontSize(36);
    printBlankLines(printer, 2);
}

void printBottomBand(Printer &printer)
{
    setFont(printer, 25);
    printer.setForeColor(lightBlue);
    printBlankLines(printer, 1);
    printer.setForeColor(black);
    printer.Print(band + band, PrintEnd::SameLine);
}

struct Box {
    float left, top, right, bottom;
};

// Top, left, right, bottom, in that order.
void drawBox(Printer &printer, const Box &box)
{
    printer.Line(box.left, box.top, box.right, box.top, black);
    printer.Line(box.left, box.top, box.left, box.bottom, black);
    printer.Line(box.right, box.top, box.right, box.bottom, black);
    printer.Line(box.left, box.bottom, box.right, box.bottom, black);
}

// Five nested rectangles round the page; the three outer ones each bring a box of their own
// round "Excellent Work", the name and the score line.
void drawFrame(Printer &printer)
{
    printer.setDrawWidth(2);
    const float width = printer.ScaleWidth();
    const float height = printer.ScaleHeight();
    for (int k = 1; k <= 5; ++k) {
        const float m = 45.0f * k;
        const float t = 225.0f + 45.0f * k;
        drawBox(printer, {m, t, width - m, height - t});
        if (k <= 3)
            drawBox(printer, {m + 600, t + 7050, width - m - 600, height - t - 3750});
    }
}

} // namespace

void printCertificate(Printer &printer, MessageBoxes &boxes, const Certificate &certificate)
{
    const bool sent = printRun(printer, boxes, [&] {
        printTopBand(printer);
        printTitles(printer, certificate);
        printPraise(printer, certificate);
        printBottomBand(printer);
        drawFrame(printer);
    });
    if (sent)
        boxes.show("Your certificate is now printing.", MsgButtons::Ok);
}
