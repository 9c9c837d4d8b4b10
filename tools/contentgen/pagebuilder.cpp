// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagebuilder.h"

#include "contenterror.h"
#include "wmf/metaerrors.h"
#include "wmf/metafiledevice.h"

#include <QImage>
#include <QPainter>
#include <QSaveFile>

namespace
{

const QSize viewerScreen(12000, 9000);
const QPointF screenPageAt(120, 0);
const QSize a4(11906, 16838);
const QPointF printPageAt(1000, 1000);

bool isAcknowledgments(const PageSource &page)
{
    return page.name == "acknowledgments";
}

QList<PageSource> readPages(const QDir &pages)
{
    QList<PageSource> sources;
    for (const QFileInfo &file : pages.entryInfoList({"*.page"}, QDir::Files, QDir::Name))
        sources.append(readPageSource(file.filePath()));
    return sources;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw ContentError(path + ": cannot write: " + file.errorString());
}

// The viewer's own entries around the page, so a preview shows what the page must leave free.
void paintViewerEntries(QPainter &painter, const PageSource &page)
{
    QFont font("Tahoma");
    font.setPixelSize(315); // 15.75 pt
    font.setBold(true);
    painter.setFont(font);
    struct Entry {
        QRectF rect;
        const char *caption;
        bool paging;
    };
    const Entry entries[] = {
        {{10680, 120, 1125, 495}, "Print", false},
        {{10680, 7920, 1125, 495}, "Exit", false},
        {{6720, 7920, 2685, 495}, "Next Page", true},
        {{1320, 7920, 2685, 495}, "Previous Page", true},
    };
    for (const Entry &entry : entries) {
        if (entry.paging && isAcknowledgments(page))
            continue;
        painter.fillRect(entry.rect, Qt::black);
        painter.setPen(Qt::yellow);
        painter.drawText(entry.rect, Qt::AlignCenter, entry.caption);
    }
    if (isAcknowledgments(page)) {
        painter.setPen(QPen(Qt::white, 15, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(9000, 4320, 1800, 1800)); // the logo's animation
        painter.drawRect(QRectF(9030, 6240, 1800, 1335)); // and its picture
        return;
    }
    const QRectF caption(4200, 7920, 2295, 495);
    painter.fillRect(caption, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(caption, Qt::AlignCenter, "Page 1 of 2");
}

QImage screenPreview(const PageSource &page, const LaidOutPage &laidOut)
{
    const qreal twipsPerPixel = 15;
    QImage image(viewerScreen / twipsPerPixel, QImage::Format_RGB32);
    image.fill(isAcknowledgments(page) ? QColor(49, 130, 212) : QColor(0, 78, 152));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(1 / twipsPerPixel, 1 / twipsPerPixel);
    paintViewerEntries(painter, page);
    painter.translate(screenPageAt);
    paintPage(painter, laidOut);
    return image;
}

QImage printPreview(const LaidOutPage &laidOut)
{
    const qreal twipsPerPixel = 12;
    QImage image(a4 / twipsPerPixel, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(1 / twipsPerPixel, 1 / twipsPerPixel);
        painter.translate(printPageAt);
        paintPage(painter, laidOut);
    }
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(qGray(line[x]), qGray(line[x]), qGray(line[x]));
    }
    return image;
}

// Runs one page's step, naming the page in any failure that does not name it already.
template <typename Step> void forPage(const PageSource &page, Step step)
{
    try {
        step();
    } catch (const ContentError &e) {
        const QString message = QString::fromStdString(e.what());
        if (message.contains(page.name + ".page"))
            throw;
        throw ContentError(page.name + ".page: " + message);
    }
}

} // namespace

LaidOutPage screenCopy(const PageSource &page, const QDir &pictures)
{
    return layOutPage(page, screenPageStyle(page), pictures);
}

LaidOutPage printCopy(const PageSource &page, const QDir &pictures)
{
    return layOutPage(page, printPageStyle(), pictures);
}

QByteArray pageMetafile(const LaidOutPage &page, bool greyscale)
{
    MetafileDevice device(page.size.toSize());
    device.setGreyscale(greyscale);
    QPainter painter(&device);
    paintPage(painter, page);
    painter.end();
    try {
        return device.bytes();
    } catch (const MetaWriteError &e) {
        throw ContentError(QString::fromStdString(e.what()));
    }
}

void buildPages(const QDir &pages, const QDir &out)
{
    const QList<PageSource> sources = readPages(pages);
    if (sources.isEmpty())
        return; // no empty folders: the classroom install copies each folder's files
    const QDir pictures(pages.filePath("pictures"));
    out.mkpath("wmf");
    out.mkpath("wmf2");
    for (const PageSource &page : sources) {
        forPage(page, [&] {
            const QString file = page.name + ".wmf";
            writeFile(out.filePath("wmf/" + file), pageMetafile(screenCopy(page, pictures), false));
            writeFile(out.filePath("wmf2/" + file), pageMetafile(printCopy(page, pictures), true));
        });
    }
}

void previewPages(const QDir &pages, const QDir &png)
{
    const QDir pictures(pages.filePath("pictures"));
    if (!png.mkpath("."))
        throw ContentError(png.path() + ": cannot create the folder");
    QStringList failures;
    for (const PageSource &page : readPages(pages)) {
        try {
            // Drawn even when it does not fit, so the writer can see by how much.
            const LaidOutPage screen = shrinkToFit(page, screenPageStyle(page), pictures);
            const LaidOutPage print = shrinkToFit(page, printPageStyle(), pictures);
            const QString screenPath = png.filePath(page.name + ".screen.png");
            const QString printPath = png.filePath(page.name + ".print.png");
            if (!screenPreview(page, screen).save(screenPath))
                throw ContentError(screenPath + ": cannot write");
            if (!printPreview(print).save(printPath))
                throw ContentError(printPath + ": cannot write");
            screenCopy(page, pictures);
            printCopy(page, pictures);
        } catch (const ContentError &e) {
            failures.append(QString::fromStdString(e.what()));
        }
    }
    if (!failures.isEmpty())
        throw ContentError(failures.join("\n"));
}
