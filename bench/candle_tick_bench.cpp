// One tick of the candle animation on the "Changes in Materials" menu: load the next frame from
// disk into the picture and paint it. At one tick every 75 ms, 3.75 ms a tick is 5% of a core.
#include "app/program.h"
#include "menus/topicmenu.h"
#include "platform/image.h"
#include "platform/timer.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace
{

void CandleTick(benchmark::State &state)
{
    QDir::setCurrent(QStringLiteral(KELVARIN_CONTENT_DIR));
    Program program;
    program.stage.resize(1024, 768);
    program.stage.show();
    TopicMenu &menu = program.screens.irreversible();
    menu.show();
    menu.Timer1->setEnabled(false);
    for (auto _ : state) {
        menu.Timer1_Timer();
        menu.Image1->repaint();
    }
}

} // namespace

BENCHMARK(CandleTick)->Unit(benchmark::kMillisecond);
