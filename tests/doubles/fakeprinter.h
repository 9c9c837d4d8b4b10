// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printing/printer.h"

#include "platform/picture.h"
#include <QFont>
#include <QHash>
#include <QList>
#include <QSizeF>
#include <QStringList>

// A printer that records every operation as one readable line, so tests compare whole runs:
//
//   FontName Times New Roman     FontSize 28          ForeColor #0000ff    DrawWidth 2
//   CurrentX 1488.25             ScaleWidth           ScaleHeight          TextWidth "Kelvarin"
//   Print "text" ;  (stays on the line)    Print "text"  (ends the line)   Print  (line end only)
//   Line 45 270 11455 270 #000000          PaintPicture 1000 1000          NewPage    EndDoc
//   KillDoc  (only when it abandons an open document: one with an operation since the last end)
//
// Numbers are written by number(), the shortest text that reads back as the same float.
//
// One chosen operation can be made to fail with PrinterError: the one at a position in the whole
// sequence (failAt(1) fails the first), or the nth from now with a given name (failOn("EndDoc")).
// It fails once, with failureReason; the failing operation is not recorded, so the records stop
// where the run did.
//
// TextWidth measures with the real printer's fonts (printerFont), so it agrees with QtPrinter.
// The printable area defaults to what Qt reports for the PDF queue the tests print to: an A4 page
// (595 x 842 pt) less 10 pt on every side, 11500 x 16440 twips; setPrintableArea changes it.
// As on the real printer, each document starts in Times New Roman 12 pt.
class FakePrinter : public Printer
{
public:
    static constexpr float defaultWidth = 11500;
    static constexpr float defaultHeight = 16440;
    static inline const QString failureReason = QStringLiteral("The printer is out of paper.");

    static QString number(float value);
    // The part of a whole run's records that comes before the occurrence-th operation of that
    // name: what a run failing there leaves recorded.
    static QStringList recordsBefore(const QStringList &run, const QString &operation,
                                     int occurrence);

    const QStringList &records() const { return m_records; }
    // The records without ScaleWidth, ScaleHeight and TextWidth.
    QStringList recordsWithoutQueries() const;
    // The pictures given to PaintPicture, in order.
    const QList<Picture> &pictures() const { return m_pictures; }

    void failAt(int position) { m_failPosition = position; }
    void failOn(const QString &operation, int occurrence = 1);
    void setPrintableArea(float width, float height) { m_area = QSizeF(width, height); }

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
    // Counts the operation, throws if it is the chosen one, and records it.
    void perform(const QString &record);
    bool isChosenFailure(const QString &operation);

    QStringList m_records;
    QList<Picture> m_pictures;
    int m_position = 0;
    QHash<QString, int> m_occurrences;
    int m_failPosition = 0;
    QString m_failOperation;
    int m_failOccurrence = 0;
    bool m_documentOpen = false;
    QSizeF m_area{defaultWidth, defaultHeight};
    QString m_fontName = QStringLiteral("Times New Roman");
    float m_fontSize = 12;
};
