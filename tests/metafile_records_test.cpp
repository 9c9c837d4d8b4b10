// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "platform/picture.h"
#include "wmf/metafile.h"
#include "wmf/metatext.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

#include "wmfbuilder.h"

// The player's handling of each kind of record, checked by what lands on a 100 x 100 image.

namespace
{

using W = WmfBuilder;
const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 160, 0), white(255, 255, 255);

QImage render(const QByteArray &bytes, QSize size = {100, 100})
{
    const Metafile metafile = Metafile::fromBytes(bytes, "test.wmf");
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile.play(painter, QRectF(QPointF(0, 0), size));
    return image;
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           40;
}

// The box around every pixel that is not white.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

struct Probe {
    QPoint at;
    QColor colour;
};
struct DrawingCase {
    const char *name;
    std::function<void(W &)> build;
    std::vector<Probe> probes;
};

} // namespace

TEST(MetafileRecords, DrawEachShapeWhereAndHowTheRecordsSay)
{
    const std::vector<DrawingCase> cases{
        {"rectangle with a solid brush",
         [](W &w) { w.penAndBrush(blue, red).box(W::Rectangle, 10, 10, 60, 40); },
         {{{30, 25}, red}, {{70, 25}, white}, {{30, 50}, white}}},
        {"hollow brush leaves the inside",
         [](W &w) {
             w.pen(0, 3, blue).brush(1, red).select(0).select(1).box(W::Rectangle, 10, 10, 60, 40);
         },
         {{{30, 25}, white}, {{10, 25}, blue}}},
        {"hatched brush mixes its colour with what is beneath",
         [](W &w) {
             w.record(W::SetBkMode, {1})
                 .brush(2, blue, 4)
                 .select(0)
                 .box(W::Rectangle, 0, 0, 100, 100);
         },
         {}},
        {"ellipse leaves its bounding box's corners",
         [](W &w) { w.penAndBrush(blue, red).box(W::Ellipse, 10, 10, 90, 90); },
         {{{50, 50}, red}, {{14, 14}, white}}},
        {"round rectangle rounds its corners only",
         [](W &w) {
             w.penAndBrush(red, red).record(W::RoundRect, {40, 40, 90, 90, 10, 10});
         },
         {{{12, 12}, white}, {{50, 12}, red}, {{12, 50}, red}}},
        {"pie runs counter-clockwise from the start radial to the end radial",
         // From the right (3 o'clock) to the top (12 o'clock): the upper right quarter.
         [](W &w) {
             w.penAndBrush(red, red).record(W::Pie, {0, 50, 50, 100, 90, 90, 10, 10});
         },
         {{{70, 30}, red}, {{30, 30}, white}, {{30, 70}, white}, {{70, 70}, white}}},
        {"chord closes the arc with a straight line",
         [](W &w) {
             w.penAndBrush(red, red).record(W::Chord, {0, 50, 50, 100, 90, 90, 10, 10});
         },
         {{{75, 25}, red}, {{55, 45}, white}}},
        {"arc draws the curve only",
         [](W &w) {
             w.pen(0, 3, blue).select(0).record(W::Arc, {50, 0, 50, 100, 90, 90, 10, 10});
         },
         {{{50, 10}, blue}, {{50, 50}, white}, {{50, 90}, white}}},
        {"polyline joins its points",
         [](W &w) {
             w.pen(0, 4, blue).select(0).record(W::Polyline, {3, 10, 10, 90, 10, 90, 90});
         },
         {{{50, 10}, blue}, {{90, 50}, blue}, {{50, 50}, white}}},
        {"move and line draw from the current position",
         [](W &w) {
             w.pen(0, 4, blue).select(0).record(W::MoveTo, {80, 10}).record(W::LineTo, {80, 90});
         },
         {{{50, 80}, blue}, {{50, 20}, white}}},
        {"polygons with alternate fill leave a hole",
         [](W &w) {
             w.penAndBrush(red, red).record(W::PolyPolygon, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10,
                                                             90, 30, 30, 70, 30, 70, 70, 30, 70});
         },
         {{{20, 50}, red}, {{50, 50}, white}}},
        {"polygons with winding fill fill the hole of a ring drawn one way round",
         [](W &w) {
             w.penAndBrush(red, red)
                 .record(W::SetPolyFillMode, {2})
                 .record(W::PolyPolygon,
                         {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70});
         },
         {{{50, 50}, red}}},
        {"the window maps onto the frame",
         [](W &w) {
             w.record(W::SetWindowOrg, {0, 0}).record(W::SetWindowExt, {200, 200});
             w.penAndBrush(red, red).box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{25, 25}, red}, {{75, 75}, white}}},
        {"a window origin moves the drawing",
         [](W &w) {
             w.record(W::SetWindowOrg, {50, 50}).record(W::SetWindowExt, {100, 100});
             w.penAndBrush(red, red).box(W::Rectangle, 50, 50, 100, 100);
         },
         {{{25, 25}, red}, {{75, 75}, white}}},
        {"an isotropic window keeps its units square",
         [](W &w) {
             w.record(W::SetMapMode, {7}).record(W::SetWindowExt, {100, 200});
             w.penAndBrush(red, red).box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{25, 25}, red}, {{25, 75}, white}}},
        {"the metric modes count tenths of a millimetre upwards",
         // 10 units = 1 mm = 56.7 twips, which the 1440-a-inch frame shows as 56.7 pixels.
         [](W &w) {
             w.record(W::SetMapMode, {2}).penAndBrush(red, red).box(W::Rectangle, 0, 0, 10, -10);
         },
         {{{53, 53}, red}, {{60, 60}, white}}},
        {"a saved state comes back",
         [](W &w) {
             w.penAndBrush(red, red).record(W::SaveDc, {}).brush(0, blue).select(2);
             w.record(W::RestoreDc, {-1}).box(W::Rectangle, 10, 10, 90, 90);
         },
         {{{50, 50}, red}}},
        {"an intersected clip keeps only its inside",
         [](W &w) {
             w.box(W::IntersectClipRect, 0, 0, 50, 100)
                 .penAndBrush(red, red)
                 .box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{25, 50}, red}, {{75, 50}, white}}},
        {"an excluded clip cuts a hole",
         [](W &w) {
             w.box(W::ExcludeClipRect, 30, 30, 70, 70)
                 .penAndBrush(red, red)
                 .box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{10, 10}, red}, {{50, 50}, white}}},
        {"many excluded rectangles each cut their hole",
         [](W &w) {
             for (int x : {10, 40, 70})
                 for (int y : {10, 70})
                     w.box(W::ExcludeClipRect, x, y, x + 20, y + 20);
             w.penAndBrush(red, red).box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{20, 20}, white}, {{80, 80}, white}, {{35, 20}, red}, {{50, 50}, red}}},
        {"a deleted object's number goes to the next one made",
         [](W &w) {
             w.brush(0, blue).brush(0, green).record(W::DeleteObject, {0}).brush(0, red).select(0);
             w.box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{50, 50}, red}}},
        {"a pattern fill takes the brush",
         [](W &w) {
             w.brush(0, green).select(0).record(W::PatBlt, {0x0021, 0x00F0, 50, 50, 0, 0});
         },
         {{{25, 25}, green}, {{75, 75}, white}}},
        {"records we do not play are stepped over",
         [](W &w) {
             w.record(0x0626, {1, 2, 3})
                 .brush(0, green)
                 .select(0)
                 .box(W::Rectangle, 0, 0, 100, 100);
         },
         {{{50, 50}, green}}},
    };
    for (const DrawingCase &c : cases) {
        W builder;
        c.build(builder);
        const QImage image = render(builder.bytes());
        for (const Probe &probe : c.probes)
            EXPECT_TRUE(near(image.pixelColor(probe.at), probe.colour))
                << c.name << " at " << probe.at.x() << "," << probe.at.y() << " is "
                << image.pixelColor(probe.at).name().toStdString();
        if (c.probes.empty()) { // the hatch: both colours, in lines
            int hatched = 0;
            for (int x = 40; x < 60; ++x)
                hatched += near(image.pixelColor(x, 50), blue);
            EXPECT_GT(hatched, 0) << c.name;
            EXPECT_LT(hatched, 20) << c.name;
        }
    }
}

TEST(MetafileRecords, BitmapsOfEveryDepthLandInTheirRectangle)
{
    const QList<QRgb> four{qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 160, 0), qRgb(255, 255, 0)};
    const QList<QList<uint32_t>> indices{{0, 1}, {2, 3}};
    const QList<QList<uint32_t>> rgb{{0xff0000, 0x0000ff}, {0x00a000, 0xffff00}};
    const struct {
        const char *name;
        QByteArray dib;
    } bitmaps[] = {
        {"1 bit", W::dib(2, 1, {{0, 1}, {1, 0}}, {qRgb(255, 0, 0), qRgb(0, 0, 255)})},
        {"4 bits", W::dib(2, 4, indices, four)},
        {"8 bits", W::dib(2, 8, indices, four)},
        {"24 bits", W::dib(2, 24, rgb)},
        {"32 bits top-down", W::dib(2, 32, rgb, {}, true)},
    };
    for (const auto &bitmap : bitmaps) {
        const bool oneBit = QByteArray(bitmap.name) == "1 bit";
        // STRETCHDIB of the whole 2 x 2 bitmap into the frame's top-left 80 x 80.
        QByteArray params;
        for (int word : {0x0020, 0x00CC, 0, 2, 2, 0, 0, 80, 80, 0, 0})
            W::appendWord(params, word);
        const QImage image = render(W().record(W::StretchDib, params + bitmap.dib).bytes());
        EXPECT_TRUE(near(image.pixelColor(20, 20), red)) << bitmap.name;
        EXPECT_TRUE(near(image.pixelColor(60, 20), blue)) << bitmap.name;
        EXPECT_TRUE(near(image.pixelColor(20, 60), oneBit ? blue : green)) << bitmap.name;
        EXPECT_TRUE(near(image.pixelColor(60, 60), oneBit ? red : QColor(255, 255, 0)))
            << bitmap.name;
        EXPECT_TRUE(near(image.pixelColor(90, 90), white)) << bitmap.name;
    }

    // The older blits: DIBSTRETCHBLT of the right column into a 40 x 100 strip, DIBBITBLT at its
    // own size.
    QByteArray stretch, bit;
    for (int word : {0x0020, 0x00CC, 2, 1, 0, 1, 100, 40, 0, 60})
        W::appendWord(stretch, word);
    for (int word : {0x0020, 0x00CC, 0, 0, 2, 2, 0, 0})
        W::appendWord(bit, word);
    const QImage image = render(W().record(W::DibStretchBlt, stretch + W::dib(2, 24, rgb))
                                    .record(W::DibBitBlt, bit + W::dib(2, 24, rgb))
                                    .bytes());
    EXPECT_TRUE(near(image.pixelColor(80, 20), blue));
    EXPECT_TRUE(near(image.pixelColor(80, 80), QColor(255, 255, 0)));
    EXPECT_TRUE(near(image.pixelColor(0, 0), red));
    EXPECT_TRUE(near(image.pixelColor(30, 50), white));
}

TEST(MetafileRecords, TextIsPlacedByItsAlignmentAndTurnedByItsEscapement)
{
    const auto textInk = [](int align, int escapement, int height = -30) {
        W w;
        w.font(height, escapement, 400, 0, "Arial").select(0).record(W::SetBkMode, {1});
        w.record(W::SetTextAlign, {align}).text(50, 50, "HHH");
        return inkBounds(render(w.bytes()));
    };
    const int taCenter = 6, taRight = 2, taBaseline = 24, taBottom = 8;
    const QRect leftTop = textInk(0, 0);
    EXPECT_GE(leftTop.left(), 49);
    EXPECT_GE(leftTop.top(), 50);
    const QRect centred = textInk(taCenter | taBaseline, 0);
    EXPECT_LT(centred.left(), 50);
    EXPECT_GT(centred.right(), 50);
    EXPECT_LE(centred.bottom(), 51);
    const QRect right = textInk(taRight | taBottom, 0);
    EXPECT_LE(right.right(), 51);
    EXPECT_LE(right.bottom(), 51);
    // Turned a quarter turn counter-clockwise, the text runs up the page from its origin.
    const QRect turned = textInk(0, 900);
    EXPECT_GT(turned.height(), turned.width());
    EXPECT_LE(turned.bottom(), 51);
    // Text at the current position moves it on: a second run starts where the first ended.
    const auto runsAtCurrentPosition = [](int runs) {
        W w;
        w.font(-20, 0, 400, 0, "Arial").select(0).record(W::SetBkMode, {1});
        w.record(W::MoveTo, {50, 5}).record(W::SetTextAlign, {1});
        for (int i = 0; i < runs; ++i)
            w.text(0, 0, "HHH");
        return inkBounds(render(w.bytes()));
    };
    EXPECT_GT(runsAtCurrentPosition(2).width(), 1.8 * runsAtCurrentPosition(1).width());
    // A negative height is the characters' own; a positive one the whole cell, so smaller type.
    EXPECT_GT(textInk(0, 0, -30).height(), textInk(0, 0, 30).height());
}

TEST(MetafileRecords, TextOptionsPaintTheBackgroundAndClip)
{
    W w;
    w.font(-40, 0, 700, 0, "Arial").select(0).record(W::SetBkColor, {0x00ff, 0});
    w.record(W::SetTextColor, {0, 0xff});
    // ETO_OPAQUE | ETO_CLIPPED with the rectangle 10,10 .. 40,90: text starting at 30 is cut at 40.
    w.text(30, 20, "WWWW", 0x0006, {10, 10, 40, 90});
    const QImage image = render(w.bytes());
    EXPECT_TRUE(near(image.pixelColor(15, 80), red));
    EXPECT_TRUE(inkBounds(image).right() <= 40);
    bool textColour = false;
    for (int x = 30; x < 40; ++x)
        for (int y = 20; y < 60; ++y)
            textColour |= near(image.pixelColor(x, y), blue);
    EXPECT_TRUE(textColour);
}

TEST(MetafileRecords, TextBytesAreReadByTheFontsCharacterSet)
{
    const struct {
        int charset;
        const char *face;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {0, "Arial", "caf\xe9 \x80", QStringLiteral(u"café €")},
        {1, "Arial", "\x93ok\x94", QStringLiteral(u"“ok”")},
        {2, "Symbol", "abp\xb3", QStringLiteral(u"αβπ≥")},
        {2, "Wingdings", "J", QStringLiteral(u"\uf04a")},
        {204, "Arial", "\xcf\xf0\xe8", QStringLiteral(u"При")},
        {161, "Arial", "\xe1", QStringLiteral(u"α")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeMetaText(c.bytes, c.charset, c.face), c.text) << c.face << " " << c.charset;
}

// What a screen reader is given of a page: runs on one baseline make a line, with a blank only
// where the drawing leaves a gap; each run is read in the font selected when it was drawn.
TEST(MetafileRecords, TextReadsLineByLineInTheFontsItWasDrawnIn)
{
    const QList<int> tens{10, 10, 10, 10};
    W wmf;
    wmf.font(-10, 0, 400, 0, "Arial").select(0);
    wmf.text(10, 50, "Wood", 0, {}, tens).text(60, 50, "is", 0, {}, {10, 10});
    wmf.text(80, 50, ",", 0, {}, {10});
    // The Symbol font takes slot 1; once slot 0 is free, the next font takes it again.
    wmf.font(-10, 0, 400, 2, "Symbol").select(1).record(W::DeleteObject, {0});
    wmf.text(10, 80, "a", 0, {}, {10});
    wmf.font(-10, 0, 400, 0, "Arial").select(0).text(40, 80, "b", 0, {}, {10});
    EXPECT_EQ(Metafile::fromBytes(wmf.bytes(), "page.wmf").text(),
              QStringLiteral(u"Wood is,\nα b"));
}

TEST(MetafileRecords, OwnSizeComesFromThePlaceableHeaderOrTheWindow)
{
    EXPECT_EQ(Metafile::fromBytes(W(true, 720, 2880).bytes(), "a").sizeTwips(), QSizeF(720, 2880));

    // Without the placeable header: an anisotropic window with no viewport counts in twips...
    const QByteArray twips = W(false)
                                 .record(W::SetMapMode, {8})
                                 .record(W::SetWindowExt, {1440, 2880})
                                 .brush(0, red)
                                 .select(0)
                                 .box(W::Rectangle, 0, 0, 100, 100)
                                 .bytes();
    EXPECT_EQ(Metafile::fromBytes(twips, "b").sizeTwips(), QSizeF(2880, 1440));
    // ...a viewport gives the size in screen pixels...
    const QByteArray pixels = W(false)
                                  .record(W::SetMapMode, {8})
                                  .record(W::SetWindowExt, {1000, 1000})
                                  .record(W::SetViewportExt, {50, 100})
                                  .box(W::Rectangle, 0, 0, 100, 100)
                                  .bytes();
    EXPECT_EQ(Metafile::fromBytes(pixels, "c").sizeTwips(), QSizeF(100 * 15, 50 * 15));
    // ...and with no window at all the picture is as large as what it draws, in pixels.
    const QByteArray bare = W(false)
                                .pen(5, 0, red)
                                .brush(0, red)
                                .select(0)
                                .select(1)
                                .box(W::Rectangle, 10, 20, 50, 80)
                                .bytes();
    const Metafile metafile = Metafile::fromBytes(bare, "d");
    EXPECT_NEAR(metafile.sizeTwips().width(), 40 * 15, 2 * 15);
    EXPECT_NEAR(metafile.sizeTwips().height(), 60 * 15, 2 * 15);
    const QImage image = render(bare);
    EXPECT_TRUE(near(image.pixelColor(50, 50), red)); // the drawing fills its frame
}

TEST(MetafileRecords, DamagedFilesAreRefusedWithTheirReason)
{
    const QByteArray good = W().penAndBrush(red, red).box(W::Rectangle, 0, 0, 10, 10).bytes();
    const auto withWord = [&](qsizetype at, int word) {
        QByteArray bytes = good;
        bytes[at] = char(word & 0xff);
        bytes[at + 1] = char(word >> 8);
        return bytes;
    };
    const qsizetype firstRecord = 22 + 18;
    QByteArray dibParams;
    for (int word : {0x0020, 0x00CC, 0, 2, 2, 0, 0, 80, 80, 0, 0})
        W::appendWord(dibParams, word);
    QByteArray hugeDib = W::dib(2, 24, {{0, 0}, {0, 0}});
    hugeDib[4] = char(0xff); // width 65535 + 2
    hugeDib[5] = char(0xff);
    const struct {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"empty file", {}, "runs past the end"},
        {"not a metafile", QByteArray(40, 'x'), "not a Windows metafile header"},
        {"no units per inch", withWord(14, 0), "no units per inch"},
        {"record longer than the file", withWord(firstRecord, 0x7000), "past the end of the file"},
        {"record shorter than its header", withWord(firstRecord, 2), "past the end of the file"},
        {"no end record", good.chopped(6), "ends without its end record"},
        {"point count past its record", W().record(W::Polygon, {500, 1, 2}).bytes(), "point count"},
        {"negative text length", W().record(W::TextOut, {-4, 0, 0}).bytes(), "negative length"},
        {"bitmap larger than the limits", W().record(W::StretchDib, dibParams + hugeDib).bytes(),
         "bitmap is larger"},
        {"bitmap bits cut short",
         W().record(W::StretchDib, dibParams + W::dib(2, 24, {{0, 0}, {0, 0}}).chopped(4)).bytes(),
         "bitmap bits runs past the end"},
    };
    for (const auto &c : cases) {
        try {
            Picture::metafileFromBytes(c.bytes, "page.wmf");
            ADD_FAILURE() << c.name << " was accepted";
        } catch (const FileError &error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("page.wmf: damaged metafile: ", 0), 0u) << message;
            EXPECT_NE(message.find(c.reason), std::string::npos) << c.name << ": " << message;
        }
    }
}
