#include "builders.h"

#include "contenterror.h"

#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSvgRenderer>

namespace
{

void renderSvg(const QString &svgPath, const QString &jpegPath)
{
    QSvgRenderer renderer;
    if (!renderer.load(svgPath) || !renderer.isValid())
        throw ContentError(svgPath + ": not a readable SVG");
    const QSize size = renderer.defaultSize();
    if (size.isEmpty())
        throw ContentError(svgPath + ": the SVG declares no width and height");
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white); // JPEG keeps no transparency; the pictures sit on white
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QImageWriter writer(jpegPath, "jpeg");
    writer.setQuality(90);
    if (!writer.write(image))
        throw ContentError(jpegPath + ": cannot write: " + writer.errorString());
}

} // namespace

void buildArt(const QDir &sources, const QDir &out)
{
    const QDir art(sources.filePath("art"));
    for (const QString &folder : art.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir from(art.filePath(folder));
        out.mkpath(folder);
        for (const QFileInfo &svg : from.entryInfoList({"*.svg"}, QDir::Files, QDir::Name))
            renderSvg(svg.filePath(), out.filePath(folder + "/" + svg.completeBaseName() + ".jpg"));
    }
}
