// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The burning candle's frame: the title screen sets it back, the topic menu that shows the
// candle moves it on.
struct AnimationFrames {
    int CandleFrame = 0;
};
