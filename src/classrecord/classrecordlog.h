// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What the class record logs: lines of its files that could not be read, and failed saves.
Q_DECLARE_LOGGING_CATEGORY(lcClassRecord)
