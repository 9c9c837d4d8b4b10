// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class MessageBoxes;
class Printer;

// One print run: `draw` puts the document on the printer (its first output starts the document),
// then EndDoc hands it to the print queue. A printer failure anywhere on the way stops the run and
// is told to the user once, in the program's own words with the printer's reason on the line
// below, and logged; anything else `draw` throws is the caller's. A run that fails in any way
// leaves no document open. Returns whether the document went to the queue.
bool printRun(Printer &printer, MessageBoxes &boxes, const std::function<void()> &draw);

// Prints one line centred across the page in the font now in force. The page width is read before
// the text is measured.
void printCentred(Printer &printer, const QString &text);
