// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/boundedarray.h"

#include <QString>

// The quiz in hand: the question set in use, the answers given so far and the score the results
// screen words. The activities leave their score here too. Everything starts at 0 or empty and is
// never saved; it lasts as long as the program, across the screens that come and go.
struct QuizSession {
    // The question set in use, filled by LoadQuestionSet; entries 1 to 10.
    QString CurrentSetTitle;
    BoundedArray<QString, 0, 10> QuestionText;
    BoundedArray<QString, 0, 10> AnswerA;
    BoundedArray<QString, 0, 10> AnswerB;
    BoundedArray<QString, 0, 10> AnswerC;
    BoundedArray<QString, 0, 10> AnswerD;
    BoundedArray<QString, 0, 10> CorrectAnswer;
    BoundedArray<int, 0, 10> QuestionResult;
    // The answer chosen for each question, 1 to 4, or 0 when none was.
    BoundedArray<int, 0, 10> ChosenAnswer;
    int CurrentQuestion = 0;

    int Score = 0;
    int ScoreOutOf = 0;
    QString CertificateHeading;
};
