// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/menuslog.h"

Q_LOGGING_CATEGORY(lcMenus, "kelvarin.menus")
