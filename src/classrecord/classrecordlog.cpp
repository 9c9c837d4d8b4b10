// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/classrecordlog.h"

Q_LOGGING_CATEGORY(lcClassRecord, "kelvarin.classrecord")
