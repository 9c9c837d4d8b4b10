// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metafileengine.h"

#include "files/codepage.h"
#include "wmf/metaerrors.h"
#include "wmf/wmfmapping.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QTextLayout>
#include <QtMath>

namespace
{

bool isAxisAligned(const QTransform &t)
{
    return t.type() <= QTransform::TxScale;
}

} // namespace

MetafileEngine::MetafileEngine() : QPaintEngine(AllFeatures) {}

MetafileEngine::~MetafileEngine() = default;

template <typename Draw> void MetafileEngine::guarded(Draw draw)
{
    if (!m_error.isEmpty() || !m_writer)
        return;
    try {
        emitClip();
        draw();
    } catch (const MetaWriteError &e) {
        // Nothing may be thrown through QPainter: the reason is kept and thrown again, whole,
        // when the metafile is taken.
        fail(QString::fromStdString(e.what()));
    }
}

void MetafileEngine::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
}

QByteArray MetafileEngine::takeBytes()
{
    if (!m_error.isEmpty())
        throw MetaWriteError(m_error.toStdString());
    if (m_bytes.isEmpty())
        throw MetaWriteError("metafile taken before its painter ended");
    return m_bytes;
}

bool MetafileEngine::begin(QPaintDevice *device)
{
    m_device = device;
    m_writer = std::make_unique<WmfWriter>(QSize(device->width(), device->height()));
    m_bytes.clear();
    m_error.clear();
    m_state = std::make_unique<WmfState>(*m_writer);
    m_clipOpen = false;
    m_clip.reset();
    m_clipEnabled = false;
    m_clipChanged = false;
    m_writer->setBkMode(wmf::Transparent);
    m_writer->setTextAlign(wmf::TaBaseline);
    return true;
}

bool MetafileEngine::end()
{
    try {
        closeClipScope();
        m_bytes = m_writer->finish();
    } catch (const MetaWriteError &e) {
        // Kept, as above, for the taking of the metafile to throw.
        fail(QString::fromStdString(e.what()));
    }
    m_state.reset();
    m_writer.reset();
    return true;
}

void MetafileEngine::updateState(const QPaintEngineState &changed)
{
    const DirtyFlags dirty = changed.state();
    if (dirty & DirtyTransform)
        m_transform = changed.transform();
    if (dirty & DirtyPen)
        m_pen = changed.pen();
    if (dirty & DirtyBrush)
        m_brush = changed.brush();
    if (dirty & DirtyFont)
        m_font = changed.font();
    if (dirty & DirtyOpacity)
        m_opacity = changed.opacity();
    if (dirty & DirtyClipEnabled) {
        m_clipEnabled = changed.isClipEnabled();
        m_clipChanged = true;
    }
    if (dirty & DirtyClipRegion) {
        QPainterPath region;
        region.addRegion(changed.clipRegion());
        setClip(m_transform.map(region), changed.clipOperation());
    }
    if (dirty & DirtyClipPath)
        setClip(m_transform.map(changed.clipPath()), changed.clipOperation());
}

QRgb MetafileEngine::deviceColour(const QColor &colour) const
{
    // A metafile has no transparency: what shows through is the white (or paper) beneath.
    const qreal alpha = colour.alphaF() * m_opacity;
    auto over = [alpha](int v) { return qRound(v * alpha + 255 * (1 - alpha)); };
    int r = over(colour.red()), g = over(colour.green()), b = over(colour.blue());
    if (m_greyscale)
        r = g = b = qGray(r, g, b);
    return qRgb(r, g, b);
}

bool MetafileEngine::penVisible()
{
    if (m_pen.style() == Qt::NoPen || m_pen.brush().style() == Qt::NoBrush || m_opacity <= 0 ||
        m_pen.color().alpha() == 0)
        return false;
    if (m_pen.brush().style() != Qt::SolidPattern)
        fail(QStringLiteral("a line drawn with a gradient or pattern cannot be kept in a "
                            "metafile; use a flat colour"));
    return true;
}

bool MetafileEngine::brushVisible()
{
    if (m_brush.style() == Qt::NoBrush || m_opacity <= 0 || m_brush.color().alpha() == 0)
        return false;
    if (m_brush.style() != Qt::SolidPattern)
        fail(QStringLiteral("a fill with a gradient or pattern cannot be kept in a metafile; use "
                            "a flat colour"));
    return true;
}

// Players draw wide dashed pens solid, so those are written as filled outlines instead.
bool MetafileEngine::penIsNative() const
{
    return m_pen.style() == Qt::SolidLine || m_pen.isCosmetic() || m_pen.widthF() * scale() <= 1;
}

qreal MetafileEngine::scale() const
{
    return qSqrt(qAbs(m_transform.determinant()));
}

void MetafileEngine::selectPen(bool visible)
{
    if (!visible)
        return m_state->usePen(wmf::PsNull, 0, 0);
    int width = 0;
    if (m_pen.widthF() > 0)
        width = std::max(1, qRound(m_pen.isCosmetic() ? m_pen.widthF() : m_pen.widthF() * scale()));
    m_state->usePen(penStyleOf(m_pen), width, deviceColour(m_pen.color()));
}

void MetafileEngine::selectBrush(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return m_state->useBrush(wmf::BsNull, 0);
    m_state->useBrush(wmf::BsSolid, deviceColour(brush.color()));
}

void MetafileEngine::setClip(const QPainterPath &deviceClip, Qt::ClipOperation operation)
{
    if (operation == Qt::NoClip)
        m_clip.reset();
    else if (operation == Qt::IntersectClip && m_clip)
        m_clip = m_clip->intersected(deviceClip);
    else
        m_clip = deviceClip;
    m_clipChanged = true;
}

// A clip lives between a SAVEDC and its RESTOREDC, so a new clip starts from none.
void MetafileEngine::emitClip()
{
    if (!m_clipChanged)
        return;
    m_clipChanged = false;
    closeClipScope();
    if (!m_clipEnabled || !m_clip)
        return;
    const QRectF bounds = m_clip->boundingRect();
    const QList<QPolygonF> polygons = m_clip->toFillPolygons();
    if (!polygons.isEmpty() && !isRectangle(polygons, bounds))
        throw MetaWriteError("a clip that is not a rectangle cannot be kept in a metafile");
    openClipScope(polygons.isEmpty() ? QRect() : deviceRect(bounds, QTransform()));
}

void MetafileEngine::openClipScope(const QRect &clip)
{
    m_state->save();
    m_clipOpen = true;
    m_writer->intersectClipRect(clip);
}

void MetafileEngine::closeClipScope()
{
    if (!m_clipOpen)
        return;
    m_state->restore();
    m_clipOpen = false;
}

void MetafileEngine::fillAndStroke(const QList<QPolygon> &polygons, Qt::FillRule rule, bool fill,
                                   bool stroke)
{
    if (polygons.isEmpty())
        return;
    selectPen(stroke);
    selectBrush(fill ? m_brush : Qt::NoBrush);
    if (!fill) {
        for (const QPolygon &polygon : polygons) {
            if (polygon.size() > 2 && polygon.first() == polygon.last())
                m_writer->polygon(polygon);
            else
                m_writer->polyline(polygon);
        }
        return;
    }
    m_state->useFillMode(rule == Qt::OddEvenFill ? wmf::Alternate : wmf::Winding);
    if (polygons.size() == 1)
        m_writer->polygon(polygons.first());
    else
        m_writer->polyPolygon(polygons);
}

void MetafileEngine::strokeAsOutline(const QPainterPath &path)
{
    QPainterPathStroker stroker(m_pen);
    const QPainterPath outline = stroker.createStroke(path);
    QList<QPolygon> polygons;
    for (const QPolygonF &polygon : outline.toSubpathPolygons(m_transform))
        polygons.append(withoutRepeats(polygon));
    const QBrush brush = m_brush;
    m_brush = QBrush(m_pen.color());
    fillAndStroke(polygons, Qt::WindingFill, true, false);
    m_brush = brush;
}

void MetafileEngine::drawPath(const QPainterPath &path)
{
    guarded([&] {
        const bool fill = brushVisible(), stroke = penVisible();
        if (!fill && !stroke)
            return;
        QList<QPolygon> polygons;
        bool allClosed = true;
        for (const QPolygonF &polygon : path.toSubpathPolygons(m_transform)) {
            const QPolygon points = withoutRepeats(polygon);
            if (points.size() < 2)
                continue;
            polygons.append(points);
            allClosed = allClosed && polygon.isClosed();
        }
        const bool nativeStroke = stroke && penIsNative();
        if (fill)
            fillAndStroke(polygons, path.fillRule(), true, nativeStroke && allClosed);
        if (nativeStroke && !(fill && allClosed))
            fillAndStroke(polygons, path.fillRule(), false, true);
        if (stroke && !nativeStroke)
            strokeAsOutline(path);
    });
}

void MetafileEngine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    if (count < 2)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i < count; ++i)
        path.lineTo(points[i]);
    if (mode == PolylineMode) {
        const QBrush brush = m_brush;
        m_brush = Qt::NoBrush;
        drawPath(path);
        m_brush = brush;
        return;
    }
    path.closeSubpath();
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    drawPath(path);
}

void MetafileEngine::drawLines(const QLineF *lines, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        path.moveTo(lines[i].p1());
        path.lineTo(lines[i].p2());
    }
    const QBrush brush = m_brush;
    m_brush = Qt::NoBrush;
    drawPath(path);
    m_brush = brush;
}

QRect MetafileEngine::deviceRect(const QRectF &rect, const QTransform &transform)
{
    const QRectF r = transform.mapRect(rect).normalized();
    const QPoint topLeft(qRound(r.left()), qRound(r.top()));
    return QRect(topLeft, QSize(qRound(r.right()) - topLeft.x(), qRound(r.bottom()) - topLeft.y()));
}

// Rectangles and ellipses keep their own records while the transform keeps them upright.
void MetafileEngine::shape(const QRectF &rect, bool ellipse)
{
    QPainterPath path;
    if (ellipse)
        path.addEllipse(rect);
    else
        path.addRect(rect);
    if (!isAxisAligned(m_transform))
        return drawPath(path);
    guarded([&] {
        const bool fill = brushVisible(), stroke = penVisible();
        if (!fill && !stroke)
            return;
        const bool nativeStroke = stroke && penIsNative();
        selectPen(nativeStroke);
        selectBrush(fill ? m_brush : Qt::NoBrush);
        if (fill || nativeStroke) {
            const QRect r = deviceRect(rect, m_transform);
            if (ellipse)
                m_writer->ellipse(r);
            else
                m_writer->rectangle(r);
        }
        if (stroke && !nativeStroke)
            strokeAsOutline(path);
    });
}

void MetafileEngine::drawRects(const QRectF *rects, int count)
{
    for (int i = 0; i < count; ++i)
        shape(rects[i], false);
}

void MetafileEngine::drawEllipse(const QRectF &rect)
{
    shape(rect, true);
}

void MetafileEngine::drawTextItem(const QPointF &at, const QTextItem &item)
{
    guarded([&] {
        // Trailing blanks draw nothing, and some players take them for a join to the next line.
        QString text = item.text();
        while (text.endsWith(' '))
            text.chop(1);
        if (text.isEmpty() || !penVisible())
            return;
        if (!isWindows1252Encodable(text))
            throw MetaWriteError(
                ("\"" + text + "\" holds a character that Windows-1252 lacks").toStdString());
        if (m_transform.determinant() < 0)
            throw MetaWriteError(
                ("\"" + text + "\" is mirrored, which metafile text cannot be").toStdString());
        const QFont font = item.font();
        const qreal s = scale();
        const qreal em = font.pixelSize() > 0 ? font.pixelSize()
                                              : font.pointSizeF() * m_device->logicalDpiY() / 72.0;
        const QLineF baseline(m_transform.map(QPointF(0, 0)), m_transform.map(QPointF(1, 0)));
        m_state->useFont({faceNameOf(font), qRound(em * s), qRound(baseline.angle() * 10) % 3600,
                          font.weight(), font.italic()});
        m_state->useTextColour(deviceColour(m_pen.color()));

        m_writer->extTextOut(m_transform.map(at).toPoint(), encodeWindows1252(text),
                             advances(text, font, s));
    });
}

// Each character's advance as Qt sets the whole text, kerning included, in the metafile's units,
// so a player spaces the words as they were laid out.
QList<int> MetafileEngine::advances(const QString &text, const QFont &font, qreal scale) const
{
    QTextLayout layout(text, font, m_device);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<int> dx;
    int placed = 0;
    for (qsizetype i = 1; i <= text.size(); ++i) {
        const qreal x = i == text.size() ? line.naturalTextWidth() : line.cursorToX(int(i));
        const int edge = qRound(x * scale);
        dx.append(edge - placed);
        placed = edge;
    }
    return dx;
}

void MetafileEngine::drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source)
{
    drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
}

void MetafileEngine::drawImage(const QRectF &target, const QImage &image, const QRectF &source,
                               Qt::ImageConversionFlags)
{
    guarded([&] {
        if (!isAxisAligned(m_transform))
            throw MetaWriteError("a turned picture cannot be kept in a metafile");
        const QImage part = image.copy(source.toAlignedRect())
                                .mirrored(m_transform.m11() < 0, m_transform.m22() < 0);
        QImage flat(part.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        {
            QPainter painter(&flat);
            painter.setOpacity(m_opacity);
            painter.drawImage(0, 0, part);
        }
        m_writer->stretchDib(deviceRect(target, m_transform), m_greyscale ? greyImage(flat) : flat);
    });
}
