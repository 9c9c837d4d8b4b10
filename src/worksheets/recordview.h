// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classrecord/summaries.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// How the class record reads to the teacher, on the screen and on paper: the table of pupils
// against what they did, the questions that went wrong and one pupil's history.

// Three bands a teacher reads at a glance, by the share of the marks.
enum class ScoreBand { None, Low, Middle, High };
ScoreBand scoreBand(int score, int outOf);
QColor bandColour(ScoreBand band);

QString periodName(Period period);
// "Quiz", "Worksheet", "Activity"
QString kindCaption(AttemptKind kind);
// "7/10"
QString marksText(const Attempt &attempt);
// "7/10 (best 9/10)", or just "9/10" when the latest is as good as the best.
QString standingText(const Standing &standing);

// One column of the table: a quiz, worksheet or activity someone did in the period.
struct RecordItem {
    AttemptKind kind = AttemptKind::Quiz;
    QString title;
    bool operator==(const RecordItem &) const = default;
};

// The table: every pupil of the class list and every pupil who did something, in alphabetical
// order, against every item done, quizzes first, then worksheets, then activities.
struct RecordGrid {
    QStringList pupils;
    QList<RecordItem> items;
    QList<QList<std::optional<Standing>>> cells; // [pupil][item]
};
RecordGrid recordGrid(const QList<Standing> &standings, const QStringList &classList);

// One question of a quiz or worksheet as the analysis shows it.
struct QuestionLine {
    int number = 0;
    QString question;  // empty when the set can't be read
    QString commonest; // the wrong answer chosen most ("B"), with its words when known
    int wrong = 0;
    int commonestCount = 0;
    QString commonestLetter; // "B", or "-" when most chose no answer
};
// The question texts and answers of the set, entries 1 to 10, or none when it can't be read.
struct QuestionTexts {
    QStringList questions;      // 10
    QList<QStringList> answers; // 10 of A to D
};
QList<QuestionLine> questionLines(const QuestionAnalysis &analysis,
                                  const std::optional<QuestionTexts> &texts);
// "Question 3: Which of these is magnetic? 4 of 12 pupils answered wrongly; most chose B (Wood), 3
// times."
QString questionLineText(const QuestionLine &line, int pupils);

// "08/12/26 15:30", as the machine that recorded it showed the time.
QString attemptTimeText(const Attempt &attempt);

// What the teacher should know about the record itself: lines that were skipped and results this
// machine holds back. Empty when all is well.
QStringList recordProblems(int skippedLines, int skippedFiles, int unrecorded,
                           const QString &unrecordedReason);
