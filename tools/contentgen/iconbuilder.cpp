// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconbuilder.h"

#include "contenterror.h"

#include <QDomDocument>
#include <QFile>
#include <QHashSeed>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace
{

// The desktop's icon sizes that themes ask for most, in pixels.
constexpr int pngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The emblem is a wide picture; the icon is the square around the lantern, its corners rounded
// like the other icons in a menu.
const QRectF square(60, 12, 200, 200);
constexpr double cornerRadius = 36;

QByteArray readSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path + ": cannot read: " + file.errorString());
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw ContentError(path + ": cannot write: " + file.errorString());
}

QString number(double value)
{
    return QString::number(value);
}

// The same drawing with a square view box and everything inside one rounded clip.
QByteArray squareSvg(const QString &emblemPath, const QByteArray &emblem)
{
    QDomDocument doc;
    if (!doc.setContent(emblem))
        throw ContentError(emblemPath + ": not a readable SVG");
    QDomElement root = doc.documentElement();
    root.removeAttribute("baseProfile"); // clip paths are beyond SVG Tiny
    root.setAttribute("version", "1.1");
    root.setAttribute("width", number(square.width()));
    root.setAttribute("height", number(square.height()));
    root.setAttribute("viewBox", QStringList{number(square.x()), number(square.y()),
                                             number(square.width()), number(square.height())}
                                     .join(' '));

    QDomElement clip = doc.createElement("clipPath");
    clip.setAttribute("id", "iconShape");
    QDomElement shape = doc.createElement("rect");
    shape.setAttribute("x", number(square.x()));
    shape.setAttribute("y", number(square.y()));
    shape.setAttribute("width", number(square.width()));
    shape.setAttribute("height", number(square.height()));
    shape.setAttribute("rx", number(cornerRadius));
    clip.appendChild(shape);
    QDomElement defs = doc.createElement("defs");
    defs.appendChild(clip);

    QDomElement clipped = doc.createElement("g");
    clipped.setAttribute("clip-path", "url(#iconShape)");
    while (root.hasChildNodes())
        clipped.appendChild(root.firstChild()); // appending moves the node
    root.appendChild(defs);
    root.appendChild(clipped);
    return doc.toByteArray(1);
}

// Qt's SVG renderer ignores clip paths, so the rounded corners are the painter's clip here.
QImage renderPng(QSvgRenderer &renderer, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size / square.width();
    QPainterPath corners;
    corners.addRoundedRect(QRectF(0, 0, size, size), cornerRadius * scale, cornerRadius * scale);
    painter.setClipPath(corners);
    renderer.setViewBox(square);
    renderer.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image;
}

} // namespace

void buildIcons(const QString &emblemPath, const QDir &out, const QString &name)
{
    QHashSeed::setDeterministicGlobalSeed(); // the same attribute order in every build
    const QByteArray emblem = readSource(emblemPath);
    QSvgRenderer renderer;
    if (!renderer.load(emblem) || !renderer.isValid())
        throw ContentError(emblemPath + ": not a readable SVG");

    const QString scalable = "scalable/apps";
    if (!out.mkpath(scalable))
        throw ContentError(out.filePath(scalable) + ": cannot create the folder");
    writeFile(out.filePath(scalable + "/" + name + ".svg"), squareSvg(emblemPath, emblem));

    for (const int size : pngSizes) {
        const QString folder = QString("%1x%1/apps").arg(size);
        const QString path = out.filePath(folder + "/" + name + ".png");
        if (!out.mkpath(folder) || !renderPng(renderer, size).save(path, "PNG"))
            throw ContentError(path + ": cannot write the icon");
    }
}
