#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

// Windows metafile record numbers and the few flag values this writer uses.
namespace wmf
{
enum Function : quint16 {
    Eof = 0x0000,
    SaveDc = 0x001E,
    SetBkMode = 0x0102,
    SetPolyFillMode = 0x0106,
    RestoreDc = 0x0127,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DeleteObject = 0x01F0,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    PolyPolygon = 0x0538,
    ExtTextOut = 0x0A32,
    StretchDib = 0x0F43,
};

enum PenStyle : quint16 {
    PsSolid = 0,
    PsDash = 1,
    PsDot = 2,
    PsDashDot = 3,
    PsDashDotDot = 4,
    PsNull = 5,
    PsEndcapSquare = 0x0100,
    PsEndcapFlat = 0x0200,
    PsJoinBevel = 0x1000,
    PsJoinMiter = 0x2000,
};

enum BrushStyle : quint16 { BsSolid = 0, BsNull = 1 };
enum PolyFillMode : quint16 { Alternate = 1, Winding = 2 };
enum BkMode : quint16 { Transparent = 1 };
enum TextAlign : quint16 { TaBaseline = 0x0018 };

constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr int unitsPerInch = 1440;
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
// ContentError. Objects take the lowest free slot of the object table, as a player assigns them.
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
