// SPDX-License-Identifier: GPL-3.0-or-later
// The class record at a busy classroom's size: 30 pupils on 10 machines, 6,000 attempts.
// Opening the Class Record screen reads every machine's file and builds the table (target:
// well under 200 ms, the bare work and the screen showing it); the results screen appends one
// attempt (target: under 5 ms); the teachers' screen checks a PIN.
#include "app/screens.h"
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "classrecord/pin.h"
#include "classrecord/summaries.h"
#include "platform/clockrandom.h"
#include "platform/qtmessageboxes.h"
#include "platform/qttimerclock.h"
#include "platform/stage.h"
#include "platform/tablebox.h"
#include "printing/qtprinter.h"
#include "sound/sound.h"
#include "worksheets/classrecordscreen.h"

#include <QApplication>
#include <QTableWidget>

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

constexpr int Pupils = 30;
constexpr int Machines = 10;
constexpr int Attempts = 6000;

Attempt madeUp(int n)
{
    static const AttemptKind kinds[] = {AttemptKind::Quiz, AttemptKind::Worksheet,
                                        AttemptKind::Activity};
    Attempt attempt;
    attempt.time = QDateTime(QDate(2026, 9, 1), QTime(9, 0), Qt::OffsetFromUTC, 3600)
                       .addSecs(qint64(n) * 1200);
    attempt.pupil = QStringLiteral("Pupil %1").arg(n % Pupils);
    attempt.machine = QStringLiteral("room-%1").arg(n % Machines);
    attempt.kind = kinds[n % 3];
    attempt.title = QStringLiteral("Materials, part %1").arg(n % 12);
    attempt.outOf = 10;
    attempt.score = n % 11;
    if (attempt.kind != AttemptKind::Activity)
        for (int q = 1; q <= 10 - attempt.score; ++q)
            attempt.wrong.append({q, QString(QChar(u'A' + (n + q) % 4))});
    return attempt;
}

void fill(const QTemporaryDir &dir)
{
    const ClassRecord record{ContentFolder(dir.path())};
    for (int n = 0; n < Attempts; ++n)
        record.append(madeUp(n));
}

void BM_ReadRecordAndBuildTable(benchmark::State &state)
{
    QTemporaryDir dir;
    fill(dir);
    const ClassRecord record{ContentFolder(dir.path())};
    const QDateTime now = QDateTime::currentDateTime();
    for (auto _ : state) {
        const RecordRead read = record.read();
        benchmark::DoNotOptimize(standings(inPeriod(read.attempts, Period::Everything, now)));
        if (read.attempts.size() != Attempts)
            state.SkipWithError("not every attempt was read back");
    }
}
BENCHMARK(BM_ReadRecordAndBuildTable)->Unit(benchmark::kMillisecond);

class Silence : public SndDevil
{
public:
    void Play(const QString &) override {}
    void Stop() override {}
};

// The program's runtime on the record's classroom folder.
struct Program {
    explicit Program(const QString &classroom) : stage(clock, ContentFolder(classroom)) {}
    QtTimerClock clock;
    Stage stage;
    Silence sound;
    QtPrinter printer;
    QtMessageBoxes messageBoxes{&stage};
    ClockSeededRandom random;
    Platform platform{sound, printer, messageBoxes, random, [] {}};
    Screens screens{stage, platform};
};

// From the teachers' screen's click to the table painted: the screen built, the record read and
// summarised, the table filled and drawn.
void BM_OpenClassRecordScreen(benchmark::State &state)
{
    QTemporaryDir dir;
    fill(dir);
    QStringList names;
    for (int n = 0; n < Pupils; ++n)
        names << QStringLiteral("Pupil %1").arg(n);
    ClassRecordSettings(ContentFolder(dir.path())).setClassList(names.join('\n'));
    Program program(dir.path());
    program.stage.resize(1024, 768);
    program.stage.show();
    for (auto _ : state) {
        ClassRecordScreen &screen = program.screens.classRecordScreen();
        screen.open();
        screen.repaint();
        state.PauseTiming();
        if (screen.Table1->table()->rowCount() != Pupils)
            state.SkipWithError("not every pupil was shown");
        program.screens.unload(screen);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenClassRecordScreen)->Unit(benchmark::kMillisecond);

void BM_AppendOneAttempt(benchmark::State &state)
{
    QTemporaryDir dir;
    fill(dir);
    const ClassRecord record{ContentFolder(dir.path())};
    int n = Attempts;
    for (auto _ : state)
        record.append(madeUp(n++));
}
BENCHMARK(BM_AppendOneAttempt)->Unit(benchmark::kMillisecond);

void BM_CheckPin(benchmark::State &state)
{
    const QString stored = Pin::hash(QStringLiteral("4821"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Pin::matches(QStringLiteral("4821"), stored));
}
BENCHMARK(BM_CheckPin)->Unit(benchmark::kMillisecond);

} // namespace
