#include "platform/printproblem.h"

#include "platform/errors.h"
#include "platform/messageboxes.h"

Q_LOGGING_CATEGORY(lcPrinter, "kelvarin.printer")

void reportPrintProblem(MessageBoxes &boxes, const PrinterError &error)
{
    const QString reason = QString::fromStdString(error.what());
    qCWarning(lcPrinter).noquote() << "Printing failed:" << reason;
    boxes.show("There was a problem printing to your printer.\n" + reason, MsgButtons::Ok);
}
