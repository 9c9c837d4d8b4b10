// SPDX-License-Identifier: GPL-3.0-or-later
// Showing a page: load the largest of the foreign test metafiles from disk and play it onto a
// screen-sized image, as the page viewer does each time it shows a page (nothing is cached).
#include "platform/picture.h"
#include "wmf/metafile.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace
{

const QString largestFile = QStringLiteral(KELVARIN_TEST_DATA_DIR "/wmf/libreoffice-drawing.wmf");

void LoadAndPlayPage(benchmark::State &state)
{
    QImage screen(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        const Metafile page = Picture::loadMetafile(largestFile);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        const QSizeF ownSize = page.sizeTwips() / 15;
        page.play(painter, QRectF(QPointF(0, 0), ownSize));
    }
}

void LoadOnly(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Picture::loadMetafile(largestFile));
}

} // namespace

BENCHMARK(LoadAndPlayPage)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadOnly)->Unit(benchmark::kMillisecond);
