// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What the file helpers log: nothing yet, the category is kept for them.
Q_DECLARE_LOGGING_CATEGORY(lcFiles)
