// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// What the classroom has switched on or off while the program runs; never saved.
class Settings : public QObject
{
    Q_OBJECT
public:
    int SoundOn = 0;

    // Sound off if it is on, on if it is off, and says so to whoever shows the switch.
    void switchSound()
    {
        SoundOn = SoundOn == 1 ? 0 : 1;
        emit soundSwitched();
    }

signals:
    void soundSwitched();
};
