// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time to the title screen's first paint, against a bare Qt window built the same way,
// and peak memory at the main menu. The title screen fills the display, as the program shows it,
// and is timed at its actual size too. Each iteration starts a fresh process on the current display
// (run under Xvfb); the counters carry the figures the processes report themselves.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <ctime>

namespace
{

double wallClockMs()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

// Runs a probe program and returns its "<what> ms kb" report, the time made relative to the
// moment the process was started.
QStringList runProbe(const QString &program, const QStringList &args)
{
    QProcess process;
    const double started = wallClockMs();
    process.start(QCoreApplication::applicationDirPath() + "/" + program, args);
    if (!process.waitForFinished(30000))
        return {};
    QStringList fields =
        QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed().split(' ');
    if (fields.size() >= 3)
        fields[fields.size() - 2] = QString::number(fields[fields.size() - 2].toDouble() - started);
    return fields;
}

void report(benchmark::State &state, const QString &program, const QStringList &args)
{
    double paintMs = 0;
    double peakKb = 0;
    for (auto _ : state) {
        const QStringList fields = runProbe(program, args);
        if (fields.size() < 3) {
            state.SkipWithError("probe did not report; is a display available?");
            return;
        }
        paintMs += fields.at(fields.size() - 2).toDouble();
        peakKb = std::max(peakKb, fields.last().toDouble());
    }
    state.counters["first_paint_ms"] = paintMs / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = peakKb / 1024.0;
}

void BareQtWindow(benchmark::State &state)
{
    report(state, "bare_window", {});
}
void BareQtWindowWithText(benchmark::State &state)
{
    report(state, "bare_window", {"text"});
}
void KelvarinTitleScreen(benchmark::State &state)
{
    report(state, "kelvarin_startup", {});
}
void KelvarinTitleScreenActualSize(benchmark::State &state)
{
    report(state, "kelvarin_startup", {"actual-size"});
}
void KelvarinMainMenu(benchmark::State &state)
{
    report(state, "kelvarin_startup", {"menu"});
}

} // namespace

BENCHMARK(BareQtWindow)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BareQtWindowWithText)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(KelvarinTitleScreen)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(KelvarinTitleScreenActualSize)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(KelvarinMainMenu)->Iterations(10)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
