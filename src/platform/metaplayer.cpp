#include "platform/metaplayer.h"

#include "platform/metatext.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <cmath>

namespace
{

enum MapMode {
    mmText = 1,
    mmLoMetric,
    mmHiMetric,
    mmLoEnglish,
    mmHiEnglish,
    mmTwips,
    mmIsotropic,
    mmAnisotropic
};
constexpr int r2Nop = 11;
constexpr int halftone = 4;
constexpr int etoOpaque = 0x0002;
constexpr int etoClipped = 0x0004;
constexpr int taUpdateCp = 1;
constexpr int taRight = 2;
constexpr int taCenter = 6;
constexpr uint32_t patCopy = 0xF00021;
constexpr uint32_t blackness = 0x000042;
constexpr uint32_t whiteness = 0xFF0062;
constexpr uint32_t srcAnd = 0x8800C6;
constexpr uint32_t srcPaint = 0xEE0086;
constexpr uint32_t srcInvert = 0x660046;
constexpr size_t maxSavedStates = 1024;
constexpr size_t maxObjects = 65535;
// Beyond any coordinate a record can reach, for cutting a rectangle out of "everything".
constexpr double everywhere = 1e9;

double ratio(double numerator, double denominator)
{
    return denominator == 0 ? 1 : numerator / denominator;
}

double length(QPointF vector)
{
    return std::hypot(vector.x(), vector.y());
}

Qt::PenStyle penStyle(int style)
{
    switch (style & 0x0F) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle hatchStyle(int hatch)
{
    switch (hatch) {
    case 0:
        return Qt::HorPattern;
    case 1:
        return Qt::VerPattern;
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::BDiagPattern;
    case 4:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// The angle Qt's arcs use (of the ellipse's own parameter, counter-clockwise on the device) for
// the point where the line from the centre towards p meets the ellipse.
double arcAngle(const QRectF &box, QPointF p)
{
    const QPointF d = p - box.center();
    return std::atan2(-d.y() / (box.height() / 2), d.x() / (box.width() / 2)) * 180 / M_PI;
}

} // namespace

MetaPlayer::MetaPlayer(const MetaDocument &document, QPainter &painter)
    : m_document(document), m_painter(painter),
      m_objects(std::min<size_t>(document.objectCount, maxObjects)),
      m_deviceUnitsPerInch(document.unitsPerInch)
{
    if (document.placeable) {
        // As a program playing a placeable file sets it up: the window and viewport both span
        // the bounding box, so the records' own window lands on the frame.
        m_dc.mapMode = mmAnisotropic;
        m_dc.windowOrg = m_dc.viewportOrg = document.frame.topLeft();
        m_dc.windowExt = m_dc.viewportExt =
            QPointF(document.frame.width(), document.frame.height());
        m_dc.viewportExtSet = true;
    }
    updateMapping();
}

void MetaPlayer::play(const QTransform &deviceToPainter)
{
    m_painter.save();
    m_painter.setTransform(deviceToPainter, true);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_painter.save(); // the level applyClip() returns to
    for (const meta::Record &record : m_document.records)
        std::visit([this](const auto &r) { apply(r); }, record);
    m_painter.restore();
    m_painter.restore();
}

QRectF MetaPlayer::measureFrame(const MetaDocument &document)
{
    QPicture picture;
    QPainter painter(&picture);
    MetaPlayer player(document, painter);
    player.play(QTransform());
    painter.end();
    if (player.m_windowAtFirstDrawing)
        return player.m_windowAtFirstDrawing->normalized();
    return QRectF(picture.boundingRect());
}

void MetaPlayer::updateMapping()
{
    double sx = 1, sy = 1;
    const auto fixed = [&](double unitsPerInch) {
        sx = m_deviceUnitsPerInch / unitsPerInch;
        sy = -sx; // the metric and English modes count y upwards
    };
    switch (m_dc.mapMode) {
    case mmLoMetric:
        fixed(254);
        break;
    case mmHiMetric:
        fixed(2540);
        break;
    case mmLoEnglish:
        fixed(100);
        break;
    case mmHiEnglish:
        fixed(1000);
        break;
    case mmTwips:
        fixed(1440);
        break;
    case mmIsotropic:
    case mmAnisotropic: {
        // Without a viewport extent a logical unit is taken as a twip of the screen it was made on.
        const QPointF viewport = m_dc.viewportExtSet
                                     ? m_dc.viewportExt
                                     : m_dc.windowExt * (m_deviceUnitsPerInch / 1440.0);
        sx = ratio(viewport.x(), m_dc.windowExt.x());
        sy = ratio(viewport.y(), m_dc.windowExt.y());
        if (m_dc.mapMode == mmIsotropic) {
            const double scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx);
            sy = std::copysign(scale, sy);
        }
        break;
    }
    default:
        break;
    }
    m_map = QTransform(sx, 0, 0, sy, m_dc.viewportOrg.x() - m_dc.windowOrg.x() * sx,
                       m_dc.viewportOrg.y() - m_dc.windowOrg.y() * sy);
}

QRectF MetaPlayer::toDevice(const MetaBox &box) const
{
    return QRectF(toDevice(box.topLeft), toDevice(box.bottomRight));
}

double MetaPlayer::deviceLength(int logical) const
{
    return std::abs(logical * m_map.m11());
}

void MetaPlayer::apply(const meta::SetPoint &r)
{
    const QPointF p(r.point);
    switch (r.op) {
    case meta::PointOp::WindowOrg:
        m_dc.windowOrg = p;
        break;
    case meta::PointOp::OffsetWindowOrg:
        m_dc.windowOrg += p;
        break;
    case meta::PointOp::ViewportOrg:
        m_dc.viewportOrg = p;
        break;
    case meta::PointOp::OffsetViewportOrg:
        m_dc.viewportOrg += p;
        break;
    case meta::PointOp::WindowExt:
        if (p.x() != 0 && p.y() != 0) {
            m_dc.windowExt = p;
            m_windowExtSet = true;
        }
        break;
    case meta::PointOp::ViewportExt:
        if (p.x() != 0 && p.y() != 0) {
            m_dc.viewportExt = p;
            m_dc.viewportExtSet = true;
        }
        break;
    case meta::PointOp::MoveTo:
        m_dc.position = p;
        return;
    case meta::PointOp::LineTo:
        beforeDrawing();
        if (!drawsNothing()) {
            usePenAndBrush();
            m_painter.drawLine(m_map.map(m_dc.position), m_map.map(p));
        }
        m_dc.position = p;
        return;
    }
    updateMapping();
}

void MetaPlayer::apply(const meta::ScaleExtent &r)
{
    QPointF &extent = r.viewport ? m_dc.viewportExt : m_dc.windowExt;
    const QPointF scaled(extent.x() * ratio(r.xNum, r.xDenom),
                         extent.y() * ratio(r.yNum, r.yDenom));
    if (scaled.x() != 0 && scaled.y() != 0)
        extent = scaled;
    updateMapping();
}

void MetaPlayer::apply(const meta::SetMode &r)
{
    switch (r.op) {
    case meta::ModeOp::MapMode:
        if (r.value >= mmText && r.value <= mmAnisotropic)
            m_dc.mapMode = r.value;
        updateMapping();
        break;
    case meta::ModeOp::BkMode:
        m_dc.opaqueBackground = r.value == 2;
        break;
    case meta::ModeOp::PolyFillMode:
        m_dc.winding = r.value == 2;
        break;
    case meta::ModeOp::TextAlign:
        m_dc.textAlign = r.value;
        break;
    case meta::ModeOp::Rop2:
        m_dc.rop2 = r.value;
        break;
    case meta::ModeOp::StretchBltMode:
        m_dc.stretchMode = r.value;
        break;
    }
}

void MetaPlayer::apply(const meta::SetColor &r)
{
    (r.text ? m_dc.textColour : m_dc.background) = r.colour;
}

void MetaPlayer::beforeDrawing()
{
    if (m_drawn)
        return;
    m_drawn = true;
    if (m_windowExtSet && (m_dc.mapMode == mmIsotropic || m_dc.mapMode == mmAnisotropic))
        m_windowAtFirstDrawing =
            m_map.mapRect(QRectF(m_dc.windowOrg, QSizeF(m_dc.windowExt.x(), m_dc.windowExt.y())));
}

bool MetaPlayer::drawsNothing() const
{
    return m_dc.rop2 == r2Nop;
}

void MetaPlayer::usePenAndBrush()
{
    const meta::Pen &pen = m_dc.pen;
    QPen qpen(penStyle(pen.style));
    if (qpen.style() != Qt::NoPen) {
        qpen.setColor(pen.colour);
        qpen.setWidthF(deviceLength(pen.width));
        qpen.setCosmetic(pen.width <= 0); // one pixel of whatever device it lands on
        const int cap = pen.style & 0x0F00, join = pen.style & 0xF000;
        qpen.setCapStyle(cap == 0x0100   ? Qt::SquareCap
                         : cap == 0x0200 ? Qt::FlatCap
                                         : Qt::RoundCap);
        qpen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                          : join == 0x2000 ? Qt::MiterJoin
                                           : Qt::RoundJoin);
    }
    const meta::Brush &brush = m_dc.brush;
    QBrush qbrush(brush.colour);
    if (!brush.pattern.isNull())
        qbrush = QBrush(brush.pattern);
    else if (brush.style == 1)
        qbrush = Qt::NoBrush;
    else if (brush.style == 2)
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

void MetaPlayer::apply(const meta::Shape &r)
{
    beforeDrawing();
    if (drawsNothing())
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

void MetaPlayer::apply(const meta::Poly &r)
{
    beforeDrawing();
    if (drawsNothing())
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

void MetaPlayer::apply(const meta::ClipRect &r)
{
    QPainterPath rect;
    rect.addRect(toDevice(r.box).normalized());
    if (r.exclude) {
        QPainterPath all;
        all.addRect(-everywhere, -everywhere, 2 * everywhere, 2 * everywhere);
        m_dc.clip = m_dc.clip.value_or(all).subtracted(rect);
    } else {
        m_dc.clip = m_dc.clip ? m_dc.clip->intersected(rect) : rect;
    }
    applyClip();
}

void MetaPlayer::applyClip()
{
    m_painter.restore();
    m_painter.save();
    if (m_dc.clip)
        m_painter.setClipPath(*m_dc.clip, Qt::IntersectClip);
}

void MetaPlayer::apply(const meta::Text &r)
{
    beforeDrawing();
    if (r.options & etoOpaque)
        m_painter.fillRect(toDevice(r.box).normalized(), m_dc.background);
    const QString text = decodeMetaText(r.bytes, m_dc.font.charset, m_dc.font.face);
    if (text.isEmpty() || drawsNothing())
        return;

    // Glyphs are sized and placed in the painter's device pixels, so they are upright and sharp
    // whatever the mapping; only the reference point and the spacing go through the mapping.
    const QTransform toPixels = m_map * m_painter.combinedTransform();
    const QPointF zero = toPixels.map(QPointF(0, 0));
    const double xScale = length(toPixels.map(QPointF(1, 0)) - zero);
    const double yScale = length(toPixels.map(QPointF(0, 1)) - zero);
    const meta::Font &font = m_dc.font;
    // With no height given, Windows picks its default size: 12 points on the device.
    const QTransform deviceToPixels = m_painter.combinedTransform();
    const double height =
        font.height ? std::abs(font.height) * yScale
                    : m_deviceUnitsPerInch / 6 *
                          length(deviceToPixels.map(QPointF(0, 1)) - deviceToPixels.map(QPointF()));
    QList<double> advances;
    if (r.dx.size() == text.size())
        for (int dx : r.dx)
            advances << dx * xScale;

    const bool updateCp = m_dc.textAlign & taUpdateCp;
    const QPointF origin = updateCp ? m_dc.position : QPointF(r.origin);
    m_painter.save();
    if (r.options & etoClipped)
        m_painter.setClipRect(toDevice(r.box).normalized(), Qt::IntersectClip);
    const MetaTextLook look{
        metaQFont(font, height, std::abs(font.width) * xScale, m_painter.device()), m_dc.textColour,
        m_dc.background, m_dc.opaqueBackground, m_dc.textAlign};
    const double width =
        drawMetaText(m_painter, toPixels.map(origin), font.escapement / 10.0, text, advances, look);
    m_painter.restore();
    if (updateCp) {
        const int horizontal = m_dc.textAlign & taCenter;
        const double direction = horizontal == taCenter ? 0 : horizontal == taRight ? -1 : 1;
        m_dc.position.rx() +=
            direction * width / std::max(xScale, 1e-9) * (m_map.m11() < 0 ? -1 : 1);
    }
}

void MetaPlayer::apply(const meta::Blit &r)
{
    beforeDrawing();
    const QRectF dest = toDevice(r.dest);
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
    m_painter.fillRect(
        QRectF(toDevice(r.point), QSizeF(std::abs(m_map.m11()), std::abs(m_map.m22()))), r.colour);
}

void MetaPlayer::apply(const meta::CreateObject &r)
{
    while (m_firstFree < m_objects.size() &&
           !std::holds_alternative<std::monostate>(m_objects[m_firstFree]))
        ++m_firstFree;
    // Some writers count their objects short; the table grows for them, within limits.
    if (m_firstFree == m_objects.size() && m_objects.size() < maxObjects)
        m_objects.emplace_back();
    if (m_firstFree == m_objects.size())
        return;
    std::visit([&](const auto &object) { m_objects[m_firstFree] = object; }, r.object);
}

void MetaPlayer::apply(const meta::SelectObject &r)
{
    if (r.index < 0 || size_t(r.index) >= m_objects.size())
        return;
    const Object &object = m_objects[r.index];
    if (const auto *pen = std::get_if<meta::Pen>(&object))
        m_dc.pen = *pen;
    else if (const auto *brush = std::get_if<meta::Brush>(&object))
        m_dc.brush = *brush;
    else if (const auto *font = std::get_if<meta::Font>(&object))
        m_dc.font = *font;
}

void MetaPlayer::apply(const meta::DeleteObject &r)
{
    if (r.index < 0 || size_t(r.index) >= m_objects.size())
        return;
    m_objects[r.index] = std::monostate();
    m_firstFree = std::min(m_firstFree, size_t(r.index));
}

void MetaPlayer::apply(const meta::SaveDC &)
{
    if (m_saved.size() < maxSavedStates)
        m_saved.push_back(m_dc);
}

void MetaPlayer::apply(const meta::RestoreDC &r)
{
    const qsizetype index = r.which < 0 ? qsizetype(m_saved.size()) + r.which : r.which - 1;
    if (index < 0 || index >= qsizetype(m_saved.size()))
        return;
    m_dc = m_saved[index];
    m_saved.resize(index);
    updateMapping();
    applyClip();
}
