// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metaplayer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <cmath>
#include <utility>

// The device context's state: mapping, modes, colours, clip, objects and saved states. The records
// that draw are played in metadraw.cpp.

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
constexpr size_t maxSavedStates = 1024;
constexpr size_t maxObjects = 65535;
// The clip is kept as a region of whole numbers, in these parts of a device unit, so that cutting
// rectangles in and out of it stays cheap however many records do it: a path would have to be
// worked out anew, and rasterised, for each.
constexpr int clipGrid = 16;
// Beyond any coordinate a page can show, for cutting a rectangle out of "everything".
constexpr qint64 clipLimit = qint64(1) << 29;
// A clip of up to this many rectangles is set as a path, which keeps its edges between pixels;
// one of more is set as a region of whole pixels, which the rasteriser takes at once.
constexpr int maxPathClipRects = 4;
// The work of a rectangle of the clip, each time the clip is worked out or set, in the units of a
// pixel's work: what it costs measured against what a pixel of a crossing-heavy fill costs.
constexpr double clipRectWork = 10;
constexpr double pathClipRectWork = 100;
// A page drawn larger than on a plain screen may do more work, but not for rounding's sake.
constexpr double drawingMargin = 1.25;

double ratio(double numerator, double denominator)
{
    return denominator == 0 ? 1 : numerator / denominator;
}

QRect clipRect(const QRectF &device)
{
    const auto grid = [](double v) {
        return int(std::clamp<qint64>(qRound64(std::clamp(v * clipGrid, -2e9, 2e9)), -clipLimit,
                                      clipLimit));
    };
    // A QRect's right and bottom are its last column and row.
    return QRect(QPoint(grid(device.left()), grid(device.top())),
                 QPoint(grid(device.right()) - 1, grid(device.bottom()) - 1));
}

} // namespace

MetaPlayer::MetaPlayer(const MetaDocument &document, QPainter &painter, Pass pass)
    : m_document(document), m_painter(painter), m_pass(pass),
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

bool MetaPlayer::play(const QTransform &deviceToPainter)
{
    m_painter.save();
    m_painter.setTransform(deviceToPainter, true);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_deviceToPixels = m_painter.combinedTransform();

    // The work is counted in the pixels of the frame on the device; drawn larger than on a plain
    // screen, the page may do as much more work as it has more pixels.
    const double screenScale = 96 / m_document.unitsPerInch;
    const double moreArea = std::abs(m_deviceToPixels.determinant()) / (screenScale * screenScale);
    QRectF visible = m_deviceToPixels.mapRect(m_document.frame);
    if (m_pass == Pass::Draw)
        visible &= QRectF(0, 0, m_painter.device()->width(), m_painter.device()->height());
    m_work.emplace(m_pass == Pass::Draw ? maxPageWork * std::max(1.0, moreArea) * drawingMargin
                                        : maxPageWork,
                   visible, m_pass != Pass::Measure);

    m_painter.save(); // the level applyClip() returns to
    for (const meta::Record &record : m_document.records) {
        if (!m_work->spend(1))
            break;
        std::visit([this](const auto &r) { apply(r); }, record);
    }
    m_painter.restore();
    m_painter.restore();
    return !m_work->exhausted();
}

std::optional<QRectF> MetaPlayer::measureFrame(const MetaDocument &document)
{
    QPicture picture;
    QPainter painter(&picture);
    MetaPlayer player(document, painter, Pass::Measure);
    const bool within = player.play(QTransform());
    painter.end();
    if (!within)
        return std::nullopt;
    if (player.m_windowAtFirstDrawing)
        return player.m_windowAtFirstDrawing->normalized();
    return QRectF(picture.boundingRect());
}

double MetaPlayer::countWork(const MetaDocument &document)
{
    QPicture nothing;
    QPainter painter(&nothing);
    const QRectF frame = document.frame;
    const double screenScale = 96 / document.unitsPerInch;
    MetaPlayer player(document, painter, Pass::Count);
    player.play(QTransform::fromTranslate(-frame.x(), -frame.y()) *
                QTransform::fromScale(screenScale, screenScale));
    return player.m_work->spent();
}

QPolygonF MetaPlayer::toPixels(const QPolygonF &device) const
{
    return m_deviceToPixels.map(device);
}

QRectF MetaPlayer::toPixels(const QRectF &device) const
{
    return m_deviceToPixels.mapRect(device.normalized());
}

bool MetaPlayer::admit(double work)
{
    const bool newClip = std::exchange(m_clipChanged, false);
    if (newClip && m_dc.clip) {
        const int rects = m_dc.clip->rectCount();
        work += rects * (rects <= maxPathClipRects ? pathClipRectWork : clipRectWork);
    }
    if (!m_work->spend(work) || m_pass == Pass::Count)
        return false;
    if (newClip)
        applyClip();
    return true;
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
    case meta::PointOp::LineTo: {
        beforeDrawing();
        const QPolygonF line{m_map.map(m_dc.position), m_map.map(p)};
        if (!drawsNothing() && admit(m_work->edges({toPixels(line)}, false, false, penPixels()))) {
            usePenAndBrush();
            m_painter.drawLine(line[0], line[1]);
        }
        m_dc.position = p;
        return;
    }
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
        m_dc.opaqueBackground = r.value == wmf::Opaque;
        break;
    case meta::ModeOp::PolyFillMode:
        m_dc.winding = r.value == wmf::Winding;
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

void MetaPlayer::apply(const meta::ClipRect &r)
{
    const QRegion rect(clipRect(toDevice(r.box).normalized()));
    if (r.exclude) {
        const QRegion all(QRect(QPoint(-clipLimit, -clipLimit), QPoint(clipLimit, clipLimit)));
        m_dc.clip = m_dc.clip.value_or(all).subtracted(rect);
    } else {
        m_dc.clip = m_dc.clip ? m_dc.clip->intersected(rect) : rect;
    }
    m_work->spend(m_dc.clip->rectCount() * clipRectWork);
    m_clipChanged = true;
}

// The clip is set on the painter only when something is drawn under it.
void MetaPlayer::applyClip()
{
    m_painter.restore();
    m_painter.save();
    if (!m_dc.clip)
        return;
    const QTransform gridToDevice = QTransform::fromScale(1.0 / clipGrid, 1.0 / clipGrid);
    if (m_dc.clip->rectCount() <= maxPathClipRects) {
        QPainterPath path;
        path.addRegion(*m_dc.clip);
        m_painter.setClipPath(gridToDevice.map(path), Qt::IntersectClip);
        return;
    }
    const QTransform deviceToPainter = m_painter.transform();
    m_painter.setTransform(gridToDevice, true);
    m_painter.setClipRegion(*m_dc.clip, Qt::IntersectClip);
    m_painter.setTransform(deviceToPainter);
}

void MetaPlayer::apply(const meta::CreateObject &r)
{
    size_t slot = m_neverUsed;
    if (!m_freedSlots.empty()) {
        slot = m_freedSlots.top();
        m_freedSlots.pop();
    } else if (m_neverUsed < maxObjects) {
        ++m_neverUsed;
        // Some writers count their objects short; the table grows for them, within limits.
        if (slot == m_objects.size())
            m_objects.emplace_back();
    } else {
        return;
    }
    std::visit([&](const auto &object) { m_objects[slot] = object; }, r.object);
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
    if (size_t(r.index) >= m_neverUsed ||
        std::holds_alternative<std::monostate>(m_objects[r.index]))
        return;
    m_objects[r.index] = std::monostate();
    m_freedSlots.push(size_t(r.index));
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
    m_clipChanged = true;
}
