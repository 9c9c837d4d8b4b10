// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagepicture.h"
#include "wmf/facenames.h"
#include "wmf/metaerrors.h"
#include "wmf/metafiledevice.h"
#include "wmf/wmfformat.h"
#include "wmfrecords.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <gtest/gtest.h>

// What a QPainter draws on a MetafileDevice comes out as the metafile records a player needs:
// read back with the structural reader, record by record.

namespace
{

const QString testPictures = QStringLiteral(KELVARIN_TEST_DATA_DIR "/pages/pictures");

using enum wmf::Function;

QByteArray paintedBytes(const std::function<void(QPainter &)> &paint, bool grey = false)
{
    MetafileDevice device(QSize(2000, 1500));
    device.setGreyscale(grey);
    QPainter painter(&device);
    paint(painter);
    painter.end();
    return device.bytes();
}

WmfFile painted(const std::function<void(QPainter &)> &paint, bool grey = false)
{
    return readWmf(paintedBytes(paint, grey));
}

QRgb colourAt(const WmfRecord &r, int byte)
{
    const auto *c = reinterpret_cast<const uchar *>(r.params.constData() + byte);
    return qRgb(c[0], c[1], c[2]);
}

QFont arial(int pixels, bool bold = false)
{
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Rectangles are stored bottom, right, top, left.
QRect rectOf(const WmfRecord &r, int first = 0)
{
    return QRect(QPoint(r.word(first + 3), r.word(first + 2)),
                 QPoint(r.word(first + 1) - 1, r.word(first) - 1));
}

struct DrawCase {
    const char *name;
    std::function<void(QPainter &)> paint;
    std::function<void(const WmfFile &)> check;
};

const DrawCase drawCases[] = {
    {"text: one record, its words, Arial, each character's advance",
     [](QPainter &p) {
         p.setFont(arial(240));
         p.drawText(QPointF(100, 500), "Kelvarin café");
     },
     [](const WmfFile &f) {
         ASSERT_EQ(f.with(ExtTextOut).size(), 1);
         const WmfRecord &text = *f.with(ExtTextOut).first();
         EXPECT_EQ(QPoint(text.word(1), text.word(0)), QPoint(100, 500));
         EXPECT_EQ(f.texts(), QStringList{"Kelvarin café"});
         int advance = 0;
         for (int i = 0; i < 13; ++i)
             advance += text.word(4 + 7 + i); // 13 bytes of text take seven words
         EXPECT_NEAR(advance, QFontMetricsF(arial(240)).horizontalAdvance("Kelvarin café"), 1);
         const WmfRecord &font = *f.with(CreateFontIndirect).first();
         EXPECT_EQ(font.word(0), -240);
         EXPECT_EQ(font.word(4), 400);
         EXPECT_EQ(font.params.mid(18, 6), QByteArray("Arial", 6));
         EXPECT_EQ(f.with(SetTextAlign).first()->word(0), 24); // baseline
         EXPECT_EQ(f.with(SetBkMode).first()->word(0), 1);     // transparent
     }},
    {"kerned pair: the kerning shortens the first character's advance",
     [](QPainter &p) {
         p.setFont(arial(1000, true));
         p.drawText(QPointF(0, 1000), "Te");
     },
     [](const WmfFile &f) {
         const QFontMetricsF metrics(arial(1000, true));
         const qreal kernedT = metrics.horizontalAdvance("Te") - metrics.horizontalAdvance("e");
         ASSERT_LT(kernedT, metrics.horizontalAdvance("T") - 10) << "Arial kerns T and e";
         EXPECT_NEAR(f.with(ExtTextOut).first()->word(5), kernedT, 1);
     }},
    {"turned bold italic text: escapement counter-clockwise in tenths of a degree",
     [](QPainter &p) {
         QFont font = arial(200, true);
         font.setItalic(true);
         p.setFont(font);
         p.translate(1000, 1000);
         p.rotate(-90);
         p.drawText(QPointF(0, 0), "Up");
     },
     [](const WmfFile &f) {
         const WmfRecord &font = *f.with(CreateFontIndirect).first();
         EXPECT_EQ(font.word(2), 900);
         EXPECT_EQ(font.word(4), 700);
         EXPECT_EQ(font.params.at(10), 1);
         EXPECT_EQ(f.texts(), QStringList{"Up"});
         EXPECT_EQ(QPoint(f.with(ExtTextOut).first()->word(1), f.with(ExtTextOut).first()->word(0)),
                   QPoint(1000, 1000));
     }},
    {"text in an installed twin: written as the Windows face the player draws with that twin",
     [](QPainter &p) {
         QFont font("Liberation Serif");
         font.setPixelSize(200);
         p.setFont(font);
         p.drawText(QPointF(0, 500), "Ice");
     },
     [](const WmfFile &f) {
         const QByteArray face = f.with(CreateFontIndirect).first()->params.mid(18).split('\0')[0];
         EXPECT_EQ(face, "Times New Roman");
         EXPECT_EQ(installedFamilyFor(QString::fromLatin1(face)), "Liberation Serif");
     }},
    {"wrapped text from a rectangle: every word in text records",
     [](QPainter &p) {
         p.setFont(arial(200));
         p.drawText(QRectF(0, 0, 1500, 1500), Qt::TextWordWrap,
                    "Wood floats and a stone sinks in water");
     },
     [](const WmfFile &f) {
         EXPECT_GT(f.with(ExtTextOut).size(), 1);
         EXPECT_EQ(f.texts().join(' '), "Wood floats and a stone sinks in water");
     }},
    {"rectangle and ellipse: their own records, pen and brush",
     [](QPainter &p) {
         p.setPen(QPen(QColor(255, 0, 0), 30));
         p.setBrush(QColor(0, 0, 255));
         p.drawRect(QRectF(100, 200, 300, 400));
         p.drawEllipse(QRectF(500, 200, 300, 100));
     },
     [](const WmfFile &f) {
         ASSERT_EQ(f.with(Rectangle).size(), 1);
         EXPECT_EQ(rectOf(*f.with(Rectangle).first()), QRect(100, 200, 300, 400));
         EXPECT_EQ(rectOf(*f.with(Ellipse).first()), QRect(500, 200, 300, 100));
         const WmfRecord &pen = *f.with(CreatePenIndirect).first();
         EXPECT_EQ(pen.word(1), 30);
         EXPECT_EQ(colourAt(pen, 6), qRgb(255, 0, 0));
         const WmfRecord &brush = *f.with(CreateBrushIndirect).first();
         EXPECT_EQ(brush.word(0), 0); // solid
         EXPECT_EQ(colourAt(brush, 2), qRgb(0, 0, 255));
     }},
    {"scaled painter: shapes and pen widths in the metafile's units",
     [](QPainter &p) {
         p.scale(2, 2);
         p.setPen(QPen(Qt::black, 10));
         p.drawRect(QRectF(10, 10, 50, 50));
     },
     [](const WmfFile &f) {
         EXPECT_EQ(rectOf(*f.with(Rectangle).first()), QRect(20, 20, 100, 100));
         EXPECT_EQ(f.with(CreatePenIndirect).first()->word(1), 20);
     }},
    {"odd-even polygon: alternate fill mode, then the polygon",
     [](QPainter &p) {
         p.setBrush(Qt::green);
         const QPointF points[] = {{0, 0}, {1000, 0}, {500, 800}};
         p.drawPolygon(points, 3, Qt::OddEvenFill);
     },
     [](const WmfFile &f) {
         EXPECT_EQ(f.with(SetPolyFillMode).first()->word(0), 1);
         ASSERT_EQ(f.with(Polygon).size(), 1);
         EXPECT_GE(f.with(Polygon).first()->word(0), 3);
         EXPECT_EQ(QPoint(f.with(Polygon).first()->word(5), f.with(Polygon).first()->word(6)),
                   QPoint(500, 800));
     }},
    {"path with a hole: one poly-polygon, winding fill",
     [](QPainter &p) {
         QPainterPath path;
         path.addRect(0, 0, 1000, 1000);
         path.addRect(250, 250, 500, 500);
         path.setFillRule(Qt::WindingFill);
         p.setBrush(Qt::gray);
         p.drawPath(path);
     },
     [](const WmfFile &f) {
         EXPECT_EQ(f.with(SetPolyFillMode).first()->word(0), 2);
         ASSERT_EQ(f.with(PolyPolygon).size(), 1);
         EXPECT_EQ(f.with(PolyPolygon).first()->word(0), 2);
     }},
    {"open curve: flattened into one polyline",
     [](QPainter &p) {
         QPainterPath curve(QPointF(0, 1000));
         curve.cubicTo(300, 0, 700, 0, 1000, 1000);
         p.setPen(QPen(Qt::black, 20));
         p.drawPath(curve);
     },
     [](const WmfFile &f) {
         ASSERT_EQ(f.with(Polyline).size(), 1);
         EXPECT_GT(f.with(Polyline).first()->word(0), 8);
         EXPECT_TRUE(f.with(Polygon).isEmpty());
     }},
    {"picture: a 24-bit DIB stretched over its place",
     [](QPainter &p) {
         QImage image(4, 3, QImage::Format_RGB32);
         image.fill(QColor(255, 0, 0));
         p.drawImage(QRectF(100, 100, 400, 300), image);
     },
     [](const WmfFile &f) {
         ASSERT_EQ(f.with(StretchDib).size(), 1);
         const WmfRecord &dib = *f.with(StretchDib).first();
         EXPECT_EQ(QRect(dib.word(10), dib.word(9), dib.word(8), dib.word(7)),
                   QRect(100, 100, 400, 300));
         EXPECT_EQ(u32(dib.params, 22 + 4), 4u);
         EXPECT_EQ(u32(dib.params, 22 + 8), 3u);
         EXPECT_EQ(u16(dib.params, 22 + 14), 24);
         EXPECT_EQ(dib.params.mid(22 + 40, 3), QByteArray("\x00\x00\xff", 3)); // blue, green, red
     }},
    {"clip rectangle: between SAVEDC and RESTOREDC",
     [](QPainter &p) {
         p.setClipRect(QRectF(100, 100, 500, 500));
         p.setBrush(Qt::blue);
         p.drawRect(QRectF(0, 0, 1000, 1000));
     },
     [](const WmfFile &f) {
         ASSERT_EQ(f.with(SaveDc).size(), 1);
         EXPECT_EQ(rectOf(*f.with(IntersectClipRect).first()), QRect(100, 100, 500, 500));
         EXPECT_EQ(f.with(RestoreDc).size(), 1);
         EXPECT_EQ(f.with(RestoreDc).first()->word(0), -1);
     }},
    {"SVG picture: shapes as vectors, its text as text records",
     [](QPainter &p) { drawPicture(p, testPictures + "/ice.svg", QRectF(0, 0, 1800, 1500)); },
     [](const WmfFile &f) {
         EXPECT_EQ(f.texts(), QStringList{"ICE"});
         EXPECT_EQ(f.with(CreateFontIndirect).first()->word(4), 700);
         EXPECT_FALSE(f.with(Polygon).isEmpty());
         EXPECT_TRUE(f.with(StretchDib).isEmpty());
     }},
    {"see-through colour: mixed with the white beneath",
     [](QPainter &p) {
         p.setPen(Qt::NoPen);
         p.setBrush(QColor(0, 0, 0, 128));
         p.drawRect(QRectF(0, 0, 100, 100));
     },
     [](const WmfFile &f) {
         EXPECT_EQ(colourAt(*f.with(CreateBrushIndirect).last(), 2), qRgb(127, 127, 127));
         EXPECT_EQ(f.with(CreatePenIndirect).first()->word(0), 5); // the null pen
     }},
};

} // namespace

TEST(MetafileDevice, WritesEachDrawingAsItsRecords)
{
    for (const DrawCase &c : drawCases) {
        SCOPED_TRACE(c.name);
        const WmfFile file = painted(c.paint);
        EXPECT_EQ(file.bounds, QRect(0, 0, 2000, 1500));
        EXPECT_EQ(file.unitsPerInch, 1440);
        c.check(file);
    }
}

TEST(MetafileDevice, GreyscaleWritesShadesOfGrey)
{
    const WmfFile file = painted(
        [](QPainter &p) {
            p.setPen(QPen(QColor(0, 160, 0), 10));
            p.setBrush(QColor(255, 0, 0));
            p.drawRect(QRectF(0, 0, 100, 100));
            p.drawText(QPointF(0, 500), "grey");
        },
        true);
    const int red = qGray(255, 0, 0), green = qGray(0, 160, 0);
    EXPECT_EQ(colourAt(*file.with(CreateBrushIndirect).first(), 2), qRgb(red, red, red));
    EXPECT_EQ(colourAt(*file.with(CreatePenIndirect).first(), 6), qRgb(green, green, green));
    EXPECT_EQ(colourAt(*file.with(SetTextColor).first(), 0),
              qRgb(green, green, green)); // text colour
}

TEST(MetafileDevice, RefusesWhatAMetafileCannotHold)
{
    const struct {
        const char *expected;
        std::function<void(QPainter &)> paint;
    } refusals[] = {
        {"\"arrow \u2192 here\" holds a character that Windows-1252 lacks",
         [](QPainter &p) { p.drawText(QPointF(0, 500), QString::fromUtf8("arrow \u2192 here")); }},
        {"gradient",
         [](QPainter &p) {
             p.setBrush(QLinearGradient(0, 0, 100, 0));
             p.drawRect(QRectF(0, 0, 100, 100));
         }},
        {"clip that is not a rectangle",
         [](QPainter &p) {
             QPainterPath round;
             round.addEllipse(0, 0, 100, 100);
             p.setClipPath(round);
             p.drawRect(QRectF(0, 0, 100, 100));
         }},
    };
    for (const auto &refusal : refusals) {
        SCOPED_TRACE(refusal.expected);
        try {
            paintedBytes(refusal.paint);
            ADD_FAILURE() << "no error";
        } catch (const MetaWriteError &e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QString::fromUtf8(refusal.expected)))
                << e.what();
        }
    }
}
