// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPolygonF>
#include <QRectF>

// What playing one page may cost, in units of about one pixel of a rasteriser's work. The
// costliest real page asks for a small fraction of it; a page past it would hold the program
// for seconds or minutes, so it is not drawn at all.
inline constexpr double maxPageWork = 25e6;

// Counts the work a page's records ask of the painter, estimated from each record before it is
// drawn: the pixels it covers, and for shapes with many edges how many of them cross each row of
// pixels, since a rasteriser sorts the crossings of every row (so a row crossed by k edges costs
// about k squared). Estimates are in the pixels of the device drawn on, within its visible part.
class MetaWork
{
public:
    MetaWork(double budget, const QRectF &visiblePixels, bool countPixels)
        : m_budget(budget), m_visible(visiblePixels), m_countPixels(countPixels)
    {
    }

    // Adds work; false once the page has asked for more than its budget.
    bool spend(double units)
    {
        m_spent += units;
        return m_spent <= m_budget;
    }
    bool exhausted() const { return m_spent > m_budget; }
    double spent() const { return m_spent; }

    double visibleArea() const { return m_visible.width() * m_visible.height(); }
    // The pixels of a rectangle (in device pixels) that lie within the visible part.
    double area(const QRectF &pixels) const;
    // Runs of edges through the given points, drawn as one shape: filled (one edge each) or
    // stroked with a pen of the given width in pixels (an outline on both sides, widened by the
    // pen, and the pixels it covers).
    double edges(const QList<QPolygonF> &pixels, bool closed, bool filled, double penWidth) const;

private:
    double m_budget;
    double m_spent = 0;
    QRectF m_visible;
    bool m_countPixels;
};
