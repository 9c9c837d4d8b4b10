// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/summaries.h"

#include <QHash>
#include <QMap>
#include <algorithm>

namespace
{

// Easter Sunday in the Gregorian calendar (the anonymous Gregorian algorithm).
QDate easterSunday(int year)
{
    const int a = year % 19, b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QDate termStart(const QDate &today)
{
    const int year = today.year();
    if (today >= QDate(year, 9, 1))
        return QDate(year, 9, 1);
    const QDate easterMonday = easterSunday(year).addDays(1);
    return today >= easterMonday ? easterMonday : QDate(year, 1, 1);
}

// Whether a has the higher share of the marks, or the same share earlier.
bool betterThan(const Attempt &a, const Attempt &b)
{
    const qint64 left = qint64(a.score) * b.outOf, right = qint64(b.score) * a.outOf;
    return left > right || (left == right && a.time < b.time);
}

QString pupilKey(const QString &pupil)
{
    return pupil.toCaseFolded();
}

} // namespace

QDateTime periodStart(Period period, const QDateTime &now)
{
    const QDate today = now.toLocalTime().date();
    switch (period) {
    case Period::ThisWeek:
        return QDateTime(today.addDays(1 - today.dayOfWeek()), QTime(0, 0));
    case Period::ThisTerm:
        return QDateTime(termStart(today), QTime(0, 0));
    case Period::Everything:
        break;
    }
    return {};
}

QList<Attempt> inPeriod(const QList<Attempt> &attempts, Period period, const QDateTime &now)
{
    const QDateTime start = periodStart(period, now);
    QList<Attempt> kept;
    for (const Attempt &attempt : attempts)
        if (start.isNull() || attempt.time >= start)
            kept.append(attempt);
    return kept;
}

QList<Standing> standings(const QList<Attempt> &attempts)
{
    QHash<QString, Standing> byKey;
    for (const Attempt &attempt : attempts) {
        const QString key = pupilKey(attempt.pupil) + u'\x1f' + AttemptCsv::kindName(attempt.kind) +
                            u'\x1f' + attempt.title;
        Standing &standing = byKey[key];
        if (standing.attempts++ == 0) {
            standing = {attempt.pupil, attempt.kind, attempt.title, 1, attempt, attempt};
            continue;
        }
        if (attempt.time >= standing.latest.time) {
            standing.latest = attempt;
            standing.pupil = attempt.pupil;
        }
        if (betterThan(attempt, standing.best))
            standing.best = attempt;
    }
    QList<Standing> table = byKey.values();
    std::sort(table.begin(), table.end(), [](const Standing &a, const Standing &b) {
        if (const int byPupil = a.pupil.compare(b.pupil, Qt::CaseInsensitive))
            return byPupil < 0;
        if (a.kind != b.kind)
            return a.kind < b.kind;
        return a.title < b.title;
    });
    return table;
}

QuestionAnalysis analyseQuestions(const QList<Attempt> &attempts, AttemptKind kind,
                                  const QString &title)
{
    QHash<QString, const Attempt *> firstTries;
    for (const Attempt &attempt : attempts) {
        if (attempt.kind != kind || attempt.title != title)
            continue;
        const Attempt *&first = firstTries[pupilKey(attempt.pupil)];
        if (!first || attempt.time < first->time)
            first = &attempt;
    }
    QuestionAnalysis analysis;
    analysis.pupils = int(firstTries.size());
    std::array<QMap<QString, int>, QuestionsAnalysed> answers;
    for (const Attempt *attempt : std::as_const(firstTries)) {
        for (const WrongAnswer &wrong : attempt->wrong) {
            if (wrong.question < 1 || wrong.question > QuestionsAnalysed)
                continue;
            ++analysis.questions[wrong.question - 1].wrong;
            ++answers[wrong.question - 1][wrong.answer];
        }
    }
    for (int n = 0; n < QuestionsAnalysed; ++n) {
        QuestionTally &tally = analysis.questions[n];
        for (auto it = answers[n].cbegin(); it != answers[n].cend(); ++it) {
            if (it.value() > tally.commonestCount) {
                tally.commonestCount = it.value();
                tally.commonestWrongAnswer = it.key();
            }
        }
    }
    return analysis;
}

QList<Attempt> pupilHistory(const QList<Attempt> &attempts, const QString &pupil)
{
    QList<Attempt> history;
    for (const Attempt &attempt : attempts)
        if (pupilKey(attempt.pupil) == pupilKey(pupil))
            history.append(attempt);
    std::stable_sort(history.begin(), history.end(),
                     [](const Attempt &a, const Attempt &b) { return a.time > b.time; });
    return history;
}
