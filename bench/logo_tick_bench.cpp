// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the logo animation on the acknowledgments page: load the next GIF frame from disk
// into the 1800 x 1800 twip picture box and paint it. At one tick every 25 ms, 0.75 ms a tick is
// 3% of a core.
#include "app/program.h"
#include "exposed.h"
#include "platform/picturebox.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{

void LogoTick(benchmark::State &state)
{
    Program program{ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR))};
    program.stage.resize(1024, 768);
    program.stage.show();
    PictureBox box(&program.stage);
    box.setPlace({9000, 4320, 1800, 1800});
    box.setBackColor(QColor(49, 135, 214));
    box.show();
    if (!waitUntilExposed(program.stage, state))
        return;
    int frame = 0;
    for (auto _ : state) {
        frame = (frame + 1) % 20;
        box.LoadPicture(QString("logo\\orrb%1.gif").arg(frame, 4, 10, QChar('0')));
        box.repaint();
    }
}

} // namespace

BENCHMARK(LogoTick)->Unit(benchmark::kMillisecond);
