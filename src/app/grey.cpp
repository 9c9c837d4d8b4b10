// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grey.h"

#include "app/applog.h"
#include "app/screens.h"
#include "sound/sound.h"

Grey::Grey(Screens &screens) : Form(screens.stage(), lcApp()), SndDevil1(screens.platform().sound)
{
    setFillsStage(true);
}

void Grey::Form_Load()
{
    setBackColor(Colour::backdropBlue);
}

void Grey::playClip(const QString &clip)
{
    SndDevil1.Play(clip);
}

Grey &Screens::grey()
{
    return get<Grey>("Grey");
}
