// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Sound that cannot be played, and sound that comes back.
Q_DECLARE_LOGGING_CATEGORY(lcSound)
