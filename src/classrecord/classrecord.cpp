// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/classrecord.h"

#include "classrecord/classrecordlog.h"
#include "classrecord/recordfolder.h"
#include "files/errors.h"
#include "files/fileaside.h"

#include <QFileInfo>
#include <QSysInfo>
#include <algorithm>

namespace
{

const QString suffix = QStringLiteral("csv");
// Most read at once across all files, so a folder of hostile files can't exhaust memory; years
// of a whole school's attempts are far less.
constexpr qint64 MostBytesRead = 64 * 1024 * 1024;
constexpr int MostFiles = 1000;

// One CSV record from pos: its fields, and whether it ended properly at a line end (not at the
// file's end, nor inside quotes, nor with stray text after a closing quote).
struct CsvRecord {
    QStringList fields;
    bool whole = false;
};

CsvRecord takeRecord(const QByteArray &bytes, qsizetype &pos)
{
    CsvRecord record;
    QByteArray field;
    bool quoted = false;
    bool afterQuote = false;
    while (pos < bytes.size()) {
        const char c = bytes[pos++];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (pos < bytes.size() && bytes[pos] == '"')
                field += bytes[pos++];
            else {
                quoted = false;
                afterQuote = true;
            }
        } else if (c == '"' && field.isEmpty() && !afterQuote) {
            quoted = true;
        } else if (c == ',' || c == '\n') {
            if (field.endsWith('\r') && c == '\n')
                field.chop(1);
            record.fields.append(QString::fromUtf8(field));
            field.clear();
            afterQuote = false;
            if (c == '\n') {
                record.whole = true;
                return record;
            }
        } else if (afterQuote && c != '\r') {
            return record; // text after a closing quote: not a record of ours
        } else {
            field += c;
        }
    }
    return record;
}

qsizetype nextLine(const QByteArray &bytes, qsizetype from)
{
    const qsizetype end = bytes.indexOf('\n', from);
    return end < 0 ? bytes.size() : end + 1;
}

void readFile(const QByteArray &bytes, const QString &path, RecordRead &into)
{
    const QByteArray mark = AttemptCsv::byteOrderMark();
    qsizetype pos = bytes.startsWith(mark) ? mark.size() : 0;
    int line = 1;
    while (pos < bytes.size()) {
        const qsizetype start = pos;
        const CsvRecord record = takeRecord(bytes, pos);
        const bool blank = record.whole && record.fields.size() == 1 && record.fields[0].isEmpty();
        if (record.whole && (blank || AttemptCsv::isHeader(record.fields))) {
            line += int(bytes.mid(start, pos - start).count('\n'));
            continue;
        }
        const std::optional<Attempt> attempt =
            record.whole ? AttemptCsv::fromFields(record.fields) : std::nullopt;
        if (attempt) {
            into.attempts.append(*attempt);
            line += int(bytes.mid(start, pos - start).count('\n'));
            continue;
        }
        // Only this line is given up: the next starts afresh, whatever this one held.
        qCWarning(lcClassRecord) << "Skipped line" << line << "of" << path
                                 << "which is cut short or not an attempt";
        ++into.skippedLines;
        pos = nextLine(bytes, start);
        ++line;
    }
}

} // namespace

ClassRecord::ClassRecord(const ContentFolder &classroom) : m_classroom(classroom.path()) {}

QString ClassRecord::thisMachine()
{
    return QSysInfo::machineHostName();
}

QString ClassRecord::machineFileName(const QString &machine)
{
    QString name;
    for (const QChar c : machine.toLower().left(64))
        name += (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'-' || c == u'_' ? c : u'_';
    if (name.isEmpty())
        name = QStringLiteral("machine");
    return name + u'.' + suffix;
}

void ClassRecord::append(const Attempt &attempt) const
{
    RecordFolder::appendWhole(m_classroom, machineFileName(attempt.machine),
                              AttemptCsv::line(attempt),
                              AttemptCsv::byteOrderMark() + AttemptCsv::headerLine());
}

RecordRead ClassRecord::read() const
{
    RecordRead result;
    qint64 bytesRead = 0;
    const QStringList files = RecordFolder::filesEndingIn(m_classroom, suffix);
    for (int i = 0; i < files.size(); ++i) {
        const QString &file = files[i];
        const QString path = m_classroom + u'/' + QLatin1String(RecordFolder::Name) + u'/' + file;
        if (bytesRead >= MostBytesRead || i >= MostFiles) {
            qCWarning(lcClassRecord) << "Skipped" << path << "beyond what the record reads at once";
            ++result.skippedFiles;
            continue;
        }
        try {
            const QByteArray bytes = RecordFolder::read(m_classroom, file).value_or(QByteArray());
            bytesRead += bytes.size();
            readFile(bytes, path, result);
        } catch (const FileError &error) {
            qCWarning(lcClassRecord) << "Skipped" << error.what();
            ++result.skippedFiles;
        }
    }
    return result;
}

RecordRead ClassRecord::exportTo(const QString &path) const
{
    RecordRead record = read();
    std::stable_sort(record.attempts.begin(), record.attempts.end(),
                     [](const Attempt &a, const Attempt &b) { return a.time < b.time; });
    QByteArray bytes = AttemptCsv::byteOrderMark() + AttemptCsv::headerLine();
    for (const Attempt &attempt : record.attempts)
        bytes += AttemptCsv::line(attempt);
    const QFileInfo target(path);
    FileAside file(target.absolutePath(), target.fileName());
    file.write(bytes);
    file.replace();
    return record;
}

bool ClassRecord::hasAttempts() const
{
    return !RecordFolder::filesEndingIn(m_classroom, suffix).isEmpty();
}

QString ClassRecord::startNew(const QDateTime &now) const
{
    return RecordFolder::moveIntoNewFolder(m_classroom, suffix,
                                           now.toString(QStringLiteral("yyyy-MM-dd HHmm")));
}
