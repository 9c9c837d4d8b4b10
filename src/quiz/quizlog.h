// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The quiz, its results and its printing: refused question sets, failed handlers.
Q_DECLARE_LOGGING_CATEGORY(lcQuiz)
