#include "app/sounds.h"

#include "app/grey.h"
#include "app/screens.h"
#include "menus/intro0.h"
#include "platform/optionbutton.h"
#include "platform/sound.h"

void playIfSoundOn(Screens &screens, const QString &clip)
{
    if (screens.module1().SoundOn == 1)
        screens.grey().SndDevil1.Play(clip);
}

void switchSound(Screens &screens)
{
    Module1 &state = screens.module1();
    state.SoundOn = state.SoundOn == 1 ? 0 : 1;
    if (state.SoundOn == 0)
        screens.platform().sound.Stop();
    // The menu's own buttons set the same value through their click handlers.
    if (screens.isLoaded(QStringLiteral("intro0"))) {
        Intro0 &menu = screens.intro0();
        (state.SoundOn == 1 ? menu.Option1 : menu.Option2)->setValue(true);
    }
}
