// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/viewerslog.h"

Q_LOGGING_CATEGORY(lcViewers, "kelvarin.viewers")
