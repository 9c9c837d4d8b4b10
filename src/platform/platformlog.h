// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What the screen runtime logs, and the failures of handlers of screens that name no folder of
// their own.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
