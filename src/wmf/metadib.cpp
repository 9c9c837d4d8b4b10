// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metadib.h"

#include "wmf/metareader.h"

#include <array>
#include <bit>

namespace
{

constexpr uint32_t biRgb = 0;
constexpr uint32_t biBitfields = 3;

struct DibHeader {
    int width = 0;
    int height = 0; // negative: the rows run top-down
    int bitCount = 0;
    uint32_t compression = biRgb;
    uint32_t coloursUsed = 0;
    bool core = false; // the old 12-byte header, whose colour table has three bytes an entry
    std::array<uint32_t, 3> masks{}; // red, green, blue for bit-field bitmaps
};

DibHeader readHeader(MetaReader &r)
{
    DibHeader h;
    const uint32_t size = r.u32("bitmap header size");
    if (size == 12) {
        h.core = true;
        h.width = r.u16("bitmap width");
        h.height = r.u16("bitmap height");
        r.u16("bitmap planes");
        h.bitCount = r.u16("bitmap bit count");
        return h;
    }
    if (size < 40 || size > 124)
        throw MetaDamage("bitmap header has an unknown size " + std::to_string(size));
    h.width = r.i32("bitmap width");
    h.height = r.i32("bitmap height");
    r.u16("bitmap planes");
    h.bitCount = r.u16("bitmap bit count");
    h.compression = r.u32("bitmap compression");
    r.skip(12, "bitmap header");
    h.coloursUsed = r.u32("bitmap colours used");
    r.u32("bitmap colours important");
    if (h.compression == biBitfields && size >= 52) {
        for (uint32_t &mask : h.masks)
            mask = r.u32("bitmap colour mask");
        r.skip(size - 52, "bitmap header");
    } else {
        r.skip(size - 40, "bitmap header");
        if (h.compression == biBitfields)
            for (uint32_t &mask : h.masks)
                mask = r.u32("bitmap colour mask");
    }
    return h;
}

void checkSize(const DibHeader &h)
{
    const qint64 rows = h.height < 0 ? -qint64(h.height) : h.height;
    if (h.width <= 0 || rows == 0)
        throw MetaDamage("bitmap has no pixels");
    if (h.width > maxDibSide || rows > maxDibSide || h.width * rows > maxDibPixels)
        throw MetaDamage("bitmap is larger than " + std::to_string(maxDibSide) + " pixels a side");
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return;
    default:
        throw MetaDamage("bitmap has " + std::to_string(h.bitCount) + " bits a pixel");
    }
}

QList<QRgb> readColourTable(MetaReader &r, const DibHeader &h, bool indices)
{
    const uint32_t full = h.bitCount <= 8 ? 1u << h.bitCount : 0;
    const uint32_t count = h.coloursUsed ? h.coloursUsed : full;
    if (count > 256)
        throw MetaDamage("bitmap colour table has more than 256 entries");
    QList<QRgb> table;
    for (uint32_t i = 0; i < count; ++i) {
        if (indices) {
            const int index = r.u16("bitmap palette index") & 0xff;
            table << qRgb(index, index, index);
            continue;
        }
        const int blue = r.u8("bitmap colour table");
        const int green = r.u8("bitmap colour table");
        const int red = r.u8("bitmap colour table");
        if (!h.core)
            r.u8("bitmap colour table");
        table << qRgb(red, green, blue);
    }
    if (full)
        table.resize(256, qRgb(0, 0, 0)); // any index in the bits has a colour
    return table;
}

// The value a mask selects, scaled to 0..255.
int channel(uint32_t pixel, uint32_t mask)
{
    if (!mask)
        return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

uint32_t pixelAt(const uchar *row, int x, int bitCount)
{
    switch (bitCount) {
    case 1:
        return row[x / 8] >> (7 - x % 8) & 1;
    case 4:
        return row[x / 2] >> (x % 2 ? 0 : 4) & 0xf;
    case 8:
        return row[x];
    case 16:
        return row[2 * x] | row[2 * x + 1] << 8;
    case 24:
        return row[3 * x] | row[3 * x + 1] << 8 | row[3 * x + 2] << 16;
    default:
        return row[4 * x] | row[4 * x + 1] << 8 | row[4 * x + 2] << 16 |
               static_cast<uint32_t>(row[4 * x + 3]) << 24;
    }
}

} // namespace

QImage decodeDib(QByteArrayView bytes, bool paletteIndices)
{
    MetaReader r(bytes);
    DibHeader h = readHeader(r);
    checkSize(h);
    if (h.compression != biRgb && !(h.compression == biBitfields && h.bitCount >= 16))
        return {};
    if (h.compression == biRgb && h.bitCount == 16)
        h.masks = {0x7c00, 0x03e0, 0x001f};
    if (h.compression == biRgb && h.bitCount >= 24)
        h.masks = {0xff0000, 0x00ff00, 0x0000ff};

    const QList<QRgb> table = readColourTable(r, h, paletteIndices);
    const int rows = h.height < 0 ? -h.height : h.height;
    const qint64 stride = (qint64(h.width) * h.bitCount + 31) / 32 * 4;
    const QByteArrayView bits = r.take(stride * rows, "bitmap bits");

    QImage image(h.width, rows, h.bitCount <= 8 ? QImage::Format_Indexed8 : QImage::Format_RGB32);
    if (image.isNull())
        throw MetaDamage("bitmap is too large to hold in memory");
    if (h.bitCount <= 8)
        image.setColorTable(table);
    for (int y = 0; y < rows; ++y) {
        const auto *row = reinterpret_cast<const uchar *>(bits.data()) + y * stride;
        uchar *out = image.scanLine(h.height < 0 ? y : rows - 1 - y);
        for (int x = 0; x < h.width; ++x) {
            const uint32_t pixel = pixelAt(row, x, h.bitCount);
            if (h.bitCount <= 8)
                out[x] = static_cast<uchar>(pixel);
            else
                reinterpret_cast<QRgb *>(out)[x] =
                    qRgb(channel(pixel, h.masks[0]), channel(pixel, h.masks[1]),
                         channel(pixel, h.masks[2]));
        }
    }
    return image;
}
