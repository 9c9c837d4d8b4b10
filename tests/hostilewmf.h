// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmfbuilder.h"

#include <QByteArray>
#include <QPoint>
#include <cstdint>

// Metafiles made to cost a player as much time or memory as their bytes can ask for: long chains
// of clip rectangles, self-crossing shapes, wide pens, page-sized fills and many large bitmaps.
// Each draws on a page-sized frame (15000 x 11250 units at 1440 an inch: 1000 x 750 pixels on a
// 96 dots-per-inch screen), so they cost what a page shown in the viewer costs.
namespace hostile
{

constexpr int frameWidth = 15000;
constexpr int frameHeight = 11250;

// The same scattering of points on every run, so a figure measured once can be measured again.
class Scatter
{
public:
    QPoint next()
    {
        const int x = int(step() % frameWidth);
        return QPoint(x, int(step() % frameHeight));
    }

private:
    uint32_t step()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    uint32_t m_state = 12345;
};

inline WmfBuilder page()
{
    return WmfBuilder(true, frameWidth, frameHeight);
}

// ExcludeClipRect records each cutting a small rectangle out of the clip, a rectangle drawn after
// each so the clip is used; withSaves puts a SaveDC before each, as a nested drawing would.
inline QByteArray clipChain(int count, bool withSaves = false)
{
    WmfBuilder wmf = page();
    wmf.penAndBrush(Qt::black, Qt::red);
    Scatter scatter;
    for (int i = 0; i < count; ++i) {
        if (withSaves)
            wmf.record(WmfBuilder::SaveDc, {});
        const QPoint p = scatter.next();
        wmf.box(WmfBuilder::ExcludeClipRect, p.x(), p.y(), p.x() + 200, p.y() + 150);
        wmf.box(WmfBuilder::Rectangle, p.x() - 100, p.y() - 100, p.x() + 300, p.y() + 300);
    }
    return wmf.bytes();
}

inline QByteArray points(int count, bool counted)
{
    QByteArray params;
    if (counted)
        WmfBuilder::appendWord(params, 1);
    WmfBuilder::appendWord(params, count);
    Scatter scatter;
    for (int i = 0; i < count; ++i) {
        const QPoint p = scatter.next();
        WmfBuilder::appendWord(params, p.x());
        WmfBuilder::appendWord(params, p.y());
    }
    return params;
}

// One polygon of points scattered over the page, so its edges cross each other everywhere.
inline QByteArray crossingPolygon(int vertices, int penWidth = 1)
{
    WmfBuilder wmf = page();
    wmf.pen(0, penWidth, Qt::black).brush(0, Qt::green).select(0).select(1);
    wmf.record(WmfBuilder::PolyPolygon, points(vertices, true));
    return wmf.bytes();
}

inline QByteArray crossingPolyline(int count, int penWidth)
{
    WmfBuilder wmf = page();
    wmf.pen(0, penWidth, Qt::blue).select(0);
    wmf.record(WmfBuilder::Polyline, points(count, false));
    return wmf.bytes();
}

// LineTo records with a wide pen from one scattered point to the next.
inline QByteArray wideLines(int count, int penWidth)
{
    WmfBuilder wmf = page();
    wmf.pen(0, penWidth, Qt::blue).select(0);
    Scatter scatter;
    for (int i = 0; i < count; ++i) {
        const QPoint p = scatter.next();
        wmf.record(WmfBuilder::LineTo, {p.y(), p.x()});
    }
    return wmf.bytes();
}

inline QByteArray pageRectangles(int count)
{
    WmfBuilder wmf = page();
    wmf.penAndBrush(Qt::black, Qt::yellow);
    for (int i = 0; i < count; ++i)
        wmf.box(WmfBuilder::Rectangle, 0, 0, frameWidth, frameHeight);
    return wmf.bytes();
}

// A full object table, then over and over: one object deleted and two made, the second finding
// the table full again.
inline QByteArray objectChurn(int cycles)
{
    WmfBuilder wmf = page();
    for (int i = 0; i < 65535; ++i)
        wmf.pen(0, 1, Qt::black);
    for (int i = 0; i < cycles; ++i)
        wmf.record(WmfBuilder::DeleteObject, {0}).pen(0, 1, Qt::red).pen(0, 1, Qt::blue);
    return wmf.bytes();
}

// StretchDIB records of one-bit bitmaps, each drawn over the whole page.
inline QByteArray largeBitmaps(int count, int width, int height)
{
    QByteArray dib;
    WmfBuilder::appendLong(dib, 40);
    WmfBuilder::appendLong(dib, width);
    WmfBuilder::appendLong(dib, height);
    WmfBuilder::appendWord(dib, 1);
    WmfBuilder::appendWord(dib, 1);
    for (int i = 0; i < 6; ++i)
        WmfBuilder::appendLong(dib, 0);
    WmfBuilder::appendLong(dib, 0x000000);
    WmfBuilder::appendLong(dib, 0xffffff);
    dib += QByteArray(qsizetype((width + 31) / 32 * 4) * height, char(0x5a));

    QByteArray params;
    WmfBuilder::appendLong(params, 0xCC0020); // SRCCOPY
    WmfBuilder::appendWord(params, 0);        // usage: colours
    for (int word : {height, width, 0, 0, frameHeight, frameWidth, 0, 0})
        WmfBuilder::appendWord(params, word);
    params += dib;
    WmfBuilder wmf = page();
    for (int i = 0; i < count; ++i)
        wmf.record(WmfBuilder::StretchDib, params);
    return wmf.bytes();
}

} // namespace hostile
