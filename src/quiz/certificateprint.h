// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class MessageBoxes;
class Printer;

// What the results screen hands over for a certificate.
struct Certificate {
    QString heading; // CertificateHeading
    QString name;    // the name box's text
    int score = 0;
    int scoreOutOf = 0;
    float headingWidth = 0; // the heading's width as measured on the results screen, in twips
};

// Prints the certificate, then says "Your certificate is now printing."; a printer failure stops
// the run and "There was a problem printing to your printer." is shown once, with the printer's
// reason on the line below. Returns normally.
void printCertificate(Printer &printer, MessageBoxes &boxes, const Certificate &certificate);
