// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// Printing for real through CUPS to the cups-pdf queue that scripts/cups-queue.sh sets up, and
// reading the PDFs back.

inline const QString pdfQueue = QStringLiteral("Kelvarin-PDF");
inline const QString refusingQueue = QStringLiteral("Kelvarin-Refusing");
inline const QString pdfFolder = QStringLiteral("/var/spool/cups-pdf/kelvarin");

// A tool's standard output, or empty when it fails.
QString runTool(const QString &program, const QStringList &arguments);
// The PDF's text laid out as on the page.
QString pdfText(const QString &path);
// The PDF's text with every run of blanks and line ends made one blank.
QString pdfWords(const QString &path);
int pdfPages(const QString &path);

// Skips unless the queue exists; makes it the default printer for the test through PRINTER,
// leaving the machine's own default alone; removes the PDFs it found afterwards.
class CupsPdfTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    static void chooseQueue(const QString &queue);
    // The new PDF whose text holds the token, polled for until it appears.
    QString waitForPdfWith(const QString &token);

private:
    QSet<QString> m_before;
    QSet<QString> m_claimed;
    QByteArray m_oldPrinter;
};
