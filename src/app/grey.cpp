// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grey.h"

#include "app/applog.h"
#include "app/screens.h"

Grey::Grey(Screens &screens) : Form(screens.stage(), lcApp()), SndDevil1(screens.platform().sound)
{
    setFillsStage(true);
}

void Grey::Form_Load()
{
    setBackColor(Colour::backdropBlue);
}

Grey &Screens::grey()
{
    return get<Grey>("Grey");
}
