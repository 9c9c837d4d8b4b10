// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activitieslog.h"

Q_LOGGING_CATEGORY(lcActivities, "kelvarin.activities")
