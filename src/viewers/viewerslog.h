// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The page viewer and the teacher's guide: failed handlers and pages that can't be shown.
Q_DECLARE_LOGGING_CATEGORY(lcViewers)
