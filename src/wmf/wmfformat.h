// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The numbers a Windows metafile is written in: each record's function number and the flag values
// its fields take. The reader, the player and the writer all use these, and nothing else.
namespace wmf
{

// Record functions. The high byte is the record's usual size in words less three, which the
// older bitmap records use to say whether a bitmap follows.
enum Function : quint16 {
    Eof = 0x0000,
    SaveDc = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    SetStretchBltMode = 0x0107,
    RestoreDc = 0x0127,
    SelectObject = 0x012D,
    SetTextAlign = 0x012E,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetTextColor = 0x0209,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    SelectPalette = 0x0234,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    Arc = 0x0817,
    Pie = 0x081A,
    Chord = 0x0830,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
};

// A pen's style word: the line style in the low bits, then end caps and joins.
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

enum BrushStyle : quint16 { BsSolid = 0, BsNull = 1, BsHatched = 2 };
enum PolyFillMode : quint16 { Alternate = 1, Winding = 2 };
enum BkMode : quint16 { Transparent = 1, Opaque = 2 };

// Text alignment: TaCenter is both horizontal bits; the right bit alone aligns right.
enum TextAlign : quint16 {
    TaUpdateCp = 1,
    TaRight = 2,
    TaCenter = 6,
    TaBottom = 8,
    TaBaseline = 24,
};

// The options of an EXTTEXTOUT record: fill its rectangle first, clip the text to it.
enum TextOptions : quint16 { EtoOpaque = 0x0002, EtoClipped = 0x0004 };

} // namespace wmf
