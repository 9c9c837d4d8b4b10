// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <benchmark/benchmark.h>

// A window paints only once it is exposed, which the platform reports through the event loop;
// until then repaint() does nothing, and a benchmark would time no painting at all. Returns
// false, the benchmark marked as failed, when the window is never exposed.
inline bool waitUntilExposed(QWidget &window, benchmark::State &state)
{
    for (int turn = 0; turn < 100 && !window.windowHandle()->isExposed(); ++turn)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (window.windowHandle()->isExposed())
        return true;
    state.SkipWithError("the window was never exposed, so nothing would be painted");
    return false;
}
