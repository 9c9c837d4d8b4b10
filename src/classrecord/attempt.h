// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

enum class AttemptKind { Quiz, Worksheet, Activity };

// One question answered wrongly, and the answer chosen ("B").
struct WrongAnswer {
    int question = 0; // from 1
    QString answer;
    bool operator==(const WrongAnswer &) const = default;
};

// One pupil's go at a topic quiz, a worksheet or an activity, as the results screen saw it.
struct Attempt {
    QDateTime time; // with the machine's offset from UTC
    QString pupil;
    QString machine;
    AttemptKind kind = AttemptKind::Quiz;
    QString title;
    int score = 0;
    int outOf = 0;
    QList<WrongAnswer> wrong; // quizzes and worksheets only
};

// The record's CSV: one attempt a line, fields quoted as spreadsheets expect (a field holding a
// comma, a quote or a line break goes in double quotes, a quote doubled), lines ended by CR LF.
namespace AttemptCsv
{
// The first line of every record file, after the UTF-8 byte-order mark.
QByteArray headerLine();
// The byte-order mark that makes a spreadsheet read the file as UTF-8.
QByteArray byteOrderMark();
// The attempt's line, its CR LF included.
QByteArray line(const Attempt &attempt);
// The attempt that the fields of one line hold, or nothing when one is missing or unreadable.
std::optional<Attempt> fromFields(const QStringList &fields);
bool isHeader(const QStringList &fields);

QString kindName(AttemptKind kind);
// "3:B;7:D"
QString wrongAnswersText(const QList<WrongAnswer> &wrong);
} // namespace AttemptCsv
