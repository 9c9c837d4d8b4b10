#pragma once

#include <QLoggingCategory>

class MessageBoxes;
class PrinterError;

Q_DECLARE_LOGGING_CATEGORY(lcPrinter)

// Tells the user a print run failed, in the program's own words with the printer's reason on the
// line below, and logs it.
void reportPrintProblem(MessageBoxes &boxes, const PrinterError &error);
