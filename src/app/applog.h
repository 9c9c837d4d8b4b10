// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Starting up, preparing the classroom folder and the title screen.
Q_DECLARE_LOGGING_CATEGORY(lcApp)
