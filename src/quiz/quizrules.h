// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/boundedarray.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The rules of the quiz and of the results screen, on plain values so they can be tried without a
// screen: whether a question was answered rightly, the score and the questions to review, the
// words for a score, the praise clip a score earns and the size an answer is shown at. They
// neither change controls nor play sounds.

inline constexpr int QuestionCount = 10;
// The answers' design size, in points, and the smallest a long answer shrinks to.
inline constexpr float AnswerSize = 20.25f;
inline constexpr float SmallestAnswerSize = 12;

// The option button that holds the right answer, 1 to 4, from a correct-answer field; 0 when the
// field names no answer button, so the question can only count as wrong.
int correctOption(const QString &correctAnswer);

// 1 when the chosen answer (1 to 4; anything else is none) is the one the correct-answer field
// names, else 0: the question's entry in QuestionResult.
int questionResult(const QString &correctAnswer, int chosen);

struct QuizScore {
    int right = 0;
    QList<int> wrong; // the questions to review, in order
};

// Counts the questions whose result is 1; every other question, 1 to 10, is to be reviewed.
QuizScore scoreAnswers(const BoundedArray<int, 0, 10> &results);

// A line of the review: " 3. " and the question.
QString reviewLine(int question, const QString &questionText);

// The review's lines for the questions to review, in order.
QStringList reviewLines(const QuizScore &score, const BoundedArray<QString, 0, 10> &questionText);

// "Score out of ScoreOutOf.", led by how close the score is to perfect.
QString scoreMessage(int score, int scoreOutOf);

// The praise clip a score earns, or none. When the score has several clips, one number in [0, 1)
// is drawn and picks among them with equal chances; with one clip or none, nothing is drawn.
QString praiseClip(int score, const std::function<double()> &draw);

// The largest size, in points, from the design's down to the smallest, at which an answer fits on
// one line beside the dot of an option button this many design pixels wide.
float answerFontSize(const QString &answer, int buttonWidth);
