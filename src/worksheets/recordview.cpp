// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/recordview.h"

#include "platform/palette.h"

#include <QHash>
#include <algorithm>

ScoreBand scoreBand(int score, int outOf)
{
    if (outOf <= 0)
        return ScoreBand::None;
    // Whole numbers only, so 4/5 lands in the top band exactly as 8/10 does.
    const qint64 tenths = qint64(score) * 10;
    if (tenths < qint64(outOf) * 5)
        return ScoreBand::Low;
    if (tenths < qint64(outOf) * 8)
        return ScoreBand::Middle;
    return ScoreBand::High;
}

QColor bandColour(ScoreBand band)
{
    switch (band) {
    case ScoreBand::Low:
        return Colour::bandLow;
    case ScoreBand::Middle:
        return Colour::bandMiddle;
    case ScoreBand::High:
        return Colour::bandHigh;
    case ScoreBand::None:
        break;
    }
    return Colour::white;
}

QString periodName(Period period)
{
    switch (period) {
    case Period::ThisWeek:
        return QStringLiteral("This Week");
    case Period::ThisTerm:
        return QStringLiteral("This Term");
    case Period::Everything:
        break;
    }
    return QStringLiteral("Everything");
}

QString kindCaption(AttemptKind kind)
{
    switch (kind) {
    case AttemptKind::Quiz:
        return QStringLiteral("Quiz");
    case AttemptKind::Worksheet:
        return QStringLiteral("Worksheet");
    case AttemptKind::Activity:
        break;
    }
    return QStringLiteral("Activity");
}

QString marksText(const Attempt &attempt)
{
    return QString::number(attempt.score) + u'/' + QString::number(attempt.outOf);
}

QString standingText(const Standing &standing)
{
    const Attempt &latest = standing.latest, &best = standing.best;
    if (qint64(latest.score) * best.outOf >= qint64(best.score) * latest.outOf)
        return marksText(latest);
    return marksText(latest) + " (best " + marksText(best) + ")";
}

namespace
{

QList<RecordItem> itemsDone(const QList<Standing> &standings)
{
    QList<RecordItem> items;
    for (const Standing &standing : standings) {
        const RecordItem item{standing.kind, standing.title};
        if (!items.contains(item))
            items.append(item);
    }
    std::sort(items.begin(), items.end(), [](const RecordItem &a, const RecordItem &b) {
        if (a.kind != b.kind)
            return a.kind < b.kind;
        return a.title.compare(b.title, Qt::CaseInsensitive) < 0;
    });
    return items;
}

// The class list's spelling wins over a spelling typed elsewhere, so the table has one row
// per child however their name was picked.
QStringList everyPupil(const QList<Standing> &standings, const QStringList &classList)
{
    QHash<QString, QString> byKey;
    for (const Standing &standing : standings)
        byKey.insert(standing.pupil.toCaseFolded(), standing.pupil);
    for (const QString &name : classList)
        byKey.insert(name.toCaseFolded(), name);
    QStringList pupils = byKey.values();
    std::sort(pupils.begin(), pupils.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return pupils;
}

} // namespace

RecordGrid recordGrid(const QList<Standing> &standings, const QStringList &classList)
{
    RecordGrid grid;
    grid.items = itemsDone(standings);
    grid.pupils = everyPupil(standings, classList);
    QHash<QString, int> row;
    for (int r = 0; r < grid.pupils.size(); ++r)
        row.insert(grid.pupils[r].toCaseFolded(), r);
    grid.cells.resize(grid.pupils.size());
    for (auto &cells : grid.cells)
        cells.resize(grid.items.size());
    for (const Standing &standing : standings) {
        const int column = int(grid.items.indexOf(RecordItem{standing.kind, standing.title}));
        grid.cells[row.value(standing.pupil.toCaseFolded())][column] = standing;
    }
    return grid;
}

QList<QuestionLine> questionLines(const QuestionAnalysis &analysis,
                                  const std::optional<QuestionTexts> &texts)
{
    QList<QuestionLine> lines;
    for (int n = 0; n < QuestionsAnalysed; ++n) {
        const QuestionTally &tally = analysis.questions[n];
        QuestionLine line{n + 1,
                          {},
                          tally.commonestWrongAnswer,
                          tally.wrong,
                          tally.commonestCount,
                          tally.commonestWrongAnswer};
        if (texts)
            line.question = texts->questions.value(n);
        // A pupil who went on without choosing is recorded as "-".
        if (line.commonestLetter == u'-') {
            line.commonest = QStringLiteral("no answer");
        } else if (texts) {
            const int letter =
                line.commonestLetter.size() == 1 ? line.commonestLetter.at(0).unicode() - u'A' : -1;
            const QString words = texts->answers.value(n).value(letter);
            if (!words.isEmpty())
                line.commonest += " (" + words + ")";
        }
        lines.append(line);
    }
    return lines;
}

QString questionLineText(const QuestionLine &line, int pupils)
{
    QString text = "Question " + QString::number(line.number);
    if (!line.question.isEmpty())
        text += ": " + line.question;
    // A question already ends its own sentence.
    if (!text.endsWith(u'?') && !text.endsWith(u'.') && !text.endsWith(u'!'))
        text += u'.';
    text += ' ' + QString::number(line.wrong) + " of " + QString::number(pupils) +
            (pupils == 1 ? " pupil" : " pupils") + " answered wrongly";
    if (line.commonestCount > 0)
        text += "; most chose " + line.commonest + ", " + QString::number(line.commonestCount) +
                (line.commonestCount == 1 ? " time" : " times");
    return text + '.';
}

QString attemptTimeText(const Attempt &attempt)
{
    return attempt.time.toString(QStringLiteral("dd/MM/yy HH:mm"));
}

QStringList recordProblems(int skippedLines, int skippedFiles, int unrecorded,
                           const QString &unrecordedReason)
{
    QStringList problems;
    if (skippedLines > 0)
        problems << (skippedLines == 1
                         ? QStringLiteral("1 line of the record could not be read and was skipped.")
                         : QString::number(skippedLines) +
                               " lines of the record could not be read and were skipped.");
    if (skippedFiles > 0)
        problems << (skippedFiles == 1 ? QStringLiteral("1 file of the record could not be read.")
                                       : QString::number(skippedFiles) +
                                             " files of the record could not be read.");
    // The reason is a sentence of its own; it goes inside this one without its full stop.
    QString reason = unrecordedReason.trimmed();
    while (reason.endsWith(u'.'))
        reason.chop(1);
    if (unrecorded > 0)
        problems << (unrecorded == 1 ? QStringLiteral("1 result from this computer could not be "
                                                      "saved")
                                     : QString::number(unrecorded) +
                                           " results from this computer could not be saved") +
                        (reason.isEmpty() ? QString() : ": " + reason) + ". " +
                        (unrecorded == 1 ? "It will be saved with the next result."
                                         : "They will be saved with the next result.");
    return problems;
}
