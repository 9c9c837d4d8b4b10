#pragma once

#include <QString>

class Screens;

// Plays a clip on the backdrop's sound control when sound is switched on.
void playIfSoundOn(Screens &screens, const QString &clip);

// The click that ends every click on a menu entry or button.
inline void playClick(Screens &screens)
{
    playIfSoundOn(screens, QStringLiteral("wav\\click.wav"));
}
