// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizrules.h"

#include "platform/units.h"

#include <QFontMetricsF>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace
{

// The option button paints its dot, then the caption four pixels to the right of it.
constexpr int DotAndGap = 13 + 4;

struct PraiseRow {
    int score;
    QStringList clips;
};

const PraiseRow praiseTable[] = {
    {12, {"wav\\halleluj.wav"}},
    {11, {"wav\\fanf4.wav", "wav\\slot_payoff.wav"}},
    {10, {"wav\\fanf2.wav", "wav\\fanf3.wav"}},
    {9, {"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"}},
    {8, {"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"}},
    {7, {"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"}},
    {6, {"wav\\clap3.wav", "wav\\clown.wav"}},
};

QStringList praiseClips(int score)
{
    for (const PraiseRow &row : praiseTable) {
        if (row.score == score)
            return row.clips;
    }
    return {};
}

} // namespace

int correctOption(const QString &correctAnswer)
{
    const QString digit = correctAnswer.trimmed();
    if (digit.size() != 1 || digit.at(0) < QChar('1') || digit.at(0) > QChar('4'))
        return 0;
    return digit.at(0).digitValue();
}

int questionResult(const QString &correctAnswer, int chosen)
{
    const int correct = correctOption(correctAnswer);
    return correct != 0 && correct == chosen ? 1 : 0;
}

QuizScore scoreAnswers(const BoundedArray<int, 0, 10> &results)
{
    QuizScore score;
    for (int question = 1; question <= QuestionCount; ++question) {
        if (results[question] == 1)
            ++score.right;
        else
            score.wrong.append(question);
    }
    return score;
}

QString reviewLine(int question, const QString &questionText)
{
    return " " + QString::number(question) + ". " + questionText;
}

QStringList reviewLines(const QuizScore &score, const BoundedArray<QString, 0, 10> &questionText)
{
    QStringList lines;
    for (const int question : score.wrong)
        lines.append(reviewLine(question, questionText[question]));
    return lines;
}

QString scoreMessage(int score, int scoreOutOf)
{
    QString lead = "You have scored";
    if (score == scoreOutOf)
        lead = "Excellent work. You have scored";
    else if (score == scoreOutOf - 1 || score == scoreOutOf - 2)
        lead = "Good work. You have scored";
    return lead + " " + QString::number(score) + " out of " + QString::number(scoreOutOf) + ".";
}

QString praiseClip(int score, const std::function<double()> &draw)
{
    const QStringList clips = praiseClips(score);
    if (clips.size() <= 1)
        return clips.value(0);
    const int drawn = static_cast<int>(std::floor(draw() * clips.size()));
    // A generator that ever returned 1 must still name a clip.
    return clips.at(std::clamp(drawn, 0, static_cast<int>(clips.size()) - 1));
}

float answerFontSize(const QString &answer, int buttonWidth)
{
    const int room = buttonWidth - DotAndGap;
    float size = AnswerSize;
    // Sizes go down a pixel at a time, the steps in which the screen's fonts differ.
    const float step = TwipsPerPixel / TwipsPerPoint;
    while (size - step >= SmallestAnswerSize) {
        const QFontMetricsF metrics(toQFont({"Times New Roman", size, false}));
        if (metrics.horizontalAdvance(answer) <= room)
            break;
        size -= step;
    }
    return size;
}
