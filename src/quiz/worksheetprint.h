// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MessageBoxes;
class Printer;
struct QuizSession;

// Prints the loaded question set as a paper worksheet, then "Your worksheet is now printing.";
// a printer failure is reported once, with its reason, as for the certificate. Returns normally.
void printWorksheet(Printer &printer, MessageBoxes &boxes, const QString &heading,
                    const QString &title, const QuizSession &m);
