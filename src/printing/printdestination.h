// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPageLayout>
#include <QString>
#include <chrono>
#include <future>
#include <optional>

// The default printer as the print system describes it: its queue and its page.
struct PrintDestination {
    QString name;
    QPageLayout page; // the printer's own paper and margins
};

// Asks the print system for the default printer on a thread of its own and waits for the answer
// only so long: a print server that takes connections but never answers would otherwise hold the
// interface for many minutes. A question still unanswered is not asked again; the next call waits
// on the same one, so a silent server never gathers a crowd of stuck threads.
class DestinationLookup
{
public:
    // Throws PrinterError when there is no default printer or no answer came within the wait.
    PrintDestination defaultDestination(std::chrono::milliseconds wait);

private:
    std::shared_future<std::optional<PrintDestination>> m_pending;
};
