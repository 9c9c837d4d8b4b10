// SPDX-License-Identifier: GPL-3.0-or-later
// Pages that would hold the program for seconds or minutes, or take hundreds of megabytes, are
// refused as they load; every real page still draws to the pixel as it always has.
#include "files/errors.h"
#include "platform/picture.h"
#include "wmf/metafile.h"

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "hostilewmf.h"

namespace
{

struct RenderedPage {
    const char *folder; // of the generated content, or "data" for the test data's metafiles
    const char *file;
    const char *sha1; // of the pixels drawn at the page's own size on a plain screen
};

// As the player drew them before any page had a budget.
const RenderedPage renderedPages[] = {
    {"wmf", "acknowledgments.wmf", "299ec9270a0640df74b3d2473268f299ab032199"},
    {"wmf", "guide1.wmf", "c46824a3a70252abee3046ce619a0d3f85d32c1b"},
    {"wmf", "guide2.wmf", "9bdc4719b21ecdf1bcf14233c6c3b5b74f9855fb"},
    {"wmf", "guide3.wmf", "cabec49b6c8c40f0e3d0b7ea23b05d1bf3361ab6"},
    {"wmf", "irreversiblea.wmf", "502262ed69694b413a2c350bc82a55f713549856"},
    {"wmf", "irreversibleb.wmf", "718da7f1739e1015c47a00b79e200109d4476e9d"},
    {"wmf", "key irreversiblea.wmf", "6650d89983a24083a6ad3841743565730d0ef50f"},
    {"wmf", "key irreversibleb.wmf", "01da0de28d1c2c6f77b7af17eec7d921ed8c8f9c"},
    {"wmf", "key propertiesa.wmf", "cfeac22390fe89bd4b8b6e202890b6634ef1eeda"},
    {"wmf", "key propertiesb.wmf", "42ba5d851cd6f3c9635fbd2e476103e05a7dd8e5"},
    {"wmf", "propertiesa.wmf", "d8fb45716c2d8ab29f7e4a96ff8e546838578e2f"},
    {"wmf", "propertiesb.wmf", "099309feddf2dba7d54140c7e3952ac91a417f66"},
    {"wmf2", "acknowledgments.wmf", "3ce081935b85f8e3ce03f307d7464fd83a333d52"},
    {"wmf2", "guide1.wmf", "b148c49b2ef4e26dc10bcddc8f538887febce972"},
    {"wmf2", "guide2.wmf", "4eb428c9ffe1836678f0b75da50dce972cb71979"},
    {"wmf2", "guide3.wmf", "d022a60504096e48d6b93d90d46ed6bd5cac0aed"},
    {"wmf2", "irreversiblea.wmf", "aac1f5d459bbee4854a4ceafa6216b49fdf34f3c"},
    {"wmf2", "irreversibleb.wmf", "3f492984ad7da219d6fdde52ad7788f3a0497898"},
    {"wmf2", "key irreversiblea.wmf", "5945a70348a0af5e3008ec27254d084ec1fe14dc"},
    {"wmf2", "key irreversibleb.wmf", "c442094669e88a9c630c1791a9016a4ad14832b4"},
    {"wmf2", "key propertiesa.wmf", "2c45d35e2b7ff1cd16cc2cff7af43b4dc73499af"},
    {"wmf2", "key propertiesb.wmf", "b48b64a99032458dc8ea614ebe988612733e521d"},
    {"wmf2", "propertiesa.wmf", "7f054322047789247009fa1286ec47c96f912e98"},
    {"wmf2", "propertiesb.wmf", "0ff1ee50b7bb9a16a1a9340d480e38173c46c87b"},
    {"data", "inkscape-shapes.wmf", "95fab5bb5ab265f9dba960f88279355edb5b0a0e"},
    {"data", "libreoffice-drawing.wmf", "a87ea5a11ba53ec0564818430f8dbb8668121a77"},
    {"data", "libreoffice-from-svg.wmf", "c31d0318ca49ba669b363d5720700a35210c63bd"},
};

QByteArray pixelsHash(const Metafile &page)
{
    const QSizeF ownSize = page.sizeTwips() / 15;
    QImage image(ownSize.toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.play(painter, QRectF(QPointF(0, 0), ownSize));
    painter.end();
    const QByteArrayView pixels(image.constBits(), image.sizeInBytes());
    return QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex();
}

} // namespace

TEST(MetafileBounds, PagesTooCostlyToDrawAreRefusedAsTheyLoad)
{
    const std::pair<const char *, QByteArray> pages[] = {
        {"a chain of clip rectangles", hostile::clipChain(2000)},
        {"clip rectangles in saved states", hostile::clipChain(2000, true)},
        {"a self-crossing polygon", hostile::crossingPolygon(65535)},
        {"a self-crossing polyline with a wide pen", hostile::crossingPolyline(32767, 2000)},
        {"lines with a wide pen", hostile::wideLines(4000, 2000)},
        {"page-sized fills", hostile::pageRectangles(2000)},
        {"large bitmaps", hostile::largeBitmaps(3, 16384, 1024)},
    };
    for (const auto &[kind, bytes] : pages) {
        try {
            Picture::metafileFromBytes(bytes, "wmf/page.wmf");
            ADD_FAILURE() << kind << " loaded";
        } catch (const FileError &error) {
            EXPECT_STREQ(error.what(), "wmf/page.wmf: This page is too complex to show.") << kind;
        }
    }
}

TEST(MetafileBounds, RealPagesDrawAsTheyAlwaysHave)
{
    for (const RenderedPage &page : renderedPages) {
        const QString folder = QString(page.folder) == "data"
                                   ? QStringLiteral(KELVARIN_TEST_DATA_DIR "/wmf")
                                   : QStringLiteral(KELVARIN_CONTENT_DIR "/") + page.folder;
        const Metafile metafile = Picture::loadMetafile(folder + "/" + page.file);
        EXPECT_EQ(pixelsHash(metafile), page.sha1) << page.folder << "/" << page.file;
    }
}
