// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "classrecord/attempt.h"
#include "files/contentpath.h"

#include <QList>
#include <QString>

// What reading the whole record found.
struct RecordRead {
    QList<Attempt> attempts; // file by file, each in the order it was written
    int skippedLines = 0;    // cut short or unreadable, each logged with its file and line
    int skippedFiles = 0;    // could not be read at all, or beyond what is read at once
};

// The attempts of one classroom folder, in record/<machine>.csv: each machine appends to its
// own file, so machines sharing the folder never wait on each other or need a lock. Failures
// throw FileError naming the file and the reason.
class ClassRecord
{
public:
    explicit ClassRecord(const ContentFolder &classroom);

    // This machine's name, as attempts made here carry it.
    static QString thisMachine();
    // The record file of a machine: its name made safe for a file name, "<name>.csv".
    static QString machineFileName(const QString &machine);

    // Adds the attempt to its machine's file, whole or not at all.
    void append(const Attempt &attempt) const;

    // Every machine's attempts. A line cut short or unreadable is skipped, never its
    // neighbours, and counted.
    RecordRead read() const;

    // The whole record, every machine's attempts sorted by time, as one CSV file at the path,
    // written aside and put in place whole. Returns what was read, for its skipped lines.
    RecordRead exportTo(const QString &path) const;

    // Whether any machine has an attempt file here, so starting a new record would move one.
    bool hasAttempts() const;

    // Moves the attempt files into a folder named for the time, "record/2026-12-08 1530", and
    // returns the folder's name; the settings, class list and PIN stay.
    QString startNew(const QDateTime &now) const;

private:
    QString m_classroom;
};
