// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Print runs that failed.
Q_DECLARE_LOGGING_CATEGORY(lcPrinting)
