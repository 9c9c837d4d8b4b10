// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/contentpath.h"
#include "sound/sound.h"

#include <QString>
#include <memory>

class ClipPlayer;
class QThread;

// Plays WAV clips through libcanberra, the desktop's event-sound library: on PulseAudio (or
// PipeWire) where a sound server runs, on plain ALSA where none does. Each Play hands the clip to
// a thread of the player's own, which starts it, so the interface never waits on a sound server
// or a busy device. Every clip is read from disk and played to its end, over any clip already
// sounding, whatever becomes of the screen that asked for it. A missing or broken file is silence
// and a warning in the log ("kelvarin.sound"); no way to sound at all is silence and one warning
// that says why, until a sound server answers again.
//
// Why not Qt Multimedia: on PulseAudio, Qt 6.4's QSoundEffect never sounded click.wav or
// typekey.wav and cut the last tenth of a second or so off every other clip; and Debian builds
// Qt's audio for PulseAudio only, so on plain ALSA it is silent altogether.
class CanberraSndDevil : public SndDevil
{
public:
    // Plays the clips that content paths name in the classroom folder.
    explicit CanberraSndDevil(const ContentFolder &classroom);
    ~CanberraSndDevil() override;
    CanberraSndDevil(const CanberraSndDevil &) = delete;
    CanberraSndDevil &operator=(const CanberraSndDevil &) = delete;

    void Play(const QString &path) override;
    void Stop() override;

private:
    ContentFolder m_classroom;
    std::unique_ptr<QThread> m_thread;
    ClipPlayer *m_player; // lives on m_thread, which deletes it as it ends
};
