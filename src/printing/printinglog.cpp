// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printinglog.h"

Q_LOGGING_CATEGORY(lcPrinting, "kelvarin.printing")
