// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class Picture;

enum class PrintEnd { NewLine, SameLine };

// The program-wide printer: a drawing surface for one document at a time on the system's default
// printer. Positions are twips from the top-left corner of the printable area. The first output
// starts a document and EndDoc hands it to the print queue; KillDoc throws it away unprinted. Every
// operation but KillDoc may throw PrinterError.
class Printer
{
public:
    virtual ~Printer() = default;

    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setForeColor(const QColor &colour) = 0;
    virtual void setDrawWidth(int width) = 0;
    virtual void setCurrentX(float twips) = 0;

    virtual float ScaleWidth() = 0;
    virtual float ScaleHeight() = 0;
    virtual float TextWidth(const QString &text) = 0;

    // Writes the item at the current position, cut at the right edge, then either moves to the
    // start of the next line or stays just after the item.
    virtual void Print(const QString &item, PrintEnd end = PrintEnd::NewLine) = 0;
    // Only ends the line.
    virtual void Print() = 0;
    // Lines and pictures leave the text position where it is.
    virtual void Line(float x1, float y1, float x2, float y2, const QColor &colour) = 0;
    // Draws the picture at its own size with its top-left corner at (x, y).
    virtual void PaintPicture(const Picture &picture, float x, float y) = 0;
    // Ends the page and goes on at the top-left corner of the next one.
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    // Abandons the open document, if there is one: nothing of it is printed, and the next output
    // starts a new document. Safe to call at any time; never throws.
    virtual void KillDoc() noexcept = 0;
};
