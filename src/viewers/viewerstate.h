// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The page viewers' place in their pages and the logo animation's frame. It lasts as long as the
// program, so the logo goes on from the frame where it stopped.
struct ViewerState {
    int ViewerPage = 0;
    int ViewerPageCount = 0;
    QString PageSetName;
    int LogoFrame = 0;
};
