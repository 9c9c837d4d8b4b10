// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetslog.h"

Q_LOGGING_CATEGORY(lcWorksheets, "kelvarin.worksheets")
