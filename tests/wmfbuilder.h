// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/placeable.h"
#include "wmf/wmfformat.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QRgb>
#include <initializer_list>

// Builds a small Windows metafile record by record, for tests that need exact bytes.
// By default it is placeable with a 100 x 100 bounding box at 1440 units an inch, so with no
// mapping records one logical unit is one pixel of a 100 x 100 target.
class WmfBuilder
{
public:
    using enum wmf::Function;

    explicit WmfBuilder(bool placeable = true, int width = 100, int height = 100)
        : m_placeable(placeable), m_width(width), m_height(height)
    {
    }

    // A record whose parameters are 16-bit words, in the order the file stores them.
    WmfBuilder &record(uint16_t function, std::initializer_list<int> words)
    {
        QByteArray params;
        for (int word : words)
            appendWord(params, word);
        return record(function, params);
    }
    WmfBuilder &record(uint16_t function, const QByteArray &params)
    {
        QByteArray padded = params;
        if (padded.size() % 2)
            padded.append('\0');
        appendLong(m_records, 3 + padded.size() / 2);
        appendWord(m_records, function);
        m_records += padded;
        return *this;
    }

    WmfBuilder &pen(int style, int width, QColor c)
    {
        return record(CreatePenIndirect, {style, width, 0, c.red() | c.green() << 8, c.blue()});
    }
    WmfBuilder &brush(int style, QColor c, int hatch = 0)
    {
        return record(CreateBrushIndirect, {style, c.red() | c.green() << 8, c.blue(), hatch});
    }
    WmfBuilder &select(int index) { return record(SelectObject, {index}); }
    // Selects a pen (object 0) and a brush (object 1); later objects take the next numbers.
    WmfBuilder &penAndBrush(QColor penColour, QColor brushColour)
    {
        return pen(0, 1, penColour).brush(0, brushColour).select(0).select(1);
    }
    WmfBuilder &box(wmf::Function function, int left, int top, int right, int bottom)
    {
        return record(function, {bottom, right, top, left});
    }
    WmfBuilder &font(int height, int escapement, int weight, int charset, const char *face)
    {
        QByteArray params;
        for (int word : {height, 0, escapement, escapement, weight})
            appendWord(params, word);
        params += QByteArray("\0\0\0", 3) + char(charset) + QByteArray(4, '\0') + face + '\0';
        return record(CreateFontIndirect, params);
    }
    // EXTTEXTOUT at (x, y) with the given options and rectangle (written when options ask),
    // and the advance after each byte when dx holds them.
    WmfBuilder &text(int x, int y, const QByteArray &bytes, int options = 0, QList<int> box = {},
                     QList<int> dx = {})
    {
        QByteArray params;
        for (int word : {y, x, int(bytes.size()), options})
            appendWord(params, word);
        for (int value : box)
            appendWord(params, value);
        params += bytes;
        if (bytes.size() % 2)
            params += '\0';
        for (int advance : dx)
            appendWord(params, advance);
        return record(ExtTextOut, params);
    }

    QByteArray bytes() const
    {
        QByteArray file;
        if (m_placeable)
            file += wmf::placeableHeader(QSize(m_width, m_height), 1440);
        const QByteArray records = m_records + QByteArray("\x03\0\0\0\0\0", 6);
        appendWord(file, 1);
        appendWord(file, 9);
        appendWord(file, 0x0300);
        appendLong(file, 9 + records.size() / 2);
        appendWord(file, 16);
        appendLong(file, 0);
        appendWord(file, 0);
        return file + records;
    }

    // A bottom-up BI_RGB bitmap (header, colour table, rows) of the given pixels, top row first;
    // with a colour table the pixels are indices into it.
    static QByteArray dib(int width, int bitCount, const QList<QList<uint32_t>> &rows,
                          const QList<QRgb> &table = {}, bool topDown = false)
    {
        QByteArray dib;
        const int height = int(rows.size());
        appendLong(dib, 40);
        appendLong(dib, width);
        appendLong(dib, topDown ? -height : height);
        appendWord(dib, 1);
        appendWord(dib, bitCount);
        for (int i = 0; i < 6; ++i)
            appendLong(dib, i == 4 ? table.size() : 0);
        for (QRgb colour : table)
            appendLong(dib, colour & 0xffffff);
        const int stride = (width * bitCount + 31) / 32 * 4;
        for (int i = 0; i < height; ++i) {
            const QList<uint32_t> &pixels = rows[topDown ? i : height - 1 - i];
            QByteArray row(stride, '\0');
            for (int x = 0; x < width; ++x) {
                const int bit = x * bitCount;
                for (int b = 0; b < std::max(1, bitCount / 8); ++b)
                    row[bit / 8 + b] = char(
                        row[bit / 8 + b] | (bitCount >= 8 ? pixels[x] >> (8 * b) & 0xff
                                                          : pixels[x] << (8 - bitCount - bit % 8)));
            }
            dib += row;
        }
        return dib;
    }

    static void appendWord(QByteArray &bytes, int word)
    {
        bytes += char(word & 0xff);
        bytes += char(word >> 8 & 0xff);
    }
    static void appendLong(QByteArray &bytes, qint64 value)
    {
        appendWord(bytes, int(value & 0xffff));
        appendWord(bytes, int(value >> 16 & 0xffff));
    }

private:
    bool m_placeable;
    int m_width;
    int m_height;
    QByteArray m_records;
};
