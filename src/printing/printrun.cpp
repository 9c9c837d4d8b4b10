// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printrun.h"

#include "files/errors.h"
#include "platform/messageboxes.h"
#include "printing/printer.h"
#include "printing/printinglog.h"

namespace
{

void reportPrintProblem(MessageBoxes &boxes, const PrinterError &error)
{
    const QString reason = QString::fromStdString(error.what());
    qCWarning(lcPrinting).noquote() << "Printing failed:" << reason;
    boxes.show("There was a problem printing to your printer.\n" + reason, MsgButtons::Ok);
}

} // namespace

bool printRun(Printer &printer, MessageBoxes &boxes, const std::function<void()> &draw)
{
    // Whatever stops the run, its half-drawn document is thrown away, so the next run starts on
    // a clean page rather than printing on after this one's remains.
    try {
        draw();
        printer.EndDoc();
    } catch (const PrinterError &error) {
        printer.KillDoc();
        // Only the printer's own failures are reported here; anything else is the caller's.
        reportPrintProblem(boxes, error);
        return false;
    } catch (...) {
        printer.KillDoc();
        throw;
    }
    return true;
}

void printCentred(Printer &printer, const QString &text)
{
    const float pageWidth = printer.ScaleWidth();
    const float textWidth = printer.TextWidth(text);
    printer.setCurrentX((pageWidth - textWidth) / 2);
    printer.Print(text);
}
