// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

// Checks the logo the acknowledgments page shows: 20 GIF frames of a lantern whose flame flickers
// in a loop, one every 25 ms, and the BMP name plate beneath them.

namespace
{

const QDir contentDir(QStringLiteral(KELVARIN_CONTENT_DIR));
constexpr int frameCount = 20;
const QColor pictureBoxBack(49, 135, 214);

QString frameName(int frame)
{
    return QString("logo/orrb%1.gif").arg(frame, 4, 10, QChar('0'));
}

QImage readFrame(int frame)
{
    return QImage(contentDir.filePath(frameName(frame))).convertToFormat(QImage::Format_RGB32);
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Pixels whose colour changes by more than an eye notices at a glance (about 6% of full scale).
int visiblyChangedPixels(const QImage &a, const QImage &b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += channelDifference(a.pixel(x, y), b.pixel(x, y)) > 16;
    return changed;
}

TEST(ContentLogo, FramesAndPlateAreGifAndBmpAtTheirBoxesSizes)
{
    for (int frame = 0; frame < frameCount; ++frame) {
        const QString path = contentDir.filePath(frameName(frame));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(file.read(6), QByteArray("GIF89a")) << frame;
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), "gif") << frame;
        const QImage image = reader.read();
        EXPECT_EQ(image.size(), QSize(120, 120)) << frame;
        // Drawn on the picture box's own colour, so no edge shows round the picture.
        EXPECT_EQ(image.pixelColor(0, 0), pictureBoxBack) << frame;
        EXPECT_EQ(image.pixelColor(115, 0), pictureBoxBack) << frame;
    }
    QImageReader plate(contentDir.filePath("logo/orrowby2.bmp"));
    EXPECT_EQ(plate.format(), "bmp");
    EXPECT_EQ(plate.read().size(), QSize(120, 89));
}

// The flame moves a little from each frame to the next, including from the last back to the
// first: there is motion, and no jump where the loop wraps round.
TEST(ContentLogo, FlameMovesSmoothlyRoundTheLoop)
{
    std::vector<QImage> frames;
    for (int frame = 0; frame < frameCount; ++frame)
        frames.push_back(readFrame(frame));
    std::vector<int> steps;
    for (int frame = 0; frame < frameCount; ++frame)
        steps.push_back(visiblyChangedPixels(frames[frame], frames[(frame + 1) % frameCount]));
    const int pixels = 120 * 120;
    for (int frame = 0; frame < frameCount; ++frame) {
        EXPECT_GE(steps[frame], 30) << "frame " << frame << " to the next hardly changes";
        EXPECT_LE(steps[frame], pixels / 20) << "frame " << frame << " to the next jumps";
    }
    const int largestInside = *std::max_element(steps.begin(), steps.end() - 1);
    EXPECT_LE(steps.back(), largestInside) << "the wrap from the last frame to the first jumps";

    // Two rows of ten at twice the size, in the order they play, for people to look at.
    QImage strip(10 * 240, 2 * 240, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int frame = 0; frame < frameCount; ++frame)
        painter.drawImage(QRect(frame % 10 * 240, frame / 10 * 240, 240, 240), frames[frame]);
    painter.end();
    const QDir gallery(QStringLiteral(KELVARIN_GALLERY_DIR));
    gallery.mkpath(".");
    EXPECT_TRUE(strip.save(gallery.filePath("logo_frames.png")));
}

QImage renderSource(const QString &svgPath)
{
    QSvgRenderer renderer(svgPath);
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

// A pixel of the drawing inside a smooth area, where banding would show: it is within 3 levels
// of its four neighbours.
bool isSmooth(const QImage &image, int x, int y)
{
    const QRgb here = image.pixel(x, y);
    return channelDifference(here, image.pixel(x - 1, y)) <= 3 &&
           channelDifference(here, image.pixel(x + 1, y)) <= 3 &&
           channelDifference(here, image.pixel(x, y - 1)) <= 3 &&
           channelDifference(here, image.pixel(x, y + 1)) <= 3;
}

// 256 colours are enough for the lantern when they are well chosen: the GIFs stay close to the
// drawing, and in its smooth gradients (the glow, the glass, the flame) every pixel keeps within
// half a visible step, so no bands appear. Only edge pixels may stray further.
TEST(ContentLogo, FramesKeepTheDrawingsColoursWithoutBands)
{
    const QDir sources(QStringLiteral(KELVARIN_ART_SOURCES "/logo"));
    for (int frame = 0; frame < frameCount; ++frame) {
        const QImage drawn =
            renderSource(sources.filePath(QString("orrb%1.gif.svg").arg(frame, 4, 10, QChar('0'))));
        const QImage written = readFrame(frame);
        ASSERT_EQ(drawn.size(), written.size()) << frame;
        long total = 0;
        int smooth = 0, smoothOff = 0, smoothWorst = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const int d = channelDifference(drawn.pixel(x, y), written.pixel(x, y));
                total += d;
                if (x == 0 || y == 0 || x + 1 == drawn.width() || y + 1 == drawn.height() ||
                    !isSmooth(drawn, x, y))
                    continue;
                ++smooth;
                smoothOff += d > 4;
                smoothWorst = std::max(smoothWorst, d);
            }
        EXPECT_LE(double(total) / (drawn.width() * drawn.height()), 2.0) << frame;
        EXPECT_LE(smoothOff, smooth / 100) << frame;
        EXPECT_LE(smoothWorst, 12) << frame;
    }
}

} // namespace
