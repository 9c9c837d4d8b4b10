// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Failures of the worksheet tools: the index, the wizard's saves and the catalogue.
Q_DECLARE_LOGGING_CATEGORY(lcWorksheets)
