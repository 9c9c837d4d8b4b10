// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/wmfformat.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace wmf
{
constexpr int unitsPerInch = 1440; // what this writer's logical units are: twips
} // namespace wmf

// One font as a CREATEFONTINDIRECT record holds it. Height is the character (em) height in
// logical units; escapement is in tenths of a degree, counter-clockwise.
struct WmfFont {
    QString faceName;
    int height = 0;
    int escapement = 0;
    int weight = 400;
    bool italic = false;
};

// Writes a placeable Windows metafile, 1440 logical units to the inch, record by record in
// memory. Coordinates are logical units and must fit in 16 bits; a value that does not throws
// MetaWriteError. Objects take the lowest free slot of the object table, as a player assigns them.
class WmfWriter
{
public:
    explicit WmfWriter(QSize size);

    int createPen(quint16 style, int width, QRgb colour);
    int createBrush(quint16 style, QRgb colour);
    int createFont(const WmfFont &font);
    void selectObject(int slot);
    void deleteObject(int slot);

    void setBkMode(quint16 mode);
    void setTextAlign(quint16 align);
    void setTextColor(QRgb colour);
    void setPolyFillMode(quint16 mode);
    void saveDc();
    void restoreDc();
    void intersectClipRect(const QRect &rect);

    void polyline(const QPolygon &points);
    void polygon(const QPolygon &points);
    void polyPolygon(const QList<QPolygon> &polygons);
    void rectangle(const QRect &rect);
    void ellipse(const QRect &rect);
    // Windows-1252 bytes drawn at the reference point, each character advanced by its dx.
    void extTextOut(QPoint at, const QByteArray &text, const QList<int> &dx);
    // The image as a 24-bit bottom-up DIB, stretched over dest.
    void stretchDib(const QRect &dest, const QImage &image);

    // Ends the record list and returns the whole file, headers first.
    QByteArray finish();

private:
    class Record;
    void append(const Record &record);
    int takeSlot();

    QSize m_size;
    QByteArray m_records;
    quint32 m_largestRecord = 0;
    QList<bool> m_slots; // true where a slot holds an object
    bool m_finished = false;
};
