// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What reading, playing and writing metafiles logs. Debug lines are off unless asked for
// (QT_LOGGING_RULES="kelvarin.wmf.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcWmf)
