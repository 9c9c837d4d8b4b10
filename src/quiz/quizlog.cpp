// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizlog.h"

Q_LOGGING_CATEGORY(lcQuiz, "kelvarin.quiz")
