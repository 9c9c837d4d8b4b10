// SPDX-License-Identifier: GPL-3.0-or-later
// One drop on the twelve-label board: the catch-zone pass over 24 boxes and the completeness
// check, through the board's own handler (with the label's move) and as the bare rules.
#include "activities/activityboard.h"
#include "activities/activitydata.h"
#include "activities/droprules.h"
#include "app/screens.h"
#include "platform/clockrandom.h"
#include "platform/label.h"
#include "platform/qtmessageboxes.h"
#include "printing/qtprinter.h"
#include "platform/qttimerclock.h"
#include "sound/sound.h"
#include "platform/stage.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace
{

class Silence : public SndDevil
{
public:
    void Play(const QString &) override {}
    void Stop() override {}
};

// The whole program's runtime, as far as a board needs it, in the generated content folder.
struct Program {
    QtTimerClock clock;
    Stage stage{clock, ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR))};
    Silence sound;
    QtPrinter printer;
    QtMessageBoxes messageBoxes{&stage};
    ClockSeededRandom random;
    Platform platform{sound, printer, messageBoxes, random, [] {}};
    Screens screens{stage, platform};
};

// The label "Doesn't bend or break easily." let go just off its meaning box at (5400, 2040).
void BoardDrop(benchmark::State &state)
{
    Program program;
    program.stage.resize(1024, 768);
    ActivityBoard &board = program.screens.propertiesord();
    board.show();
    Label &label = board.Label2[5];
    for (auto _ : state) {
        label.setLeft(5500);
        label.setTop(2100);
        board.Label2_MouseUp(5, {1, 0, 0, 0});
    }
    if (label.Left() != 5400 || label.Top() != 2040)
        state.SkipWithError("the label did not land in its box");
}

void RulesDrop(benchmark::State &state)
{
    std::vector<TwipsRect> targets;
    std::vector<TwipsRect> homes;
    std::vector<Corner> labels;
    for (const Answer &answer : propertiesordData.answers) {
        targets.push_back({answer.target.left, answer.target.top, 1875, 675});
        homes.push_back({answer.start.left, answer.start.top, 1875, 675});
        labels.push_back(answer.start);
    }
    for (auto _ : state) {
        labels[5] = dropPass(targets, homes, {5500, 2100}).corner;
        benchmark::DoNotOptimize(labelsInTargets(labels, targets));
    }
}

} // namespace

BENCHMARK(BoardDrop);
BENCHMARK(RulesDrop);
