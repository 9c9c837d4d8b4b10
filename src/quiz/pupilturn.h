// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classrecord/attempt.h"

#include <QList>
#include <QString>

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
