// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsesink.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <cstring>
#include <functional>

namespace
{

constexpr int startMs = 5000;

bool waitUntil(const std::function<bool()> &done, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

void stop(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished();
    }
}

} // namespace

PulseNullSink::PulseNullSink()
{
    for (const char *tool : {"pulseaudio", "pactl", "parec"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) {
            m_failure = QString(tool) + " is missing; scripts/deps.sh installs PulseAudio";
            return;
        }
    }
    if (!startDaemon())
        m_failure = "pulseaudio would not start: " + QString::fromLocal8Bit(m_daemon.readAll());
}

PulseNullSink::~PulseNullSink()
{
    stop(m_recorder);
    stop(m_daemon);
}

QByteArray PulseNullSink::serverAddress() const
{
    return "unix:" + QFile::encodeName(m_dir.filePath("native"));
}

bool PulseNullSink::startDaemon()
{
    const QString runtime = m_dir.filePath("run");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // A home and runtime folder of its own keep the daemon away from any sound server the machine
    // runs. As root (in CI) it only warns that it was meant for a user or system mode.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_dir.path());
    env.insert("XDG_RUNTIME_DIR", runtime);
    env.insert("XDG_CONFIG_HOME", m_dir.filePath("config"));
    env.remove("PULSE_SERVER");
    env.remove("DBUS_SESSION_BUS_ADDRESS");
    m_daemon.setProcessEnvironment(env);
    m_daemon.setProcessChannelMode(QProcess::MergedChannels);
    m_daemon.start(
        "pulseaudio",
        {"--daemonize=no", "--system=no", "--use-pid-file=no", "-n",
         // Goes away by itself should the test die without stopping it.
         "--exit-idle-time=10", "--disable-shm=yes",
         // Repeats samples to raise the rate, so a test can do exactly the same.
         "--resample-method=trivial", "--log-target=stderr", "--log-level=error",
         QString("--load=module-null-sink sink_name=kelvarin format=float32le "
                 "rate=%1 channels=1 norewinds=1")
             .arg(rate),
         "--load=module-native-protocol-unix auth-anonymous=1 socket=" + m_dir.filePath("native")});
    return m_daemon.waitForStarted() && waitUntil([this] { return answers(); }, startMs);
}

bool PulseNullSink::answers() const
{
    if (m_daemon.state() != QProcess::Running)
        return false;
    QProcess pactl;
    pactl.start("pactl", {"--server=" + serverAddress(), "info"});
    return pactl.waitForFinished(2000) && pactl.exitStatus() == QProcess::NormalExit &&
           pactl.exitCode() == 0;
}

void PulseNullSink::startRecording()
{
    const QString file = m_dir.filePath("recording.raw");
    m_recorder.setStandardOutputFile(file);
    m_recorder.start("parec", {"--server=" + serverAddress(), "--device=kelvarin.monitor", "--raw",
                               "--format=float32le", QString("--rate=%1").arg(rate), "--channels=1",
                               "--latency-msec=10"});
    // The monitor hands out silence from the start, so the first bytes mean the stream runs.
    waitUntil([&] { return QFileInfo(file).size() > 0; }, startMs);
}

std::vector<float> PulseNullSink::stopRecording()
{
    stop(m_recorder);
    QFile file(m_dir.filePath("recording.raw"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<float> samples(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(samples.data(), bytes.constData(), samples.size() * sizeof(float));
    return samples;
}
