// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/soundlog.h"

Q_LOGGING_CATEGORY(lcSound, "kelvarin.sound")
