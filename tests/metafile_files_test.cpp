// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "platform/picture.h"
#include "printing/qtprinter.h"
#include "wmf/metafile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "cupspdf.h"
#include "gallery.h"

// Metafiles written by other programs (tests/data/wmf, see its README) play as those programs
// draw them, and stay text and vectors on the way to a PDF.

namespace
{

const QString dataDir = QStringLiteral(KELVARIN_TEST_DATA_DIR "/wmf/");

struct ForeignFile {
    const char *name;
    QSizeF sizeTwips;
    // Where the drawing has, in fractions of its frame: the blue box, the green ellipse, the
    // polygon's yellow ring and the white hole in it.
    QPointF box, ellipse, ring, hole;
};

const ForeignFile foreignFiles[] = {
    // Inkscape: 640 x 480 px at 1200 units an inch, less the inclusive last unit.
    {"inkscape-shapes.wmf",
     {7999 * 1.2, 5999 * 1.2},
     {0.2, 0.2},
     {0.65, 0.2},
     {0.73, 0.6},
     {0.867, 0.5}},
    // LibreOffice Draw: 16 x 12 cm in 1/100 mm.
    {"libreoffice-drawing.wmf",
     {16 / 2.54 * 1440, 12 / 2.54 * 1440},
     {0.2, 0.2},
     {0.65, 0.2},
     {0.75, 0.65},
     {0.89, 0.507}},
    // LibreOffice's own reading of the Inkscape drawing, cut to what it draws.
    {"libreoffice-from-svg.wmf",
     {15754 / 2540.0 * 1440, 11520 / 2540.0 * 1440},
     {0.2, 0.17},
     {0.67, 0.165},
     {0.74, 0.55},
     {0.89, 0.506}},
};

QImage renderToImage(const Metafile &metafile, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile.play(painter, QRectF(QPointF(0, 0), size));
    return image;
}

QColor at(const QImage &image, QPointF fraction)
{
    return image.pixelColor(int(fraction.x() * image.width()), int(fraction.y() * image.height()));
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           60;
}

// The text of a PDF in the order it was drawn, so turned text reads as words too.
QString pdfRawText(const QString &path)
{
    return runTool("pdftotext", {"-raw", path, "-"}).simplified();
}

} // namespace

TEST(ForeignMetafiles, PlayAtTheirOwnSizeWithShapesWhereTheyWereDrawn)
{
    for (const ForeignFile &file : foreignFiles) {
        const Picture picture = Picture::load(dataDir + file.name);
        ASSERT_TRUE(picture.isMetafile()) << file.name;
        EXPECT_NEAR(picture.sizeTwips().width(), file.sizeTwips.width(), 1) << file.name;
        EXPECT_NEAR(picture.sizeTwips().height(), file.sizeTwips.height(), 1) << file.name;

        const Metafile metafile = Picture::loadMetafile(dataDir + file.name);
        const QImage image = renderToImage(metafile, (picture.sizeTwips() / 15).toSize());
        EXPECT_TRUE(near(at(image, file.box), QColor(0x4a, 0x90, 0xd9))) << file.name;
        EXPECT_TRUE(near(at(image, file.ellipse), QColor(0x2e, 0xcc, 0x71))) << file.name;
        EXPECT_TRUE(near(at(image, file.ring), QColor(0xf1, 0xc4, 0x0f))) << file.name;
        EXPECT_TRUE(near(at(image, file.hole), Qt::white)) << file.name;
        saveToGallery(image, "wmf-" + QString(file.name).remove(".wmf"));
    }
}

TEST(ForeignMetafiles, TextStaysTextInAPdf)
{
    QTemporaryDir folder;
    for (const ForeignFile &file : foreignFiles) {
        const QString pdf = folder.filePath(QString(file.name) + ".pdf");
        {
            QPdfWriter writer(pdf);
            QPainter painter(&writer);
            const double scale = writer.resolution() / 1440.0;
            Picture::loadMetafile(dataDir + file.name)
                .play(painter, QRectF(QPointF(0, 0), file.sizeTwips * scale));
        }
        const QString text = pdfRawText(pdf);
        for (const char *words : {"Ice melts", "Water boils", "Rotated text"})
            EXPECT_TRUE(text.contains(words)) << file.name << ": " << text.toStdString();
    }
}

TEST(ForeignMetafiles, EveryTruncationAndCorruptionIsAFileErrorNeverACrash)
{
    const auto bytesOf = [](const char *name) {
        QFile file(dataDir + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // Every cut short of the end of the Inkscape file; the larger LibreOffice one in steps.
    const QByteArray inkscape = bytesOf("inkscape-shapes.wmf");
    const QByteArray libreoffice = bytesOf("libreoffice-drawing.wmf");
    ASSERT_FALSE(inkscape.isEmpty() || libreoffice.isEmpty());
    for (qsizetype length = 0; length < inkscape.size(); ++length)
        EXPECT_THROW(Picture::metafileFromBytes(inkscape.first(length), "a"), FileError) << length;
    for (qsizetype length = 0; length < libreoffice.size(); length += 13)
        EXPECT_THROW(Picture::metafileFromBytes(libreoffice.first(length), "b"), FileError)
            << length;
    // Each 16-bit word of the Inkscape file made huge in turn (sizes, counts, coordinates,
    // bitmap fields): it loads and plays, or is refused.
    for (qsizetype at = 0; at + 1 < inkscape.size(); at += 2) {
        QByteArray damaged = inkscape;
        damaged[at] = char(0xff);
        damaged[at + 1] = char(0x7f);
        try {
            renderToImage(Picture::metafileFromBytes(damaged, "c"), QSize(64, 48));
        } catch (const FileError &) {
        }
    }
}

class MetafileOnCups : public CupsPdfTest
{
};

TEST_F(MetafileOnCups, PaintPicturePrintsThePageAsText)
{
    QtPrinter printer;
    printer.Print();
    printer.PaintPicture(Picture::load(dataDir + "libreoffice-drawing.wmf"), 1000, 1000);
    printer.EndDoc();
    const QString pdf = waitForPdfWith("Water");
    const QString text = pdfRawText(pdf);
    EXPECT_TRUE(text.contains("Ice melts")) << text.toStdString();
    EXPECT_TRUE(text.contains("Rotated text")) << text.toStdString();
}

// One of our own pages as the viewers print it: an empty line, then the print copy at
// (1000, 1000), on one sheet, its words still words.
TEST_F(MetafileOnCups, OurPagePrintsOnOneSheetAsText)
{
    QtPrinter printer;
    printer.Print();
    printer.PaintPicture(Picture::load(QStringLiteral(KELVARIN_CONTENT_DIR) + "/wmf2/guide3.wmf"),
                         1000, 1000);
    printer.EndDoc();
    const QString pdf = waitForPdfWith("Worksheet Catalogue");
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_TRUE(pdfWords(pdf).contains("Keeping worksheets safe"));
    EXPECT_EQ(pdfPages(pdf), 1);
    QFile::copy(pdf, QStringLiteral(KELVARIN_GALLERY_DIR) + "/page-guide3.pdf");
}
