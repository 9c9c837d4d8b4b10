#include "platform/metadecode.h"

namespace
{

using namespace meta;
using namespace metadecode;

enum Function : uint16_t {
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

} // namespace

bool decodeRecord(uint16_t function, uint32_t sizeWords, MetaReader &r, std::vector<Record> &out)
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
