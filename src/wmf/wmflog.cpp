// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/wmflog.h"

Q_LOGGING_CATEGORY(lcWmf, "kelvarin.wmf", QtInfoMsg)
