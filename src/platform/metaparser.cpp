#include "platform/metaparser.h"

#include "platform/metadib.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QSet>

Q_LOGGING_CATEGORY(lcMetafile, "kelvarin.metafile")

namespace
{

using namespace meta;

constexpr uint32_t placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableHeaderBytes = 22;
constexpr int etoOpaque = 0x0002;
constexpr int etoClipped = 0x0004;
constexpr int dibPaletteColours = 1;
constexpr int bsDibPattern = 5;
constexpr int maxFaceBytes = 32;

enum Function : uint16_t {
    eof = 0x0000,
    saveDc = 0x001E,
    createPalette = 0x00F7,
    setBkMode = 0x0102,
    setMapMode = 0x0103,
    setRop2 = 0x0104,
    setPolyFillMode = 0x0106,
    setStretchBltMode = 0x0107,
    restoreDc = 0x0127,
    selectObject = 0x012D,
    setTextAlign = 0x012E,
    dibCreatePatternBrush = 0x0142,
    deleteObject = 0x01F0,
    createPatternBrush = 0x01F9,
    setBkColor = 0x0201,
    setTextColor = 0x0209,
    setWindowOrg = 0x020B,
    setWindowExt = 0x020C,
    setViewportOrg = 0x020D,
    setViewportExt = 0x020E,
    offsetWindowOrg = 0x020F,
    offsetViewportOrg = 0x0211,
    lineTo = 0x0213,
    moveTo = 0x0214,
    selectPalette = 0x0234,
    createPenIndirect = 0x02FA,
    createFontIndirect = 0x02FB,
    createBrushIndirect = 0x02FC,
    polygon = 0x0324,
    polyline = 0x0325,
    scaleWindowExt = 0x0410,
    scaleViewportExt = 0x0412,
    excludeClipRect = 0x0415,
    intersectClipRect = 0x0416,
    ellipse = 0x0418,
    rectangle = 0x041B,
    setPixel = 0x041F,
    textOut = 0x0521,
    polyPolygon = 0x0538,
    roundRect = 0x061C,
    patBlt = 0x061D,
    createRegion = 0x06FF,
    arc = 0x0817,
    pie = 0x081A,
    chord = 0x0830,
    dibBitBlt = 0x0940,
    extTextOut = 0x0A32,
    dibStretchBlt = 0x0B41,
    stretchDib = 0x0F43,
};

void logSkippedOnce(uint16_t function)
{
    static QMutex mutex;
    static QSet<uint16_t> logged;
    const QMutexLocker lock(&mutex);
    if (!logged.contains(function)) {
        logged.insert(function);
        qCDebug(lcMetafile, "skipping metafile records of function 0x%04x", function);
    }
}

QColor colourRef(MetaReader &r)
{
    const int red = r.u8("colour");
    const int green = r.u8("colour");
    const int blue = r.u8("colour");
    r.u8("colour");
    return QColor(red, green, blue);
}

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
    if (t.options & (etoOpaque | etoClipped))
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

MetaBox boxFrom(QPoint topLeft, int width, int height)
{
    return {topLeft, topLeft + QPoint(width, height)};
}

// The three bitmap records, each with its own order of fields; the two older ones also come
// without a bitmap, meaning a fill of the destination with the brush.
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

// Decodes one record; returns false for a record the player does not draw.
bool decode(uint16_t function, uint32_t sizeWords, MetaReader &r, std::vector<Record> &out)
{
    const auto point = [&](PointOp op) { out.push_back(SetPoint{op, r.pointYX("point")}); };
    const auto mode = [&](ModeOp op) { out.push_back(SetMode{op, r.u16("mode")}); };
    const auto scale = [&](bool viewport) {
        const int yDenom = r.i16("scale"), yNum = r.i16("scale");
        const int xDenom = r.i16("scale"), xNum = r.i16("scale");
        out.push_back(ScaleExtent{viewport, xNum, xDenom, yNum, yDenom});
    };
    // The older bitmap records say by their size alone whether a bitmap follows.
    const bool noBitmap = sizeWords == uint32_t(function >> 8) + 3;
    switch (function) {
    case setWindowOrg:
        point(PointOp::WindowOrg);
        break;
    case setWindowExt:
        point(PointOp::WindowExt);
        break;
    case setViewportOrg:
        point(PointOp::ViewportOrg);
        break;
    case setViewportExt:
        point(PointOp::ViewportExt);
        break;
    case offsetWindowOrg:
        point(PointOp::OffsetWindowOrg);
        break;
    case offsetViewportOrg:
        point(PointOp::OffsetViewportOrg);
        break;
    case moveTo:
        point(PointOp::MoveTo);
        break;
    case lineTo:
        point(PointOp::LineTo);
        break;
    case scaleWindowExt:
        scale(false);
        break;
    case scaleViewportExt:
        scale(true);
        break;
    case setMapMode:
        mode(ModeOp::MapMode);
        break;
    case setBkMode:
        mode(ModeOp::BkMode);
        break;
    case setPolyFillMode:
        mode(ModeOp::PolyFillMode);
        break;
    case setTextAlign:
        mode(ModeOp::TextAlign);
        break;
    case setRop2:
        mode(ModeOp::Rop2);
        break;
    case setStretchBltMode:
        mode(ModeOp::StretchBltMode);
        break;
    case setTextColor:
        out.push_back(SetColor{true, colourRef(r)});
        break;
    case setBkColor:
        out.push_back(SetColor{false, colourRef(r)});
        break;
    case rectangle:
        out.push_back(shape(r, ShapeKind::Rectangle));
        break;
    case roundRect:
        out.push_back(shape(r, ShapeKind::RoundRect));
        break;
    case ellipse:
        out.push_back(shape(r, ShapeKind::Ellipse));
        break;
    case arc:
        out.push_back(shape(r, ShapeKind::Arc));
        break;
    case pie:
        out.push_back(shape(r, ShapeKind::Pie));
        break;
    case chord:
        out.push_back(shape(r, ShapeKind::Chord));
        break;
    case polyline:
        out.push_back(poly(r, PolyKind::Polyline));
        break;
    case polygon:
        out.push_back(poly(r, PolyKind::Polygon));
        break;
    case polyPolygon:
        out.push_back(polyPolygonRecord(r));
        break;
    case intersectClipRect:
        out.push_back(ClipRect{false, r.boxBRTL("clip rectangle")});
        break;
    case excludeClipRect:
        out.push_back(ClipRect{true, r.boxBRTL("clip rectangle")});
        break;
    case textOut:
        out.push_back(textOutRecord(r));
        break;
    case extTextOut:
        out.push_back(extTextOutRecord(r));
        break;
    case setPixel: {
        const QColor colour = colourRef(r);
        out.push_back(SetPixel{r.pointYX("pixel"), colour});
        break;
    }
    case saveDc:
        out.push_back(SaveDC{});
        break;
    case restoreDc:
        out.push_back(RestoreDC{r.i16("saved state")});
        break;
    case createPenIndirect: {
        const int style = r.u16("pen style");
        const int width = r.pointXY("pen width").x();
        out.push_back(CreateObject{Pen{style, width, colourRef(r)}});
        break;
    }
    case createBrushIndirect: {
        const int style = r.u16("brush style");
        const QColor colour = colourRef(r);
        out.push_back(CreateObject{Brush{style, colour, r.u16("brush hatch"), {}}});
        break;
    }
    case createFontIndirect:
        out.push_back(fontRecord(r));
        break;
    case createPalette:
        out.push_back(paletteRecord(r));
        break;
    case dibCreatePatternBrush:
        out.push_back(patternBrushRecord(r));
        break;
    case createPatternBrush:
    case createRegion:
        out.push_back(CreateObject{OtherObject{}});
        break;
    case selectObject:
    case selectPalette:
        out.push_back(SelectObject{r.u16("object number")});
        break;
    case deleteObject:
        out.push_back(DeleteObject{r.u16("object number")});
        break;
    case stretchDib:
        out.push_back(stretchDibRecord(r));
        break;
    case dibStretchBlt:
        out.push_back(dibBlitRecord(r, true, !noBitmap));
        break;
    case dibBitBlt:
        out.push_back(dibBlitRecord(r, false, !noBitmap));
        break;
    case patBlt:
        out.push_back(patBltRecord(r));
        break;
    default:
        return false;
    }
    return true;
}

// The placeable header: a bounding box in logical units and how many of them make an inch.
void readPlaceableHeader(MetaReader &r, MetaDocument &doc)
{
    r.u32("placeable header");
    r.u16("placeable header");
    const MetaBox box = r.boxLTRB("bounding box");
    doc.unitsPerInch = r.u16("units per inch");
    r.skip(6, "placeable header");
    doc.frame = box.toRectF().normalized();
    doc.placeable = true;
    if (doc.unitsPerInch == 0)
        throw MetaDamage("placeable header gives no units per inch");
    if (doc.frame.isEmpty())
        throw MetaDamage("placeable header has an empty bounding box");
}

void readHeader(MetaReader &r, MetaDocument &doc)
{
    const int type = r.u16("header");
    const int headerWords = r.u16("header");
    const int version = r.u16("header");
    r.u32("header");
    doc.objectCount = r.u16("header");
    r.u32("header");
    r.u16("header");
    if ((type != 1 && type != 2) || headerWords != 9)
        throw MetaDamage("not a Windows metafile header");
    if (version != 0x0100 && version != 0x0300)
        throw MetaDamage("unknown metafile version " + std::to_string(version));
}

} // namespace

MetaDocument parseMetafile(QByteArrayView bytes)
{
    if (bytes.size() > maxMetafileBytes)
        throw MetaDamage("larger than " + std::to_string(maxMetafileBytes) + " bytes");
    MetaDocument doc;
    MetaReader file(bytes);
    if (bytes.size() >= 4 && MetaReader(bytes).u32("header") == placeableKey)
        readPlaceableHeader(file, doc);
    readHeader(file, doc);

    while (true) {
        const qsizetype offset = file.position();
        if (file.remaining() < 6)
            throw MetaDamage("ends without its end record");
        const uint32_t sizeWords = file.u32("record size");
        const uint16_t function = file.u16("record function");
        if (sizeWords < 3 || (sizeWords - 3) * qsizetype(2) > file.remaining())
            throw MetaDamage("record at byte " + std::to_string(offset) + " has size " +
                             std::to_string(sizeWords) + " words, past the end of the file");
        MetaReader params(file.take((sizeWords - 3) * qsizetype(2), "record"));
        if (function == eof)
            break;
        if (doc.records.size() >= size_t(maxMetaRecords))
            throw MetaDamage("more than " + std::to_string(maxMetaRecords) + " records");
        try {
            if (!decode(function, sizeWords, params, doc.records))
                logSkippedOnce(function);
        } catch (const MetaDamage &damage) {
            throw MetaDamage("record at byte " + std::to_string(offset) + ": " + damage.what());
        }
    }
    return doc;
}
