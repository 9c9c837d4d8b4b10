#include "app/sounds.h"

#include "app/grey.h"
#include "app/screens.h"
#include "platform/sound.h"

void playIfSoundOn(Screens &screens, const QString &clip)
{
    if (screens.module1().SoundOn == 1)
        screens.grey().SndDevil1.Play(clip);
}
