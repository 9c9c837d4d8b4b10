// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metafile.h"
#include "wmf/metafiledevice.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <gtest/gtest.h>

// What contentgen writes, the program plays: each kind of record the pages use goes through the
// metafile writer and back through the player onto an image, and shows where it should.

namespace
{

const QSize scene(2000, 1500); // twips
const int twipsPerPixel = 10;  // played onto a 200 x 150 image

struct Probe {
    QPoint pixel;
    QColor colour;
};

struct RoundTrip {
    const char *name;
    std::function<void(QPainter &)> paint;
    QList<Probe> probes;
};

QFont arial(int pixels, bool bold = false)
{
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QImage played(const std::function<void(QPainter &)> &paint)
{
    MetafileDevice device(scene);
    QPainter painter(&device);
    paint(painter);
    painter.end();
    const Metafile metafile = Metafile::fromBytes(device.bytes(), "round trip");
    EXPECT_EQ(metafile.sizeTwips(), QSizeF(scene));
    QImage image(scene / twipsPerPixel, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter onImage(&image);
    metafile.play(onImage, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

bool near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

const RoundTrip roundTrips[] = {
    {"rectangle: brush inside, pen on its edge",
     [](QPainter &p) {
         p.setPen(QPen(Qt::black, 40));
         p.setBrush(Qt::red);
         p.drawRect(QRectF(200, 200, 800, 600));
     },
     {{{60, 50}, Qt::red}, {{20, 50}, Qt::black}, {{10, 50}, Qt::white}}},
    {"ellipse: filled, corners left clear",
     [](QPainter &p) {
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::blue);
         p.drawEllipse(QRectF(200, 200, 1000, 600));
     },
     {{{70, 50}, Qt::blue}, {{22, 22}, Qt::white}}},
    {"poly-polygon, alternate fill: the hole stays empty",
     [](QPainter &p) {
         QPainterPath path;
         path.addRect(200, 200, 1600, 1100);
         path.addRect(700, 500, 600, 500);
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::darkGreen);
         p.drawPath(path);
     },
     {{{30, 30}, Qt::darkGreen}, {{100, 75}, Qt::white}}},
    {"polygon and polyline: a filled triangle and a wide line",
     [](QPainter &p) {
         const QPointF triangle[] = {{200, 1400}, {1000, 1400}, {600, 900}};
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::darkYellow);
         p.drawPolygon(triangle, 3);
         p.setPen(QPen(Qt::magenta, 60));
         p.drawLine(QPointF(1100, 700), QPointF(1900, 700));
     },
     {{{60, 130}, Qt::darkYellow},
      {{25, 95}, Qt::white},
      {{150, 70}, Qt::magenta},
      {{150, 60}, Qt::white}}},
    {"text: coloured glyphs on the baseline, on a see-through background",
     [](QPainter &p) {
         p.fillRect(QRectF(0, 0, 2000, 1500), Qt::yellow);
         p.setFont(arial(600, true));
         p.setPen(Qt::red);
         p.drawText(QPointF(200, 1000), "I");
     },
     {{{25, 70}, Qt::red},
      {{21, 70}, Qt::yellow},
      {{25, 30}, Qt::yellow},
      {{25, 110}, Qt::yellow}}},
    {"turned text: the letter stands on its side",
     [](QPainter &p) {
         p.setFont(arial(600, true));
         p.translate(1000, 1000);
         p.rotate(-90);
         p.drawText(QPointF(0, 0), "I");
     },
     {{{80, 92}, Qt::black}, {{110, 92}, Qt::white}, {{80, 80}, Qt::white}}},
    {"clip rectangle: nothing drawn outside it",
     [](QPainter &p) {
         p.setClipRect(QRectF(0, 0, 1000, 1500));
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::gray);
         p.drawRect(QRectF(0, 0, 2000, 1500));
     },
     {{{50, 75}, Qt::gray}, {{150, 75}, Qt::white}}},
};

} // namespace

TEST(MetafileRoundTrip, WhatTheWriterWritesThePlayerDraws)
{
    for (const RoundTrip &trip : roundTrips) {
        SCOPED_TRACE(trip.name);
        const QImage image = played(trip.paint);
        for (const Probe &probe : trip.probes) {
            const QColor seen = image.pixelColor(probe.pixel);
            EXPECT_TRUE(near(seen, probe.colour))
                << "at " << probe.pixel.x() << "," << probe.pixel.y() << " saw "
                << seen.name().toStdString() << ", expected " << probe.colour.name().toStdString();
        }
    }
}
