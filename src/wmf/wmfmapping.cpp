// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/wmfmapping.h"

#include "wmf/facenames.h"
#include "wmf/wmfwriter.h"

quint16 penStyleOf(const QPen &pen)
{
    quint16 style = wmf::PsSolid;
    switch (pen.style()) {
    case Qt::NoPen:
        return wmf::PsNull;
    case Qt::DashLine:
    case Qt::CustomDashLine:
        style = wmf::PsDash;
        break;
    case Qt::DotLine:
        style = wmf::PsDot;
        break;
    case Qt::DashDotLine:
        style = wmf::PsDashDot;
        break;
    case Qt::DashDotDotLine:
        style = wmf::PsDashDotDot;
        break;
    default:
        break;
    }
    if (pen.capStyle() == Qt::FlatCap)
        style |= wmf::PsEndcapFlat;
    else if (pen.capStyle() == Qt::SquareCap)
        style |= wmf::PsEndcapSquare;
    if (pen.joinStyle() == Qt::MiterJoin || pen.joinStyle() == Qt::SvgMiterJoin)
        style |= wmf::PsJoinMiter;
    else if (pen.joinStyle() == Qt::BevelJoin)
        style |= wmf::PsJoinBevel;
    return style;
}

QString faceNameOf(const QFont &font)
{
    const QStringList families = font.families();
    return windowsFaceFor(families.isEmpty() ? font.family() : families.first());
}

bool isRectangle(const QList<QPolygonF> &polygons, const QRectF &bounds)
{
    if (polygons.size() != 1)
        return false;
    auto near = [](qreal a, qreal b) { return qAbs(a - b) < 0.01; };
    for (QPointF p : polygons.first()) {
        const bool onX = near(p.x(), bounds.left()) || near(p.x(), bounds.right());
        const bool onY = near(p.y(), bounds.top()) || near(p.y(), bounds.bottom());
        if (!onX || !onY)
            return false;
    }
    return true;
}

QPolygon withoutRepeats(const QPolygonF &points)
{
    QPolygon out;
    for (QPointF p : points) {
        const QPoint q = p.toPoint();
        if (out.isEmpty() || out.last() != q)
            out.append(q);
    }
    return out;
}

QImage greyImage(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return out;
}
