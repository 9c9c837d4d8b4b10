// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/form.h"

class Screens;
class SndDevil;

// The full-screen backdrop behind every other screen. It carries the program's one sound control.
class Grey : public Form
{
    Q_OBJECT
public:
    explicit Grey(Screens &screens);
    void Form_Load() override;

    // Plays the clip the content path names ("wav\\click.wav"); the caller has checked that sound
    // is on.
    void playClip(const QString &clip);

private:
    SndDevil &SndDevil1; // plays every clip of the program
};
