// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classrecord/attempt.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <array>

// What the Class Record screen shows, worked out from the attempts alone.

enum class Period { ThisWeek, ThisTerm, Everything };

// When the period began, in local time: this week from Monday 00:00; this term from the most
// recent of 1 September, 1 January and Easter Monday (the three terms of an English school
// year, each taken from its holiday so no attempt falls between terms); everything has no start
// (a null time).
QDateTime periodStart(Period period, const QDateTime &now);
QList<Attempt> inPeriod(const QList<Attempt> &attempts, Period period, const QDateTime &now);

// One pupil's standing on one quiz, worksheet or activity. Pupils' names are matched without
// regard to letter case; the latest attempt's spelling is shown.
struct Standing {
    QString pupil;
    AttemptKind kind = AttemptKind::Quiz;
    QString title;
    int attempts = 0;
    Attempt latest;
    Attempt best; // the highest share of the marks; the earlier of equals
};
// Sorted by pupil, then kind, then title.
QList<Standing> standings(const QList<Attempt> &attempts);

// How one question of a quiz or worksheet went.
struct QuestionTally {
    int wrong = 0;
    QString commonestWrongAnswer; // the earlier answer in order of letters when tied
    int commonestCount = 0;
};
inline constexpr int QuestionsAnalysed = 10;
// Each pupil counts once, by their first try among the attempts: the results screen shows a
// pupil which questions they got wrong, so later tries say more about that review than about
// how hard the questions were.
struct QuestionAnalysis {
    int pupils = 0;
    std::array<QuestionTally, QuestionsAnalysed> questions; // question 1 first
};
QuestionAnalysis analyseQuestions(const QList<Attempt> &attempts, AttemptKind kind,
                                  const QString &title);

// One pupil's attempts, newest first.
QList<Attempt> pupilHistory(const QList<Attempt> &attempts, const QString &pupil);
