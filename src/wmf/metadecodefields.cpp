// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metadecode.h"

#include "wmf/metadib.h"

namespace
{

constexpr int dibPaletteColours = 1;
constexpr int bsDibPattern = 5;
constexpr int maxFaceBytes = 32;

QPolygon points(MetaReader &r, int count)
{
    if (count < 0 || count * qsizetype(4) > r.remaining())
        throw MetaDamage("point count " + std::to_string(count) + " runs past its record");
    QPolygon polygon(count);
    for (QPoint &point : polygon)
        point = r.pointXY("point");
    return polygon;
}

QByteArray string(MetaReader &r, int length)
{
    if (length < 0)
        throw MetaDamage("text has a negative length");
    const QByteArrayView text = r.take(length, "text");
    if (length % 2 && r.remaining() > 0)
        r.skip(1, "text padding");
    return text.toByteArray();
}

MetaBox boxFrom(QPoint topLeft, int width, int height)
{
    return {topLeft, topLeft + QPoint(width, height)};
}

} // namespace

namespace metadecode
{

using namespace meta;

QColor colourRef(MetaReader &r)
{
    const int red = r.u8("colour");
    const int green = r.u8("colour");
    const int blue = r.u8("colour");
    r.u8("colour");
    return QColor(red, green, blue);
}

Record poly(MetaReader &r, PolyKind kind)
{
    return Poly{kind, {points(r, r.i16("point count"))}};
}

Record polyPolygonRecord(MetaReader &r)
{
    const int count = r.u16("polygon count");
    if (count * qsizetype(2) > r.remaining())
        throw MetaDamage("polygon count runs past its record");
    QList<int> sizes;
    for (int i = 0; i < count; ++i)
        sizes << r.u16("polygon size");
    Poly result{PolyKind::PolyPolygon, {}};
    for (int size : sizes)
        result.polygons << points(r, size);
    return result;
}

Record shape(MetaReader &r, ShapeKind kind)
{
    Shape s{kind, {}, {}, {}};
    if (kind == ShapeKind::RoundRect)
        s.start = r.pointYX("corner size");
    if (kind == ShapeKind::Arc || kind == ShapeKind::Pie || kind == ShapeKind::Chord) {
        s.end = r.pointYX("arc end");
        s.start = r.pointYX("arc start");
    }
    s.box = r.boxBRTL("shape rectangle");
    return s;
}

Record textOutRecord(MetaReader &r)
{
    Text t;
    t.bytes = string(r, r.i16("text length"));
    t.origin = r.pointYX("text position");
    return t;
}

Record extTextOutRecord(MetaReader &r)
{
    Text t;
    t.origin = r.pointYX("text position");
    const int length = r.i16("text length");
    t.options = r.u16("text options");
    if (t.options & (wmf::EtoOpaque | wmf::EtoClipped))
        t.box = r.boxLTRB("text rectangle");
    t.bytes = string(r, length);
    // Some writers leave the spacing out; it is used only when every byte has one.
    if (r.remaining() >= length * qsizetype(2))
        for (int i = 0; i < length; ++i)
            t.dx << r.i16("character spacing");
    return t;
}

Record fontRecord(MetaReader &r)
{
    Font f;
    f.height = r.i16("font height");
    f.width = r.i16("font width");
    f.escapement = r.i16("font escapement");
    r.i16("font orientation");
    f.weight = r.i16("font weight");
    f.italic = r.u8("font italic");
    f.underline = r.u8("font underline");
    f.strikeOut = r.u8("font strike-out");
    f.charset = r.u8("font charset");
    r.skip(4, "font precision, quality and pitch");
    const QByteArrayView face = r.take(std::min<qsizetype>(r.remaining(), maxFaceBytes), "font");
    f.face =
        QString::fromLatin1(face.first(face.indexOf('\0') < 0 ? face.size() : face.indexOf('\0')));
    return CreateObject{f};
}

Record paletteRecord(MetaReader &r)
{
    r.u16("palette start");
    const int count = r.u16("palette size");
    if (count * qsizetype(4) > r.remaining())
        throw MetaDamage("palette size runs past its record");
    Palette palette;
    for (int i = 0; i < count; ++i)
        palette.colours << colourRef(r);
    return CreateObject{palette};
}

Record patternBrushRecord(MetaReader &r)
{
    r.u16("brush style");
    const bool indices = r.u16("colour usage") == dibPaletteColours;
    const QImage pattern = decodeDib(r.take(r.remaining(), "pattern"), indices);
    if (pattern.isNull())
        return CreateObject{OtherObject{}};
    return CreateObject{Brush{bsDibPattern, Qt::black, 0, pattern}};
}

Record stretchDibRecord(MetaReader &r)
{
    Blit b;
    b.rop = r.u32("raster operation");
    const bool indices = r.u16("colour usage") == dibPaletteColours;
    const int srcHeight = r.i16("source height");
    const int srcWidth = r.i16("source width");
    const QPoint src = r.pointYX("source position");
    const int destHeight = r.i16("destination height");
    const int destWidth = r.i16("destination width");
    b.dest = boxFrom(r.pointYX("destination position"), destWidth, destHeight);
    b.source = QRectF(src, QSizeF(srcWidth, srcHeight));
    b.image = decodeDib(r.take(r.remaining(), "bitmap"), indices);
    return b;
}

Record dibBlitRecord(MetaReader &r, bool stretch, bool withBitmap)
{
    Blit b;
    b.rop = r.u32("raster operation");
    const int srcHeight = stretch ? r.i16("source height") : 0;
    const int srcWidth = stretch ? r.i16("source width") : 0;
    const QPoint src = r.pointYX("source position");
    if (!withBitmap)
        r.i16("reserved");
    const int height = r.i16("destination height");
    const int width = r.i16("destination width");
    b.dest = boxFrom(r.pointYX("destination position"), width, height);
    b.source = QRectF(src, stretch ? QSizeF(srcWidth, srcHeight) : QSizeF(width, height));
    if (withBitmap)
        b.image = decodeDib(r.take(r.remaining(), "bitmap"), false);
    return b;
}

Record patBltRecord(MetaReader &r)
{
    Blit b;
    b.rop = r.u32("raster operation");
    const int height = r.i16("height");
    const int width = r.i16("width");
    b.dest = boxFrom(r.pointYX("position"), width, height);
    return b;
}

} // namespace metadecode
