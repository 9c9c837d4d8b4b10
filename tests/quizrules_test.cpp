// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizrules.h"

#include <gtest/gtest.h>

TEST(QuizRules, AQuestionIsRightOnlyWhenTheChosenAnswerIsTheOneTheFieldNames)
{
    const struct {
        QString correctAnswer;
        int chosen; // 5 is the hidden no-answer button
        int result;
    } rows[] = {
        {"3", 3, 1}, {" 2 ", 2, 1}, {"3", 2, 0}, {"4", 5, 0},
        {"5", 5, 0}, {"0", 0, 0},   {"", 5, 0},  {"12", 1, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.correctAnswer.toStdString() + " chosen " + std::to_string(row.chosen));
        EXPECT_EQ(questionResult(row.correctAnswer, row.chosen), row.result);
    }
}

TEST(QuizRules, TheScoreCountsOnlyRightAnswersAndReviewsTheRestInOrder)
{
    BoundedArray<int, 0, 10> results;
    for (int question : {1, 2, 4, 5, 6, 7, 9})
        results[question] = 1;
    results[8] = 2; // anything but 1 is wrong
    results[0] = 1; // slot 0 is no question
    const QuizScore score = scoreAnswers(results);
    EXPECT_EQ(score.right, 7);
    EXPECT_EQ(score.wrong, (QList<int>{3, 8, 10}));
}

TEST(QuizRules, APraiseClipIsDrawnOnlyAmongSeveralAndAnyNumberNamesOne)
{
    int draws = 0;
    const auto drawing = [&draws](double r) {
        return [&draws, r] {
            ++draws;
            return r;
        };
    };
    EXPECT_EQ(praiseClip(12, drawing(0.9)), "wav\\halleluj.wav");
    EXPECT_EQ(praiseClip(5, drawing(0.9)), "");
    EXPECT_EQ(draws, 0) << "one clip or none: nothing to draw";
    EXPECT_EQ(praiseClip(9, drawing(1.0)), "wav\\klaxon.wav") << "a generator's 1 names the last";
    EXPECT_EQ(praiseClip(11, drawing(0)), "wav\\fanf4.wav");
    EXPECT_EQ(draws, 2);
}
