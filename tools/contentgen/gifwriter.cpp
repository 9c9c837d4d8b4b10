// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include "contenterror.h"

#include <QFile>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace
{

// Closing frees the handle; the writer closes it itself when all went well, to see the result.
struct GifCloser {
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

struct ColourMapFree {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};
using ColourMap = std::unique_ptr<ColorMapObject, ColourMapFree>;

[[noreturn]] void fail(const QString &path, int error)
{
    const char *reason = GifErrorString(error);
    throw ContentError(
        path + ": cannot write GIF: " +
        (reason ? QString::fromUtf8(reason) : "giflib error " + QString::number(error)));
}

void check(int result, GifFileType *gif, const QString &path)
{
    if (result != GIF_OK)
        fail(path, gif->Error);
}

// A GIF colour table holds a power of two entries; the ones beyond the palette stay black.
int tableBits(qsizetype colours)
{
    int bits = 1;
    while ((qsizetype(1) << bits) < colours)
        ++bits;
    return bits;
}

ColourMap colourMap(const QList<QRgb> &palette, int bits, const QString &path)
{
    std::vector<GifColorType> colours(std::size_t(1) << bits, GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                      GifByteType(qBlue(palette[i]))};
    ColourMap map(GifMakeMapObject(int(colours.size()), colours.data()));
    if (!map)
        throw ContentError(path + ": cannot make a GIF colour table of " +
                           QString::number(palette.size()) + " colours");
    return map;
}

} // namespace

void writeGif(const QImage &indexed, const QString &path)
{
    const QList<QRgb> palette = indexed.colorTable();
    if (indexed.format() != QImage::Format_Indexed8 || palette.isEmpty() || palette.size() > 256)
        throw ContentError(path + ": a GIF needs an 8-bit picture with at most 256 colours");
    const int bits = tableBits(palette.size());
    const ColourMap map = colourMap(palette, bits, path);

    int error = 0;
    GifHandle gif(EGifOpenFileName(QFile::encodeName(path).constData(), false, &error));
    if (!gif)
        fail(path, error);
    EGifSetGifVersion(gif.get(), true);
    const int width = indexed.width();
    const int height = indexed.height();
    check(EGifPutScreenDesc(gif.get(), width, height, bits, 0, map.get()), gif.get(), path);
    check(EGifPutImageDesc(gif.get(), 0, 0, width, height, false, nullptr), gif.get(), path);
    // giflib masks the line it is given in place, so each row goes through a copy.
    std::vector<GifPixelType> row(std::size_t(width), 0);
    for (int y = 0; y < height; ++y) {
        const uchar *line = indexed.constScanLine(y);
        row.assign(line, line + width);
        check(EGifPutLine(gif.get(), row.data(), width), gif.get(), path);
    }
    if (EGifCloseFile(gif.release(), &error) != GIF_OK)
        fail(path, error);
    // giflib creates the file for its owner only; classroom folders are read by every user.
    const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                          QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;
    if (!QFile::setPermissions(path, readable))
        throw ContentError(path + ": cannot make the GIF readable by everyone");
}
