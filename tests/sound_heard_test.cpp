// SPDX-License-Identifier: GPL-3.0-or-later
// Every clip the program has, played through the real sound player to a PulseAudio null sink and
// found again, sample for sample, in what the sink played; and every click of a pupil finding
// their way through the real screens, heard.
#include "app/program.h"
#include "app/titlefrm.h"
#include "menus/intro0.h"
#include "menus/topicmenu.h"
#include "sound/canberrasnddevil.h"
#include "platform/commandbutton.h"
#include "platform/label.h"
#include "programfixture.h"
#include "pulsesink.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

namespace
{

constexpr int rate = PulseNullSink::rate;
constexpr qsizetype samplesPerMs = rate / 1000;
constexpr int playEveryMs = 100;
// The sink plays exactly what it was given, so its first moments tell a clip apart.
constexpr qsizetype openingSamples = 10 * samplesPerMs;

QByteArray standardOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

// The clip as the sink plays it: one channel in float, each sample repeated up to the sink's
// rate. Empty when sox cannot read it.
std::vector<float> clipSamples(const QString &wav)
{
    const int clipRate = standardOutput("soxi", {"-r", wav}).trimmed().toInt();
    const QByteArray bytes = standardOutput(
        "sox", {wav, "-t", "raw", "-e", "floating-point", "-b", "32", "-c", "1", "-"});
    if (clipRate <= 0 || rate % clipRate != 0)
        return {};
    const size_t repeat = rate / clipRate;
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float) * repeat);
    for (size_t i = 0; i < samples.size(); ++i)
        std::memcpy(&samples[i], bytes.constData() + i / repeat * sizeof(float), sizeof(float));
    return samples;
}

double energy(const std::vector<float> &samples)
{
    return std::inner_product(samples.begin(), samples.end(), samples.begin(), 0.0);
}

struct Found {
    qsizetype at = -1;
    double likeness = 0; // normalised correlation: 1 for the clip itself
    double loudness = 0; // against the clip in its file
};

// The sink's output is exact, so a clip that was played matches all but perfectly.
constexpr double clearMatch = 0.99;

// The first clear match of the clip's opening that begins within [from, to), or the best match
// there when none is clear. The first, because a clip played again shortly after also matches.
Found findOpening(const std::vector<float> &recording, const std::vector<float> &clip,
                  qsizetype from, qsizetype to)
{
    const qsizetype n = std::min<qsizetype>(openingSamples, clip.size());
    const auto opening = clip.begin();
    const double clipEnergy = std::inner_product(opening, opening + n, opening, 0.0);
    Found best;
    to = std::min<qsizetype>(to, recording.size() - n);
    for (qsizetype at = std::max<qsizetype>(from, 0); at < to; ++at) {
        const auto heard = recording.begin() + at;
        const double cross = std::inner_product(opening, opening + n, heard, 0.0);
        const double heardEnergy = std::inner_product(heard, heard + n, heard, 0.0);
        const Found here{at, cross / std::sqrt(clipEnergy * heardEnergy + 1e-30),
                         cross / clipEnergy};
        if (best.likeness > clearMatch && here.likeness <= best.likeness)
            break; // past the peak of the first clear match
        if (here.likeness > best.likeness)
            best = here;
    }
    return best;
}

// Takes a found clip out of the recording, so that it does not hide the clips after it.
void subtract(std::vector<float> &recording, const std::vector<float> &clip, const Found &found)
{
    for (size_t i = 0; i < clip.size() && found.at + i < recording.size(); ++i)
        recording[found.at + i] -= static_cast<float>(found.loudness * clip[i]);
}

struct Play {
    QString clip;
    qsizetype at; // when Play was called, in samples after the first call
};

// The short clips are the ones a sound server most often drops, so each is played four times.
// The plays follow each other closely, the long clips sounding over everything after them.
QList<Play> playList(const QMap<QString, std::vector<float>> &samples)
{
    QList<Play> plays;
    for (auto clip = samples.begin(); clip != samples.end(); ++clip) {
        const bool isShort = clip.value().size() < size_t(250 * samplesPerMs);
        for (int n = 0; n < (isShort ? 4 : 1); ++n)
            plays.append({clip.key(), plays.size() * playEveryMs * samplesPerMs});
    }
    return plays;
}

// Every place in the recording where the clip sounds whole, at its own loudness.
QList<qsizetype> onsets(const std::vector<float> &recording, const std::vector<float> &clip)
{
    QList<qsizetype> found;
    for (qsizetype from = 0;;) {
        const Found next = findOpening(recording, clip, from, qsizetype(recording.size()));
        if (next.likeness <= clearMatch)
            return found;
        if (std::abs(next.loudness - 1) < 0.01)
            found.append(next.at);
        from = next.at + qsizetype(clip.size());
    }
}

void click(QWidget *control)
{
    QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
}

} // namespace

TEST(SoundOnPulseAudio, EveryClipIsHeardWholeEachTimeItIsPlayed)
{
    PulseNullSink sink;
    if (!sink.failure().isEmpty())
        GTEST_SKIP() << sink.failure().toStdString();
    ClassroomFolder classroom;
    QMap<QString, std::vector<float>> samples;
    for (const QString &clip : QDir(classroom.filePath("wav")).entryList({"*.wav"}, QDir::Files))
        samples[clip] = clipSamples(classroom.filePath("wav/" + clip));
    ASSERT_GE(samples.size(), 19);
    ASSERT_FALSE(samples.first().empty()) << "sox could not read the clips";
    QList<Play> plays = playList(samples);

    qputenv("PULSE_SERVER", sink.serverAddress());
    CanberraSndDevil devil(classroom.folder());
    sink.startRecording();
    QElapsedTimer clock;
    clock.start();
    qint64 previousMs = -playEveryMs;
    for (Play &play : plays) {
        // A busy machine may wake us late: keep the plays apart all the same, or two of one clip
        // would sound as one twice as loud.
        const qint64 dueMs = std::max<qint64>(play.at / samplesPerMs, previousMs + playEveryMs);
        QTest::qWait(int(dueMs - clock.elapsed()));
        previousMs = clock.elapsed();
        play.at = previousMs * samplesPerMs;
        devil.Play("wav\\" + play.clip);
    }
    QTest::qWait(500);
    // Stopped while the long clips still sound: the player's end would cut them short.
    std::vector<float> recording = sink.stopRecording();
    qunsetenv("PULSE_SERVER");
    const double recorded = energy(recording);

    // Each clip is looked for where it should begin: as long after the first clip as it was
    // played after it, give or take the pace of the sound thread and server.
    qsizetype start = -1;
    for (const Play &play : plays) {
        const std::vector<float> &clip = samples[play.clip];
        const qsizetype expected = start + play.at;
        const Found found = start < 0
                                ? findOpening(recording, clip, 0, play.at + 1500 * samplesPerMs)
                                : findOpening(recording, clip, expected - 100 * samplesPerMs,
                                              expected + 300 * samplesPerMs);
        const bool isHeard = found.likeness > clearMatch && std::abs(found.loudness - 1) < 0.01;
        EXPECT_TRUE(isHeard) << play.clip.toStdString() << " played at " << play.at / samplesPerMs
                             << " ms: best likeness " << found.likeness << ", loudness "
                             << found.loudness;
        if (!isHeard)
            continue;
        subtract(recording, clip, found);
        if (start < 0)
            start = found.at - play.at;
    }
    // With every clip taken out nothing is left: each one sounded from its first sample to its
    // last (or to the end of the recording), and nothing else did.
    EXPECT_LT(energy(recording), recorded * 1e-6);
}

TEST(SoundOnPulseAudio, StopSilencesAClipStillSounding)
{
    PulseNullSink sink;
    if (!sink.failure().isEmpty())
        GTEST_SKIP() << sink.failure().toStdString();
    ClassroomFolder classroom;
    const std::vector<float> gong = clipSamples(classroom.filePath("wav/gong.wav"));
    ASSERT_GT(gong.size(), size_t(3000 * samplesPerMs)) << "the gong should outlast the test";

    qputenv("PULSE_SERVER", sink.serverAddress());
    CanberraSndDevil devil(classroom.folder());
    sink.startRecording();
    devil.Play("wav\\gong.wav");
    QTest::qWait(600);
    devil.Stop();
    QTest::qWait(900);
    const std::vector<float> recording = sink.stopRecording();
    qunsetenv("PULSE_SERVER");

    const auto quarter = static_cast<std::ptrdiff_t>(recording.size() / 4);
    ASSERT_GT(quarter, 0);
    const std::vector<float> beforeStop(recording.begin(), recording.begin() + 2 * quarter);
    const std::vector<float> lastQuarter(recording.end() - quarter, recording.end());
    EXPECT_GT(energy(beforeStop), 1.0) << "the gong never sounded";
    EXPECT_LT(energy(lastQuarter), 1e-6) << "the gong sounded on after Stop";
}

// The whole program, as a pupil meets it: the title screen, OK, a moment on the main menu, then
// into a topic and out again, three times.
TEST(SoundOnPulseAudio, EveryClickOfAPupilFindingTheirWayIsHeard)
{
    PulseNullSink sink;
    if (!sink.failure().isEmpty())
        GTEST_SKIP() << sink.failure().toStdString();
    ClassroomFolder classroom;
    const std::vector<float> clickClip = clipSamples(classroom.filePath("wav/click.wav"));
    ASSERT_FALSE(clickClip.empty()) << "sox could not read the click";

    qputenv("PULSE_SERVER", sink.serverAddress());
    sink.startRecording();
    auto program = std::make_unique<Program>(classroom.folder());
    wireMainMenu(program->screens);
    program->stage.showOnScreen(Stage::Size::ActualSize);
    program->stage.handlers().run([&] { program->screens.titlefrm().show(); });
    Screens &screens = program->screens;
    QTest::qWait(1000);
    click(screens.titlefrm().Command1);
    // The pupil looks at the main menu before choosing.
    QTest::qWait(3000);
    for (int n = 0; n < 3; ++n) {
        click(&screens.intro0().Label2[Intro0::PropertiesOfMaterials]);
        QTest::qWait(600);
        click(&screens.properties().label3[TopicMenu::Exit]);
        QTest::qWait(600);
    }
    const std::vector<float> recording = sink.stopRecording();
    program.reset();
    qunsetenv("PULSE_SERVER");

    EXPECT_EQ(onsets(recording, clickClip).size(), 7) << "OK and six menu entries";
}
