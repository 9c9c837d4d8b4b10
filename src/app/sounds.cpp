// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sounds.h"

#include "app/grey.h"
#include "app/screens.h"
#include "app/settings.h"
#include "sound/sound.h"

void playIfSoundOn(Screens &screens, const QString &clip)
{
    if (screens.state<Settings>().SoundOn == 1)
        screens.grey().playClip(clip);
}

void switchSound(Screens &screens)
{
    Settings &settings = screens.state<Settings>();
    settings.switchSound();
    if (settings.SoundOn == 0)
        screens.platform().sound.Stop();
}
