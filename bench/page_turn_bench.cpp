// SPDX-License-Identifier: GPL-3.0-or-later
// One page turn in the page viewer on the largest page: both copies loaded from disk and the
// screen painted. A 60 Hz frame is 16.7 ms.
#include "app/program.h"
#include "app/screens.h"
#include "exposed.h"
#include "platform/image.h"
#include "viewers/teacher.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{

void PageTurn(benchmark::State &state)
{
    Program program{ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR))};
    program.stage.resize(1024, 768);
    program.stage.show();
    Teacher &viewer = program.screens.teacher();
    viewer.openPageSet("key irreversible", 2); // its second page is the largest
    if (!waitUntilExposed(program.stage, state))
        return;
    for (auto _ : state) {
        viewer.Label3_Click(2);
        viewer.repaint();
        viewer.Label3_Click(3);
        viewer.repaint();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

} // namespace

BENCHMARK(PageTurn)->Unit(benchmark::kMillisecond);
