// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The main menu and the topic menus.
Q_DECLARE_LOGGING_CATEGORY(lcMenus)
