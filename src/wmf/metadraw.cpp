// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metaplayer.h"

#include "wmf/metatext.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <iterator>

// The records that draw, each onto the painter in device units through the mapping.

namespace
{

constexpr int halftone = 4;
constexpr uint32_t patCopy = 0xF00021;
constexpr uint32_t blackness = 0x000042;
constexpr uint32_t whiteness = 0xFF0062;
constexpr uint32_t srcAnd = 0x8800C6;
constexpr uint32_t srcPaint = 0xEE0086;
constexpr uint32_t srcInvert = 0x660046;
constexpr double maxTextPixels = 20000;

double length(QPointF vector)
{
    return std::hypot(vector.x(), vector.y());
}

// A pen's style by its number, 0 to 5; any other is solid.
Qt::PenStyle penStyle(int style)
{
    constexpr Qt::PenStyle styles[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                       Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    const int number = style & 0x0F;
    return number < int(std::size(styles)) ? styles[number] : Qt::SolidLine;
}

// A hatched brush's pattern by its number, 0 to 4; any other is the diagonal cross.
Qt::BrushStyle hatchStyle(int hatch)
{
    constexpr Qt::BrushStyle styles[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                         Qt::BDiagPattern, Qt::CrossPattern};
    return hatch >= 0 && hatch < int(std::size(styles)) ? styles[hatch] : Qt::DiagCrossPattern;
}

// The angle Qt's arcs use (of the ellipse's own parameter, counter-clockwise on the device) for
// the point where the line from the centre towards p meets the ellipse.
double arcAngle(const QRectF &box, QPointF p)
{
    const QPointF d = p - box.center();
    return std::atan2(-d.y() / (box.height() / 2), d.x() / (box.width() / 2)) * 180 / M_PI;
}

} // namespace

void MetaPlayer::usePenAndBrush()
{
    const meta::Pen &pen = m_dc.pen;
    QPen qpen(penStyle(pen.style));
    if (qpen.style() != Qt::NoPen) {
        qpen.setColor(pen.colour);
        qpen.setWidthF(deviceLength(pen.width));
        qpen.setCosmetic(pen.width <= 0); // one pixel of whatever device it lands on
        const int cap = pen.style & 0x0F00, join = pen.style & 0xF000;
        qpen.setCapStyle(cap == wmf::PsEndcapSquare ? Qt::SquareCap
                         : cap == wmf::PsEndcapFlat ? Qt::FlatCap
                                                    : Qt::RoundCap);
        qpen.setJoinStyle(join == wmf::PsJoinBevel   ? Qt::BevelJoin
                          : join == wmf::PsJoinMiter ? Qt::MiterJoin
                                                     : Qt::RoundJoin);
    }
    const meta::Brush &brush = m_dc.brush;
    QBrush qbrush(brush.colour);
    if (!brush.pattern.isNull())
        qbrush = QBrush(brush.pattern);
    else if (brush.style == wmf::BsNull)
        qbrush = Qt::NoBrush;
    else if (brush.style == wmf::BsHatched)
        qbrush = QBrush(brush.colour, hatchStyle(brush.hatch));
    // Writers draw thick lines as runs of abutting polygons with no pen; a hairline of the fill
    // colour closes the seams antialiasing would leave between them.
    if (qpen.style() == Qt::NoPen && qbrush.style() == Qt::SolidPattern)
        qpen = QPen(qbrush.color(), 0);
    m_painter.setPen(qpen);
    m_painter.setBrush(qbrush);
    m_painter.setBackgroundMode(m_dc.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(m_dc.background);
}

// The pen's width in the device's pixels, as wide as it rasterises.
double MetaPlayer::penPixels() const
{
    if (penStyle(m_dc.pen.style) == Qt::NoPen)
        return 0;
    const double scale = std::sqrt(std::abs(m_deviceToPixels.determinant()));
    return std::max(1.0, deviceLength(m_dc.pen.width) * scale);
}

void MetaPlayer::apply(const meta::Shape &r)
{
    beforeDrawing();
    const double pen = penPixels();
    const QRectF covered = toPixels(toDevice(r.box)).adjusted(-pen, -pen, pen, pen);
    if (drawsNothing() || !admit(m_work->area(covered)))
        return;
    usePenAndBrush();
    drawShape(r);
}

void MetaPlayer::drawShape(const meta::Shape &r)
{
    const QRectF box = toDevice(r.box).normalized();
    switch (r.kind) {
    case meta::ShapeKind::Rectangle:
        m_painter.drawRect(box);
        return;
    case meta::ShapeKind::Ellipse:
        m_painter.drawEllipse(box);
        return;
    case meta::ShapeKind::RoundRect:
        m_painter.drawRoundedRect(box, std::abs(r.start.x() * m_map.m11()) / 2,
                                  std::abs(r.start.y() * m_map.m22()) / 2);
        return;
    default:
        break;
    }
    if (box.width() <= 0 || box.height() <= 0)
        return;
    const double from = arcAngle(box, toDevice(r.start));
    double sweep = arcAngle(box, toDevice(r.end)) - from;
    while (sweep <= 0) // always counter-clockwise; the same radial twice is the whole ellipse
        sweep += 360;
    QPainterPath path;
    if (r.kind == meta::ShapeKind::Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, from);
    path.arcTo(box, from, sweep);
    if (r.kind == meta::ShapeKind::Arc) {
        m_painter.strokePath(path, m_painter.pen());
    } else {
        path.closeSubpath();
        m_painter.drawPath(path);
    }
}

double MetaPlayer::polyWork(const meta::Poly &r) const
{
    QList<QPolygonF> pixels;
    QRectF bounds;
    for (const QPolygon &polygon : r.polygons) {
        pixels << toPixels(m_map.map(QPolygonF(polygon)));
        bounds |= pixels.back().boundingRect();
    }
    const bool closed = r.kind != meta::PolyKind::Polyline;
    double work = m_work->edges(pixels, closed, false, penPixels());
    if (closed)
        work += m_work->edges(pixels, true, true, 0) + m_work->area(bounds);
    return work;
}

void MetaPlayer::apply(const meta::Poly &r)
{
    beforeDrawing();
    if (drawsNothing() || !admit(polyWork(r)))
        return;
    usePenAndBrush();
    const Qt::FillRule rule = m_dc.winding ? Qt::WindingFill : Qt::OddEvenFill;
    if (r.kind == meta::PolyKind::Polyline) {
        m_painter.drawPolyline(m_map.map(QPolygonF(r.polygons.front())));
    } else if (r.kind == meta::PolyKind::Polygon) {
        m_painter.drawPolygon(m_map.map(QPolygonF(r.polygons.front())), rule);
    } else {
        QPainterPath path;
        path.setFillRule(rule);
        for (const QPolygon &polygon : r.polygons) {
            path.addPolygon(m_map.map(QPolygonF(polygon)));
            path.closeSubpath();
        }
        m_painter.drawPath(path);
    }
}

void MetaPlayer::apply(const meta::Text &r)
{
    beforeDrawing();
    // Glyphs are sized and placed in the painter's device pixels, so they are upright and sharp
    // whatever the mapping; only the reference point, the sizes and the spacing are mapped.
    const QTransform logicalToPixels = m_map * m_painter.combinedTransform();
    const QPointF zero = logicalToPixels.map(QPointF(0, 0));
    const double xScale = length(logicalToPixels.map(QPointF(1, 0)) - zero);
    const double yScale = length(logicalToPixels.map(QPointF(0, 1)) - zero);
    const meta::Font &font = m_dc.font;
    // Type beyond any page's size would only cost time and memory to draw.
    const double height = std::min(textHeight(yScale), maxTextPixels);
    const double width = std::min(std::abs(font.width) * xScale, maxTextPixels);

    const bool opaque = r.options & wmf::EtoOpaque;
    const QRectF box = toDevice(r.box).normalized();
    const double glyphWork = std::min(height * std::max(height, width), m_work->visibleArea());
    if (!admit((opaque ? m_work->area(toPixels(box)) : 0) + glyphWork * r.bytes.size()))
        return;
    if (opaque)
        m_painter.fillRect(box, m_dc.background);
    const QString text = decodeMetaText(r.bytes, m_dc.font.charset, m_dc.font.face);
    if (text.isEmpty() || drawsNothing())
        return;
    QList<double> advances;
    if (r.dx.size() == text.size())
        for (int dx : r.dx)
            advances << dx * xScale;

    const bool updateCp = m_dc.textAlign & wmf::TaUpdateCp;
    const QPointF origin = updateCp ? m_dc.position : QPointF(r.origin);
    m_painter.save();
    if (r.options & wmf::EtoClipped)
        m_painter.setClipRect(box, Qt::IntersectClip);
    const MetaTextLook look{metaQFont(font, height, width, m_painter.device()), m_dc.textColour,
                            m_dc.background, m_dc.opaqueBackground, m_dc.textAlign};
    const double advance = drawMetaText(m_painter, logicalToPixels.map(origin),
                                        font.escapement / 10.0, text, advances, look);
    m_painter.restore();
    if (updateCp)
        moveAlongText(advance / std::max(xScale, 1e-9));
}

double MetaPlayer::textHeight(double pixelsPerLogicalUnit) const
{
    if (m_dc.font.height)
        return std::abs(m_dc.font.height) * pixelsPerLogicalUnit;
    // With no height given, Windows picks its default size: 12 points on the device.
    const QTransform toPixels = m_painter.combinedTransform();
    return m_deviceUnitsPerInch / 6 * length(toPixels.map(QPointF(0, 1)) - toPixels.map(QPointF()));
}

// After text drawn at the current position, the position moves past it (or back, for text
// aligned on its right end).
void MetaPlayer::moveAlongText(double logicalAdvance)
{
    const int horizontal = m_dc.textAlign & wmf::TaCenter;
    const double direction = horizontal == wmf::TaCenter ? 0 : horizontal == wmf::TaRight ? -1 : 1;
    m_dc.position.rx() += direction * logicalAdvance * (m_map.m11() < 0 ? -1 : 1);
}

void MetaPlayer::apply(const meta::Blit &r)
{
    beforeDrawing();
    const QRectF dest = toDevice(r.dest);
    const QRectF source = r.source.normalized() & QRectF(r.image.rect());
    if (!admit(m_work->area(toPixels(dest)) + source.width() * source.height()))
        return;
    if (r.image.isNull()) {
        if (r.rop == patCopy) {
            usePenAndBrush();
            m_painter.fillRect(dest.normalized(), m_painter.brush());
        } else if (r.rop == blackness || r.rop == whiteness) {
            m_painter.fillRect(dest.normalized(), r.rop == blackness ? Qt::black : Qt::white);
        }
        return;
    }
    drawBlitImage(r, dest);
}

void MetaPlayer::drawBlitImage(const meta::Blit &r, const QRectF &dest)
{
    const bool flipX = (dest.width() < 0) != (r.source.width() < 0);
    const bool flipY = (dest.height() < 0) != (r.source.height() < 0);
    const QRectF target = dest.normalized();
    const QRectF source = r.source.normalized() & QRectF(r.image.rect());
    if (target.isEmpty() || source.isEmpty())
        return;
    m_painter.save();
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, m_dc.stretchMode == halftone);
    // The masking operations of transparent bitmaps, where the device can blend; elsewhere the
    // bitmap is simply copied.
    const bool blends = m_painter.paintEngine()->hasFeature(QPaintEngine::BlendModes);
    if (blends && r.rop == srcAnd)
        m_painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    else if (blends && r.rop == srcPaint)
        m_painter.setCompositionMode(QPainter::CompositionMode_Lighten);
    else if (blends && r.rop == srcInvert)
        m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
    if (flipX || flipY) {
        m_painter.translate(target.center());
        m_painter.scale(flipX ? -1 : 1, flipY ? -1 : 1);
        m_painter.translate(-target.center());
    }
    m_painter.drawImage(target, r.image, source);
    m_painter.restore();
}

void MetaPlayer::apply(const meta::SetPixel &r)
{
    beforeDrawing();
    const QRectF pixel(toDevice(r.point), QSizeF(std::abs(m_map.m11()), std::abs(m_map.m22())));
    if (admit(m_work->area(toPixels(pixel))))
        m_painter.fillRect(pixel, r.colour);
}
