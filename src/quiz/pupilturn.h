// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classrecord/attempt.h"

#include <QList>
#include <QString>
#include <functional>

// The quiz, worksheet or activity in hand while the class record is on: who said they are doing
// it, and what it is. Empty (not recording) while the record is off.
struct PupilTurn {
    bool recording = false;
    QString pupil;
    AttemptKind kind = AttemptKind::Quiz;
    QString title;
};

// Attempts this machine finished but could not add to the record (a full disk, a folder taken
// away), kept to be added before the next one, and why the last try failed. The Class Record
// screen shows them to the teacher; the pupil is never troubled with them.
struct UnrecordedAttempts {
    QList<Attempt> waiting;
    QString reason;
};

class Screens;

// Starts a quiz, worksheet or activity. While the class record is on, the pupil first says who
// they are, and the turn is recorded when its results show; with the record off, start runs at
// once and nothing is recorded. Exit on the name picker starts nothing.
void startTurn(Screens &screens, AttemptKind kind, const QString &title,
               const std::function<void()> &start);

// Adds the finished turn to the class record, once, when its results screen opens, with the
// score in the quiz session (and, for a quiz or worksheet, the answers given wrongly). A failure
// is logged and kept for the Class Record screen, and the attempt tried again with the next one;
// the pupil sees nothing of it. Returns the pupil's name, or nothing when no turn was recorded.
QString recordTurn(Screens &screens, const QDateTime &finished);

// Adds the results still waiting (see UnrecordedAttempts) to the record, in the order they were
// finished; the program tries once more as it closes. Returns whether none is left waiting.
bool saveWaitingResults(Screens &screens);
