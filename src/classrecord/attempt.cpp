// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/attempt.h"

namespace
{

const QStringList columns{QStringLiteral("time"),    QStringLiteral("pupil"),
                          QStringLiteral("machine"), QStringLiteral("kind"),
                          QStringLiteral("title"),   QStringLiteral("score"),
                          QStringLiteral("out of"),  QStringLiteral("wrong answers")};

// Scores above this are not ones the program gives; a field claiming one is not ours.
constexpr int MostMarks = 1000;
constexpr int MostQuestions = 100;

QByteArray csvField(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (!bytes.contains(',') && !bytes.contains('"') && !bytes.contains('\n') &&
        !bytes.contains('\r'))
        return bytes;
    return '"' + bytes.replace("\"", "\"\"") + '"';
}

std::optional<int> wholeNumber(const QString &field, int least, int most)
{
    bool ok = false;
    const int number = field.toInt(&ok);
    if (!ok || number < least || number > most || field != QString::number(number))
        return std::nullopt;
    return number;
}

std::optional<AttemptKind> kindFromName(const QString &name)
{
    for (AttemptKind kind : {AttemptKind::Quiz, AttemptKind::Worksheet, AttemptKind::Activity})
        if (AttemptCsv::kindName(kind) == name)
            return kind;
    return std::nullopt;
}

// "3:B;7:D"; each question once, each answer a few characters.
std::optional<QList<WrongAnswer>> wrongAnswersFrom(const QString &text)
{
    QList<WrongAnswer> wrong;
    if (text.isEmpty())
        return wrong;
    for (const QString &item : text.split(u';')) {
        const QStringList parts = item.split(u':');
        if (parts.size() != 2 || parts[1].isEmpty() || parts[1].size() > 8)
            return std::nullopt;
        const std::optional<int> question = wholeNumber(parts[0], 1, MostQuestions);
        if (!question)
            return std::nullopt;
        wrong.append({*question, parts[1]});
    }
    return wrong;
}

// "2026-12-08T15:30:00+00:00": the offset always written, "+00:00" rather than "Z", so every
// line reads the same way.
QString timeText(const QDateTime &time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QChar(u'0'))
               .arg(minutes % 60, 2, 10, QChar(u'0'));
}

} // namespace

namespace AttemptCsv
{

QByteArray byteOrderMark()
{
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

QByteArray headerLine()
{
    return columns.join(u',').toUtf8() + "\r\n";
}

QString kindName(AttemptKind kind)
{
    switch (kind) {
    case AttemptKind::Quiz:
        return QStringLiteral("quiz");
    case AttemptKind::Worksheet:
        return QStringLiteral("worksheet");
    case AttemptKind::Activity:
        return QStringLiteral("activity");
    }
    return {};
}

QString wrongAnswersText(const QList<WrongAnswer> &wrong)
{
    QStringList items;
    for (const WrongAnswer &answer : wrong)
        items.append(QString::number(answer.question) + u':' + answer.answer);
    return items.join(u';');
}

QByteArray line(const Attempt &attempt)
{
    const QStringList fields{timeText(attempt.time),
                             attempt.pupil,
                             attempt.machine,
                             kindName(attempt.kind),
                             attempt.title,
                             QString::number(attempt.score),
                             QString::number(attempt.outOf),
                             wrongAnswersText(attempt.wrong)};
    QByteArray bytes;
    for (const QString &field : fields)
        bytes += csvField(field) + ',';
    bytes.chop(1);
    return bytes + "\r\n";
}

bool isHeader(const QStringList &fields)
{
    return fields == columns;
}

std::optional<Attempt> fromFields(const QStringList &fields)
{
    if (fields.size() != columns.size())
        return std::nullopt;
    Attempt attempt;
    attempt.time = QDateTime::fromString(fields[0], Qt::ISODate);
    // Only a time with its offset says when it was, wherever the file is read.
    if (!attempt.time.isValid() || attempt.time.timeSpec() == Qt::LocalTime)
        return std::nullopt;
    attempt.pupil = fields[1];
    attempt.machine = fields[2];
    attempt.title = fields[4];
    const std::optional<AttemptKind> kind = kindFromName(fields[3]);
    const std::optional<int> outOf = wholeNumber(fields[6], 1, MostMarks);
    const std::optional<int> score = wholeNumber(fields[5], 0, outOf.value_or(0));
    const auto wrong = wrongAnswersFrom(fields[7]);
    if (attempt.pupil.isEmpty() || attempt.title.isEmpty() || !kind || !outOf || !score || !wrong)
        return std::nullopt;
    attempt.kind = *kind;
    attempt.outOf = *outOf;
    attempt.score = *score;
    attempt.wrong = *wrong;
    return attempt;
}

} // namespace AttemptCsv
