// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/printdestination.h"
#include "printing/printer.h"

#include <QFont>
#include <memory>

// The printer object on the system's default printer: Qt draws the page as PDF, CUPS prints it.
//
// Units: the painter is scaled so that one unit is one twip, measured from the top-left corner
// of the printable area; fonts are sized 20 twips to the point. DrawWidth counts screen pixels of
// 15 twips each, so DrawWidth 2 draws a line 30 twips (1/48 inch) wide. The page size and margins
// are the default printer's own. Output below the bottom of the page is lost; NewPage goes on on a
// new one.
//
// Each document starts afresh at the top-left corner in black Times New Roman 12 pt with
// DrawWidth 1, whatever the previous run left behind. Qt renders it to a private PDF file, on the
// paper and margins CUPS gives for the printer, and EndDoc hands that file to CUPS with lp: Qt's
// own hand-over ignores a refused job, and the callers must be able to tell the user when the job
// never reached the queue.
//
// The interface waits on the print system a few seconds at most, for the default printer when a
// document starts and again for lp at EndDoc. Every PrinterError says why in a sentence for the
// teacher: "There is no default printer.", "The print system does not answer.", "The printer
// queue refused the job: ...".
//
// A document whose start or end fails is discarded, as is one abandoned by KillDoc or still open
// when the object is destroyed: nothing of it is printed, and the next operation starts a new
// document.
class QtPrinter : public Printer
{
public:
    QtPrinter();
    ~QtPrinter() override;
    QtPrinter(const QtPrinter &) = delete;
    QtPrinter &operator=(const QtPrinter &) = delete;

    void setFontName(const QString &name) override;
    void setFontSize(float points) override;
    void setForeColor(const QColor &colour) override;
    void setDrawWidth(int width) override;
    void setCurrentX(float twips) override;

    float ScaleWidth() override;
    float ScaleHeight() override;
    float TextWidth(const QString &text) override;

    void Print(const QString &item, PrintEnd end = PrintEnd::NewLine) override;
    void Print() override;
    void Line(float x1, float y1, float x2, float y2, const QColor &colour) override;
    void PaintPicture(const Picture &picture, float x, float y) override;
    void NewPage() override;
    void EndDoc() override;
    void KillDoc() noexcept override;

private:
    struct Document;

    // The open document, started first if there is none. Throws PrinterError when there is no
    // default printer, the print system does not answer, or no document can be started.
    Document &document();
    void startDocument();
    void applyFont();
    void newLine();

    DestinationLookup m_lookup;
    std::unique_ptr<Document> m_document;
    QString m_fontName;
    float m_fontSize = 0;
    QFont m_font;
    QColor m_foreColor;
    int m_drawWidth = 1;
    float m_x = 0;
    float m_y = 0;
};
