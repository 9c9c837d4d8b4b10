// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metareader.h"
#include "wmf/wmfformat.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPolygon>
#include <QRectF>
#include <QString>
#include <variant>
#include <vector>

// The records of a Windows metafile as the player needs them, decoded and checked at load time.
// Coordinates are the file's logical units, exactly as stored.
namespace meta
{

enum class PointOp {
    WindowOrg,
    WindowExt,
    ViewportOrg,
    ViewportExt,
    OffsetWindowOrg,
    OffsetViewportOrg,
    MoveTo,
    LineTo,
};
struct SetPoint {
    PointOp op;
    QPoint point;
};

struct ScaleExtent {
    bool viewport;
    int xNum, xDenom, yNum, yDenom;
};

enum class ModeOp { MapMode, BkMode, PolyFillMode, TextAlign, Rop2, StretchBltMode };
struct SetMode {
    ModeOp op;
    int value;
};

struct SetColor {
    bool text; // the text colour; otherwise the background colour
    QColor colour;
};

enum class ShapeKind { Rectangle, RoundRect, Ellipse, Arc, Pie, Chord };
struct Shape {
    ShapeKind kind;
    MetaBox box;
    QPoint
        start;  // arcs: the radial the arc starts on; round rectangles: the corner's width, height
    QPoint end; // arcs: the radial it ends on
};

enum class PolyKind { Polyline, Polygon, PolyPolygon };
struct Poly {
    PolyKind kind;
    QList<QPolygon> polygons;
};

struct ClipRect {
    bool exclude; // cut the rectangle out; otherwise keep only what lies inside it
    MetaBox box;
};

struct Text {
    QPoint origin;
    QByteArray bytes;
    int options = 0; // EtoOpaque, EtoClipped
    MetaBox box;     // when options hold ETO_OPAQUE or ETO_CLIPPED
    QList<int> dx;   // advance after each byte, empty when not given
};

// A device-independent bitmap stretched from its source rectangle into a destination rectangle.
// Records that only name a raster operation with no bitmap (a fill with the brush) keep a null
// image.
struct Blit {
    MetaBox dest;
    QRectF source; // in the bitmap's pixels, top-down
    QImage image;
    uint32_t rop;
};

struct SetPixel {
    QPoint point;
    QColor colour;
};

struct Pen {
    int style;
    int width;
    QColor colour;
};
struct Brush {
    int style;
    QColor colour;
    int hatch;
    QImage pattern; // for bitmap pattern brushes
};
struct Font {
    int height, width, escapement, weight;
    bool italic, underline, strikeOut;
    int charset;
    QString face;
};
struct Palette {
    QList<QColor> colours;
};
// An object the player keeps a table slot for but never draws with (a region, an old-style
// pattern brush), so that later object numbers stay right.
struct OtherObject {
};
struct CreateObject {
    std::variant<Pen, Brush, Font, Palette, OtherObject> object;
};
struct SelectObject {
    int index;
};
struct DeleteObject {
    int index;
};
struct SaveDC {
};
struct RestoreDC {
    int which; // negative: relative to the newest saved state
};

using Record =
    std::variant<SetPoint, ScaleExtent, SetMode, SetColor, Shape, Poly, ClipRect, Text, Blit,
                 SetPixel, CreateObject, SelectObject, DeleteObject, SaveDC, RestoreDC>;

} // namespace meta

// A whole metafile in memory: its frame and records.
struct MetaDocument {
    // The frame is the rectangle that maps onto the target, in the units of the device the file
    // draws on: for a placeable file its bounding box, in units of which unitsPerInch make an inch;
    // without that header, a 96 dots-per-inch screen's pixels, and the frame is worked out by
    // playing the records (MetaPlayer::measureFrame).
    bool placeable = false;
    QRectF frame;
    double unitsPerInch = 96;
    int objectCount = 0;
    std::vector<meta::Record> records;
};
