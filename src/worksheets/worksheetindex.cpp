#include "worksheets/worksheetindex.h"

#include "app/module1.h"
#include "platform/codepage.h"
#include "platform/contentpath.h"
#include "platform/errors.h"
#include "platform/seqfile.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace
{

QString indexPath()
{
    return QStringLiteral("multiple\\track.txt");
}

// Unquoted, a comma would end the field early and a leading blank would be skipped.
bool needsQuotes(const QString &title)
{
    return title.contains(u',') || title.startsWith(u' ') || title.startsWith(u'\t');
}

// The line that reads back as exactly this title, if there is one. A leading quote can't be
// stored either way, and a quoted field ends at the first quote inside it.
std::optional<QString> storedLine(const QString &title)
{
    if (!isWindows1252Encodable(title) || title.contains(u'\r') || title.contains(u'\n') ||
        title.startsWith(u'"'))
        return std::nullopt;
    if (!needsQuotes(title))
        return title;
    if (title.contains(u'"'))
        return std::nullopt;
    return u'"' + title + u'"';
}

QStringList titlesInSlots(const Module1 &m, int count)
{
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(m.WorksheetTitles[i]);
    return titles;
}

// Every line is prepared before the file is opened, so a title that can't be stored stops the
// rewrite before anything is written.
void rewriteIndex(const QStringList &titles)
{
    QStringList lines;
    for (const QString &title : titles) {
        const std::optional<QString> line = storedLine(title);
        if (!line)
            throw FileError("title cannot be stored in the worksheet index: " +
                            title.toStdString());
        lines.append(*line);
    }
    SeqWriter writer(indexPath());
    writer.writeNumberLine(static_cast<int>(lines.size()));
    for (const QString &line : lines)
        writer.writeLine(line);
    writer.commit();
}

bool indexExists()
{
    return QFileInfo::exists(resolveContentPath(indexPath()));
}

} // namespace

void readIndex(Module1 &m)
{
    SeqReader reader(indexPath());
    m.WorksheetCount = reader.readNumber();
    for (int i = 1; i <= m.WorksheetCount; ++i)
        m.WorksheetTitles[i] = reader.readField();
}

void readIndexSkippingFailures(Module1 &m)
{
    std::optional<SeqReader> reader;
    try {
        reader.emplace(indexPath());
    } catch (const FileError &) {
        return; // every later step would fail as well
    }
    try {
        m.WorksheetCount = reader->readNumber();
    } catch (const FileError &) {
        // the count stays as it was and the titles are still read
    }
    // Reads past the end of the file or into slots above the last can only fail, so they are
    // left out rather than tried one by one.
    const int last = std::min(m.WorksheetCount, MaxWorksheets);
    for (int i = 1; i <= last && !reader->atEnd(); ++i)
        m.WorksheetTitles[i] = reader->readField();
}

bool canStoreTitle(const QString &title)
{
    return storedLine(title).has_value();
}

void addEntry(Module1 &m, const QString &title)
{
    // Without this a lost index would make every later save fail.
    if (indexExists())
        readIndex(m);
    else
        m.WorksheetCount = 0;
    const int count = m.WorksheetCount;
    for (int i = 1; i <= count; ++i) {
        if (m.WorksheetTitles[i] == title)
            return;
    }
    m.WorksheetTitles[count + 1] = title;
    rewriteIndex(titlesInSlots(m, count + 1));
}

void removeEntry(Module1 &m)
{
    readIndex(m);
    const int count = m.WorksheetCount;
    int found = 0;
    for (int i = count; i >= 1 && found == 0; --i) {
        if (m.WorksheetTitles[i] == m.SelectedWorksheet)
            found = i;
    }
    if (found == 0)
        return;
    QStringList remaining = titlesInSlots(m, count);
    remaining.removeAt(found - 1);
    rewriteIndex(remaining);
    for (int i = found; i < count; ++i)
        m.WorksheetTitles[i] = m.WorksheetTitles[i + 1];
    m.WorksheetCount = count - 1;
}
