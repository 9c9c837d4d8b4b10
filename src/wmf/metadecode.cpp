// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metadecode.h"

using namespace meta;
using namespace metadecode;

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
    case wmf::SetWindowOrg:
        point(PointOp::WindowOrg);
        break;
    case wmf::SetWindowExt:
        point(PointOp::WindowExt);
        break;
    case wmf::SetViewportOrg:
        point(PointOp::ViewportOrg);
        break;
    case wmf::SetViewportExt:
        point(PointOp::ViewportExt);
        break;
    case wmf::OffsetWindowOrg:
        point(PointOp::OffsetWindowOrg);
        break;
    case wmf::OffsetViewportOrg:
        point(PointOp::OffsetViewportOrg);
        break;
    case wmf::MoveTo:
        point(PointOp::MoveTo);
        break;
    case wmf::LineTo:
        point(PointOp::LineTo);
        break;
    case wmf::ScaleWindowExt:
        scale(false);
        break;
    case wmf::ScaleViewportExt:
        scale(true);
        break;
    case wmf::SetMapMode:
        mode(ModeOp::MapMode);
        break;
    case wmf::SetBkMode:
        mode(ModeOp::BkMode);
        break;
    case wmf::SetPolyFillMode:
        mode(ModeOp::PolyFillMode);
        break;
    case wmf::SetTextAlign:
        mode(ModeOp::TextAlign);
        break;
    case wmf::SetRop2:
        mode(ModeOp::Rop2);
        break;
    case wmf::SetStretchBltMode:
        mode(ModeOp::StretchBltMode);
        break;
    case wmf::SetTextColor:
        out.push_back(SetColor{true, colourRef(r)});
        break;
    case wmf::SetBkColor:
        out.push_back(SetColor{false, colourRef(r)});
        break;
    case wmf::Rectangle:
        out.push_back(shape(r, ShapeKind::Rectangle));
        break;
    case wmf::RoundRect:
        out.push_back(shape(r, ShapeKind::RoundRect));
        break;
    case wmf::Ellipse:
        out.push_back(shape(r, ShapeKind::Ellipse));
        break;
    case wmf::Arc:
        out.push_back(shape(r, ShapeKind::Arc));
        break;
    case wmf::Pie:
        out.push_back(shape(r, ShapeKind::Pie));
        break;
    case wmf::Chord:
        out.push_back(shape(r, ShapeKind::Chord));
        break;
    case wmf::Polyline:
        out.push_back(poly(r, PolyKind::Polyline));
        break;
    case wmf::Polygon:
        out.push_back(poly(r, PolyKind::Polygon));
        break;
    case wmf::PolyPolygon:
        out.push_back(polyPolygonRecord(r));
        break;
    case wmf::IntersectClipRect:
        out.push_back(ClipRect{false, r.boxBRTL("clip rectangle")});
        break;
    case wmf::ExcludeClipRect:
        out.push_back(ClipRect{true, r.boxBRTL("clip rectangle")});
        break;
    case wmf::TextOut:
        out.push_back(textOutRecord(r));
        break;
    case wmf::ExtTextOut:
        out.push_back(extTextOutRecord(r));
        break;
    case wmf::SetPixel: {
        const QColor colour = colourRef(r);
        out.push_back(SetPixel{r.pointYX("pixel"), colour});
        break;
    }
    case wmf::SaveDc:
        out.push_back(SaveDC{});
        break;
    case wmf::RestoreDc:
        out.push_back(RestoreDC{r.i16("saved state")});
        break;
    case wmf::CreatePenIndirect: {
        const int style = r.u16("pen style");
        const int width = r.pointXY("pen width").x();
        out.push_back(CreateObject{Pen{style, width, colourRef(r)}});
        break;
    }
    case wmf::CreateBrushIndirect: {
        const int style = r.u16("brush style");
        const QColor colour = colourRef(r);
        out.push_back(CreateObject{Brush{style, colour, r.u16("brush hatch"), {}}});
        break;
    }
    case wmf::CreateFontIndirect:
        out.push_back(fontRecord(r));
        break;
    case wmf::CreatePalette:
        out.push_back(paletteRecord(r));
        break;
    case wmf::DibCreatePatternBrush:
        out.push_back(patternBrushRecord(r));
        break;
    case wmf::CreatePatternBrush:
    case wmf::CreateRegion:
        out.push_back(CreateObject{OtherObject{}});
        break;
    case wmf::SelectObject:
    case wmf::SelectPalette:
        out.push_back(SelectObject{r.u16("object number")});
        break;
    case wmf::DeleteObject:
        out.push_back(DeleteObject{r.u16("object number")});
        break;
    case wmf::StretchDib:
        out.push_back(stretchDibRecord(r));
        break;
    case wmf::DibStretchBlt:
        out.push_back(dibBlitRecord(r, true, !noBitmap));
        break;
    case wmf::DibBitBlt:
        out.push_back(dibBlitRecord(r, false, !noBitmap));
        break;
    case wmf::PatBlt:
        out.push_back(patBltRecord(r));
        break;
    default:
        return false;
    }
    return true;
}
