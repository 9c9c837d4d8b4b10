// One tick of the candle animation on the "Changes in Materials" menu: load the next frame from
// disk into the picture and paint it. At one tick every 75 ms, 3.75 ms a tick is 5% of a core.
#include "app/screens.h"
#include "menus/topicmenu.h"
#include "platform/clockrandom.h"
#include "platform/image.h"
#include "platform/messageboxes.h"
#include "platform/qtprinter.h"
#include "platform/qttimerclock.h"
#include "platform/sound.h"
#include "platform/stage.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace
{

struct Silent : SndDevil {
    void Play(const QString &) override {}
};

struct NoBoxes : MessageBoxes {
    MsgResult show(const QString &, MsgButtons, const QString &) override { return MsgResult::Ok; }
};

void CandleTick(benchmark::State &state)
{
    QDir::setCurrent(QStringLiteral(KELVARIN_CONTENT_DIR));
    QtTimerClock clock;
    Stage stage(clock);
    stage.resize(1024, 768);
    Silent sound;
    NoBoxes boxes;
    ClockSeededRandom random;
    QtPrinter printer; // never used: nothing prints here
    Platform platform{sound, printer, boxes, random, [] {}};
    Screens screens(stage, platform);
    stage.show();
    TopicMenu &menu = screens.irreversible();
    menu.show();
    menu.Timer1->setEnabled(false);
    for (auto _ : state) {
        menu.Timer1_Timer();
        menu.Image1->repaint();
    }
}

} // namespace

BENCHMARK(CandleTick)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
