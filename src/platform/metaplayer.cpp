#include "platform/metaplayer.h"

#include <QPainter>
#include <QPicture>
#include <cmath>

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
// Beyond any coordinate a record can reach, for cutting a rectangle out of "everything".
constexpr double everywhere = 1e9;

double ratio(double numerator, double denominator)
{
    return denominator == 0 ? 1 : numerator / denominator;
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
