// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MessageBoxes;
class Printer;
struct RecordGrid;

// Prints the class record's table: a heading with the period, then a line for each pupil with
// the latest (and best) score of everything they did, run on over as many lines as it takes and
// never split across pages. Then "The class record is now printing."; a printer failure is
// reported once, with its reason, as for the certificate. Returns whether it went to the printer.
bool printClassRecord(Printer &printer, MessageBoxes &boxes, const QString &period,
                      const RecordGrid &grid);
