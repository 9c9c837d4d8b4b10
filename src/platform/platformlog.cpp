// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/platformlog.h"

Q_LOGGING_CATEGORY(lcPlatform, "kelvarin.platform")
