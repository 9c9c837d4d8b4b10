// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metaerrors.h"

#include <QByteArrayView>
#include <QPoint>
#include <QRectF>
#include <cstdint>
#include <string>

// A rectangle by its two corners as the file gives them; either may be the greater.
struct MetaBox {
    QPoint topLeft;
    QPoint bottomRight;
    QRectF toRectF() const { return QRectF(QPointF(topLeft), QPointF(bottomRight)); }
};

// Reads little-endian values from a byte range, front to back. Every read is checked against the
// end of the range and throws MetaDamage naming what was being read, so no caller can read past it.
class MetaReader
{
public:
    explicit MetaReader(QByteArrayView bytes) : m_bytes(bytes) {}

    qsizetype position() const { return m_position; }
    qsizetype remaining() const { return m_bytes.size() - m_position; }
    bool atEnd() const { return remaining() == 0; }

    uint8_t u8(const char *what) { return static_cast<uint8_t>(take(1, what)[0]); }
    uint16_t u16(const char *what)
    {
        const QByteArrayView b = take(2, what);
        return static_cast<uint16_t>(byte(b, 0) | byte(b, 1) << 8);
    }
    int16_t i16(const char *what) { return static_cast<int16_t>(u16(what)); }
    uint32_t u32(const char *what)
    {
        const QByteArrayView b = take(4, what);
        return byte(b, 0) | byte(b, 1) << 8 | byte(b, 2) << 16 |
               static_cast<uint32_t>(byte(b, 3)) << 24;
    }
    int32_t i32(const char *what) { return static_cast<int32_t>(u32(what)); }

    // A point stored as y then x, the order most records keep their coordinates in.
    QPoint pointYX(const char *what)
    {
        const int y = i16(what);
        return QPoint(i16(what), y);
    }
    QPoint pointXY(const char *what)
    {
        const int x = i16(what);
        return QPoint(x, i16(what));
    }
    // A rectangle stored as bottom, right, top, left.
    MetaBox boxBRTL(const char *what)
    {
        const QPoint bottomRight = pointYX(what);
        const QPoint topLeft = pointYX(what);
        return {topLeft, bottomRight};
    }
    // A rectangle stored as left, top, right, bottom.
    MetaBox boxLTRB(const char *what)
    {
        const QPoint topLeft = pointXY(what);
        return {topLeft, pointXY(what)};
    }

    QByteArrayView take(qsizetype count, const char *what)
    {
        if (count < 0 || count > remaining())
            throw MetaDamage(std::string(what) + " runs past the end");
        const QByteArrayView part = m_bytes.sliced(m_position, count);
        m_position += count;
        return part;
    }
    void skip(qsizetype count, const char *what) { take(count, what); }

private:
    static uint32_t byte(QByteArrayView b, int i) { return static_cast<uint8_t>(b[i]); }

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};
