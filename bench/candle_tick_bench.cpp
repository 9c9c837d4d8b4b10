// SPDX-License-Identifier: GPL-3.0-or-later
// One tick of the candle animation on the "Changes in Materials" menu: load the next frame from
// disk into the picture and paint it. At one tick every 75 ms, 3.75 ms a tick is 5% of a core.
// On a 1920 x 1080 display, with the screens filling it ("scaled:1") and at one-to-one. The CPU
// time is the whole process's: Qt hands large scaled drawing to threads of its own.
#include "app/program.h"
#include "exposed.h"
#include "menus/topicmenu.h"
#include "files/contentpath.h"
#include "platform/displayscale.h"
#include "platform/image.h"
#include "platform/timer.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{

void CandleTick(benchmark::State &state)
{
    const QSize display(1920, 1080);
    Program program{ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR))};
    program.stage.setDisplayScale(state.range(0) ? DisplayScale::toFit(display) : 1.0);
    program.stage.resize(display);
    program.stage.show();
    TopicMenu &menu = program.screens.irreversible();
    menu.show();
    menu.Timer1->setEnabled(false);
    if (!waitUntilExposed(program.stage, state))
        return;
    for (auto _ : state) {
        menu.Timer1_Timer();
        menu.Image1->repaint();
    }
}

} // namespace

BENCHMARK(CandleTick)
    ->ArgName("scaled")
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
