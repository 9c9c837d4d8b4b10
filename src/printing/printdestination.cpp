// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printdestination.h"

#include "files/errors.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <thread>

namespace
{

std::optional<PrintDestination> askPrintSystem()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    // Qt reads the printer's description, and so its paper and margins, as it makes the printer.
    const QPrinter printer(info, QPrinter::HighResolution);
    return PrintDestination{info.printerName(), printer.pageLayout()};
}

} // namespace

PrintDestination DestinationLookup::defaultDestination(std::chrono::milliseconds wait)
{
    if (!m_pending.valid()) {
        std::packaged_task<std::optional<PrintDestination>()> question(askPrintSystem);
        m_pending = question.get_future().share();
        // Detached, so a thread stuck on a silent server holds up nothing, not even the exit.
        std::thread(std::move(question)).detach();
    }
    if (m_pending.wait_for(wait) != std::future_status::ready)
        throw PrinterError("The print system does not answer.");
    const std::optional<PrintDestination> destination = m_pending.get();
    m_pending = {};
    if (!destination)
        throw PrinterError("There is no default printer.");
    return *destination;
}
