// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// A PulseAudio daemon of the test's own, in a private runtime folder, whose only sink is a null
// sink; what reaches the sink can be recorded from its monitor. The sink mixes in float at
// `rate`, one channel, and raises a lower rate by repeating samples, so a recording is exactly
// the sum of the clips played, each with its samples repeated to make up the rate.
//
// The sink never rewinds and its monitor is read at a short latency, or the recording would not
// be what was played: a null sink left to render up to two seconds ahead mixes a new stream in by
// rewinding, and what its monitor had already taken is not taken back, so a click that starts at
// an unlucky moment is missing from the recording (measured with plain libcanberra, with the
// server's sample cache and with the context opened early alike), although the sink played it.
class PulseNullSink
{
public:
    static constexpr int rate = 44100;

    PulseNullSink();
    ~PulseNullSink();
    PulseNullSink(const PulseNullSink &) = delete;
    PulseNullSink &operator=(const PulseNullSink &) = delete;

    // Empty when the daemon runs; otherwise why it could not be started.
    QString failure() const { return m_failure; }
    // What clients put in PULSE_SERVER to reach this daemon.
    QByteArray serverAddress() const;

    void startRecording();
    // Everything recorded since startRecording, one float a sample.
    std::vector<float> stopRecording();

private:
    bool startDaemon();
    bool answers() const;

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_recorder;
    QString m_failure;
};
