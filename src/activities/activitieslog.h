// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The labelling and ordering boards: failed handlers and boards that can't be set out.
Q_DECLARE_LOGGING_CATEGORY(lcActivities)
