// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Screens;

// Plays a clip on the backdrop's sound control when sound is switched on.
void playIfSoundOn(Screens &screens, const QString &clip);

// Ctrl+M, from any screen: sound off if it is on, on if it is off. Switching off silences any clip
// still sounding; the main menu's "Sound On" and "Sound Off" follow.
void switchSound(Screens &screens);

// The click that ends every click on a menu entry or button.
inline void playClick(Screens &screens)
{
    playIfSoundOn(screens, QStringLiteral("wav\\click.wav"));
}
