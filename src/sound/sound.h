// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The one sound-playing component. Play returns at once and never reports a failure: a missing
// file or a machine without an audio device simply stays silent.
class SndDevil
{
public:
    virtual ~SndDevil() = default;
    virtual void Play(const QString &path) = 0;
    // Silences every clip now sounding; clips asked for later play as usual.
    virtual void Stop() = 0;
};
