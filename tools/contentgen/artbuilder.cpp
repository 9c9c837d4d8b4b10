// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders.h"

#include "contenterror.h"
#include "gifwriter.h"
#include "palette.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace
{

// One picture to write: where, and in which of the formats the program reads.
struct Target {
    QString path;
    QString format; // "jpg", "gif" or "bmp"
};

// <name>.svg becomes <name>.jpg; <name>.gif.svg and <name>.bmp.svg become <name>.gif and
// <name>.bmp, so the format a picture must have is written in its source's name.
Target targetOf(const QFileInfo &svg, const QDir &to)
{
    const QString name = svg.completeBaseName();
    const QString inner = QFileInfo(name).suffix().toLower();
    if (inner.isEmpty())
        return {to.filePath(name + ".jpg"), "jpg"};
    if (inner == "jpg" || inner == "gif" || inner == "bmp")
        return {to.filePath(name), inner};
    throw ContentError(svg.filePath() + ": ." + inner +
                       " is not a picture format contentgen writes (jpg, gif, bmp)");
}

QImage renderSvg(const QString &svgPath)
{
    QSvgRenderer renderer;
    if (!renderer.load(svgPath) || !renderer.isValid())
        throw ContentError(svgPath + ": not a readable SVG");
    const QSize size = renderer.defaultSize();
    if (size.isEmpty())
        throw ContentError(svgPath + ": the SVG declares no width and height");
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white); // none of the formats keeps transparency here; the art sits on white
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

void writeWithQt(const QImage &image, const Target &target)
{
    QImageWriter writer(target.path, target.format == "jpg" ? "jpeg" : "bmp");
    if (target.format == "jpg")
        writer.setQuality(90);
    if (!writer.write(image))
        throw ContentError(target.path + ": cannot write: " + writer.errorString());
}

// The GIFs of one folder are one animation: a shared palette keeps its still parts steady.
void writeGifs(const QList<QImage> &images, const QList<Target> &targets)
{
    const QList<QRgb> palette = medianCutPalette(images, 256);
    for (qsizetype i = 0; i < images.size(); ++i)
        writeGif(toIndexed(images[i], palette), targets[i].path);
}

void buildFolder(const QDir &from, const QDir &to)
{
    QList<QImage> gifImages;
    QList<Target> gifTargets;
    for (const QFileInfo &svg : from.entryInfoList({"*.svg"}, QDir::Files, QDir::Name)) {
        const Target target = targetOf(svg, to);
        const QImage image = renderSvg(svg.filePath());
        if (target.format == "gif") {
            gifImages.append(image);
            gifTargets.append(target);
        } else {
            writeWithQt(image, target);
        }
    }
    if (!gifImages.isEmpty())
        writeGifs(gifImages, gifTargets);
}

} // namespace

void buildArt(const QDir &sources, const QDir &out)
{
    const QDir art(sources.filePath("art"));
    for (const QString &folder : art.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        out.mkpath(folder);
        buildFolder(QDir(art.filePath(folder)), QDir(out.filePath(folder)));
    }
}
