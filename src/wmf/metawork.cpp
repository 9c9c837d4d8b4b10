// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metawork.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{

// Rows are counted in at most this many bands, so a tall device costs the estimate little.
constexpr int maxBands = 4096;
constexpr double maxJoinLines = 16;

} // namespace

double MetaWork::area(const QRectF &pixels) const
{
    if (!m_countPixels)
        return 0;
    const QRectF visible = pixels.normalized() & m_visible;
    return visible.width() * visible.height();
}

double MetaWork::edges(const QList<QPolygonF> &pixels, bool closed, bool filled,
                       double penWidth) const
{
    qsizetype points = 0;
    QRectF bounds;
    for (const QPolygonF &run : pixels) {
        points += run.size();
        bounds |= run.boundingRect();
    }
    // Only the rows the shape reaches are counted, so a small shape costs the count little.
    const double widen = filled ? 0 : penWidth / 2;
    const double top = std::max(m_visible.top(), bounds.top() - widen);
    const double height = std::min(m_visible.bottom(), bounds.bottom() + widen) - top;
    if (!m_countPixels || !(height > 0))
        return double(points);
    const int bands = std::clamp(int(std::ceil(height)), 1, maxBands);
    const double bandHeight = height / bands;
    // A stroke's outline runs along both sides of each edge, and around each join in an arc the
    // wider the pen the more lines it is drawn in.
    const int perEdge = filled ? 1 : 2 + int(std::min(maxJoinLines, penWidth / 4));

    // How many edges cross each band, by the difference of counts where edges start and end.
    std::vector<int> starts(size_t(bands) + 1, 0);
    double strokeArea = 0;
    for (const QPolygonF &run : pixels) {
        const qsizetype count = run.size();
        const qsizetype edgeCount = closed ? count : count - 1;
        for (qsizetype i = 0; i < edgeCount; ++i) {
            const QPointF a = run[i], b = run[(i + 1) % count];
            const double y0 = (std::min(a.y(), b.y()) - widen - top) / bandHeight;
            const double y1 = (std::max(a.y(), b.y()) + widen - top) / bandHeight;
            if (!filled)
                strokeArea += (std::hypot(b.x() - a.x(), b.y() - a.y()) + penWidth) * penWidth;
            if (!(y1 >= 0 && y0 < bands)) // also leaves out edges at no number at all
                continue;
            starts[size_t(std::max(0.0, y0))] += perEdge;
            starts[size_t(std::min(double(bands - 1), y1)) + 1] -= perEdge;
        }
    }
    double crossings = 0, across = 0;
    for (int band = 0; band < bands; ++band) {
        across += starts[size_t(band)];
        crossings += across * across;
    }
    return double(points) + crossings * bandHeight + std::min(strokeArea, visibleArea() * 4);
}
