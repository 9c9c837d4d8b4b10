#include "worksheets/worksheetindex.h"

#include "app/module1.h"
#include "platform/contentpath.h"
#include "platform/errors.h"
#include "platform/seqfile.h"
#include "worksheets/indexlock.h"
#include "worksheets/worksheetlog.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <optional>

Q_LOGGING_CATEGORY(lcWorksheets, "kelvarin.worksheets")

namespace
{

QString indexPath()
{
    return QStringLiteral("multiple\\track.txt");
}

// Every line is prepared before the file is opened, so a title that can't be stored stops the
// rewrite before anything is written.
void rewriteIndex(const QStringList &titles)
{
    QStringList lines;
    for (const QString &title : titles) {
        const std::optional<QString> line = SeqWriter::fieldLine(title);
        if (!line)
            throw FileError("The title " + title.toStdString() +
                            " can't be stored in the list of worksheets.");
        lines.append(*line);
    }
    SeqWriter writer(indexPath());
    writer.writeNumberLine(static_cast<int>(lines.size()));
    for (const QString &line : lines)
        writer.writeLine(line);
    writer.commit();
}

// An index that is missing, or holds nothing at all (a 0-byte file an interrupted copy may
// leave), has no entries to lose.
std::optional<SeqReader> openIndex()
{
    if (!QFileInfo::exists(resolveContentPath(indexPath())))
        return std::nullopt;
    SeqReader reader(indexPath());
    reader.skipBlankLines();
    if (reader.atEnd())
        return std::nullopt;
    return reader;
}

int readCount(SeqReader &reader)
{
    const int count = reader.readNumber();
    if (count < 0 || count > MaxWorksheets)
        throw FileError(reader.path().toStdString() + ": the count " + std::to_string(count) +
                        " is not 0 to " + std::to_string(MaxWorksheets));
    return count;
}

// The reading that a rewrite is based on. The count must agree with the lines that follow,
// one title a line, or the rewrite would drop entries it was never asked to remove.
QStringList readEveryTitleStrictly()
{
    std::optional<SeqReader> reader = openIndex();
    if (!reader)
        return {};
    const int count = readCount(*reader);
    if (!reader->fieldEndedLine())
        throw FileError(reader->path().toStdString() + ": a comma follows the count");
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(reader->readLineField());
    if (!reader->onlyBlankLinesLeft())
        throw FileError(reader->path().toStdString() + ": holds more lines than its count of " +
                        std::to_string(count));
    return titles;
}

// The strict reading, under the lock, with a reason a teacher can act on.
QStringList readTitlesForChange()
{
    try {
        return readEveryTitleStrictly();
    } catch (const FileError &error) {
        throw FileError(std::string("The worksheet index is damaged or can't be read (") +
                        error.what() + ").");
    }
}

void putInSlots(Module1 &m, const QStringList &titles)
{
    for (int i = 0; i < titles.size(); ++i)
        m.WorksheetTitles[i + 1] = titles.at(i);
    m.WorksheetCount = static_cast<int>(titles.size());
}

} // namespace

void readIndex(Module1 &m)
{
    std::optional<SeqReader> reader = openIndex();
    if (!reader)
        throw FileError("there is no worksheet index yet");
    const int count = readCount(*reader);
    QStringList titles;
    for (int i = 1; i <= count; ++i)
        titles.append(reader->readField());
    // Only a whole reading reaches the list, so a failed one leaves no entries behind that the
    // file doesn't hold.
    putInSlots(m, titles);
}

void readIndexSkippingFailures(Module1 &m)
{
    try {
        std::optional<SeqReader> reader = openIndex();
        if (!reader)
            return; // the list stays as it was
        const int count = readCount(*reader);
        QStringList titles;
        while (titles.size() < count && !reader->atEnd())
            titles.append(reader->readField());
        // A short file lists only the titles it holds, never slots left from an earlier reading.
        putInSlots(m, titles);
    } catch (const std::exception &error) {
        // The catalogue opens with the list as it was; the reason goes to the log.
        qCWarning(lcWorksheets) << "cannot read the worksheet index:" << error.what();
    }
}

bool canStoreTitle(const QString &title)
{
    return SeqWriter::fieldLine(title).has_value();
}

void addEntry(Module1 &m, const QString &title)
{
    const IndexLock lock;
    QStringList titles = readTitlesForChange();
    putInSlots(m, titles);
    if (titles.contains(title))
        return;
    if (titles.size() >= MaxWorksheets)
        throw IndexError("The list of worksheets is full: it holds " +
                         std::to_string(MaxWorksheets) + " worksheets.");
    titles.append(title);
    rewriteIndex(titles);
    // The new entry waits in its slot; the count moves on at the next reading.
    m.WorksheetTitles[static_cast<int>(titles.size())] = title;
}

void removeEntry(Module1 &m)
{
    const IndexLock lock;
    if (!QFileInfo::exists(resolveContentPath(indexPath())))
        throw FileError("The worksheet index is missing.");
    QStringList titles = readTitlesForChange();
    putInSlots(m, titles);
    const qsizetype found = titles.lastIndexOf(m.SelectedWorksheet);
    if (found < 0)
        return;
    titles.removeAt(found);
    rewriteIndex(titles);
    putInSlots(m, titles);
}
