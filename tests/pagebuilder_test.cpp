// SPDX-License-Identifier: GPL-3.0-or-later
#include "contenterror.h"
#include "pagebuilder.h"
#include "wmfrecords.h"

#include <QFile>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The page builder turns page sources into screen and print metafiles that fit their boxes, and
// refuses, naming the page, what it cannot build.

namespace
{

const QDir samplePages(QStringLiteral(KELVARIN_TEST_DATA_DIR "/pages"));
const QDir samplePictures(QStringLiteral(KELVARIN_TEST_DATA_DIR "/pages/pictures"));

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Every colour the records set: pens, brushes and text.
QList<QRgb> coloursOf(const WmfFile &file)
{
    QList<QRgb> colours;
    auto at = [](const WmfRecord *r, int byte) {
        const auto *c = reinterpret_cast<const uchar *>(r->params.constData() + byte);
        return qRgb(c[0], c[1], c[2]);
    };
    for (const WmfRecord *r : file.with(wmf::CreatePenIndirect))
        colours.append(at(r, 6));
    for (const WmfRecord *r : file.with(wmf::CreateBrushIndirect))
        colours.append(at(r, 2));
    for (const WmfRecord *r : file.with(wmf::SetTextColor))
        colours.append(at(r, 0));
    return colours;
}

void expectEverythingInside(const LaidOutPage &page)
{
    EXPECT_TRUE(page.fits()) << page.bottom;
    const QRectF box(QPointF(0, 0), page.size);
    for (const PageItem &item : page.items) {
        if (const auto *text = std::get_if<PageText>(&item)) {
            const qreal width = QFontMetricsF(text->font).horizontalAdvance(text->text);
            EXPECT_TRUE(box.contains(QRectF(text->baseline, QSizeF(width, 1))))
                << text->text.toStdString();
        } else if (const auto *image = std::get_if<PageImage>(&item)) {
            EXPECT_TRUE(box.contains(image->rect));
        }
    }
}

PageSource numberedParagraphs(int count)
{
    QString text = "title: A long page\n";
    for (int i = 1; i <= count; ++i)
        text += QString("text: Paragraph %1 is one line.\n").arg(i);
    return parsePageSource(text, "long.page");
}

} // namespace

TEST(PageBuilder, BuildsEachSampleIntoAScreenAndAPrintMetafile)
{
    QTemporaryDir out;
    buildPages(samplePages, QDir(out.path()));
    for (const QString name : {"sample facts", "sample notes"}) {
        SCOPED_TRACE(name.toStdString());
        const WmfFile screen = readWmf(fileBytes(out.filePath("wmf/" + name + ".wmf")));
        const WmfFile print = readWmf(fileBytes(out.filePath("wmf2/" + name + ".wmf")));
        EXPECT_EQ(screen.bounds, QRect(0, 0, 10400, 7800));
        EXPECT_EQ(print.bounds, QRect(0, 0, 9900, 14800));
        for (const WmfFile *copy : {&screen, &print}) {
            EXPECT_TRUE(copy->with(wmf::StretchDib).isEmpty()) << "no bitmaps on a page";
            EXPECT_TRUE(copy->texts().contains("ICE")) << "picture text stays text";
        }
        for (QRgb colour : coloursOf(print))
            EXPECT_TRUE(qRed(colour) == qGreen(colour) && qGreen(colour) == qBlue(colour))
                << std::hex << colour;
        const PageSource source = readPageSource(samplePages.filePath(name + ".page"));
        expectEverythingInside(screenCopy(source, samplePictures));
        expectEverythingInside(printCopy(source, samplePictures));
    }
    const QString facts =
        readWmf(fileBytes(out.filePath("wmf/sample facts.wmf"))).texts().join(' ');
    for (const char *words : {"Properties of Materials", "Safety:", "never taste or smell"})
        EXPECT_TRUE(facts.contains(words)) << words;

    previewPages(samplePages, QDir(QStringLiteral(KELVARIN_GALLERY_DIR "/pages")));
}

TEST(PageBuilder, ShrinksTheTypeOfAPageThatWouldNotFit)
{
    const LaidOutPage page = screenCopy(numberedParagraphs(16), samplePictures);
    EXPECT_LT(page.bodyPoints, 14);
    EXPECT_GE(page.bodyPoints, 10);
    expectEverythingInside(page);
}

TEST(PageBuilder, RefusesNamingThePage)
{
    const struct {
        QString source;
        const char *expected;
    } refusals[] = {
        {"title: T\nbanner: hello", "bad.page:2: unknown block \"banner\""},
        {"title: T\ntext: a *bold start", "bad.page:2: a *bold* mark is not closed"},
        {"text: no title", "bad.page: a page must start with its title"},
        {"title: T\npicture: nothing.svg | gone", "bad.page:2: the picture nothing.svg is not in"},
        {"title: T\ntable: a | b\ntable: c", "bad.page:3: this table row has a different number"},
        {QString::fromUtf8("title: T\ntext: \u2192"), "bad.page:2: holds a character"},
    };
    for (const auto &refusal : refusals) {
        SCOPED_TRACE(refusal.expected);
        try {
            screenCopy(parsePageSource(refusal.source, "bad.page"), samplePictures);
            ADD_FAILURE() << "no error";
        } catch (const ContentError &e) {
            EXPECT_TRUE(QString(e.what()).contains(refusal.expected)) << e.what();
        }
    }
    try {
        screenCopy(numberedParagraphs(40), samplePictures);
        ADD_FAILURE() << "a page of 40 paragraphs fitted";
    } catch (const ContentError &e) {
        EXPECT_TRUE(QString(e.what()).startsWith("long.page: does not fit")) << e.what();
    }
}
