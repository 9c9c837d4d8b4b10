// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheetindex.h"

#include "files/contentpath.h"
#include "files/errors.h"
#include "files/filebytes.h"
#include "files/seqfile.h"
#include "worksheets/indexlock.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetslog.h"
#include "worksheets/worksheettitle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace
{

QString indexPath()
{
    return QStringLiteral("multiple\\track.txt");
}

// Every line is prepared before the file is opened, so a title that can't be stored stops the
// rewrite before anything is written.
void rewriteIndex(const ContentFolder &classroom, const QStringList &titles)
{
    QStringList lines;
    for (const QString &title : titles) {
        const std::optional<QString> line = SeqWriter::fieldLine(title);
        if (!line)
            throw FileError("The title " + title.toStdString() +
                            " can't be stored in the list of worksheets.");
        lines.append(*line);
    }
    SeqWriter writer(classroom, indexPath());
    writer.writeNumberLine(static_cast<int>(lines.size()));
    for (const QString &line : lines)
        writer.writeLine(line);
    writer.commit();
}

// An index that is missing, or holds nothing at all (a 0-byte file an interrupted copy may
// leave), has no entries to lose.
std::optional<SeqReader> openIndex(const ContentFolder &classroom)
{
    if (!QFileInfo::exists(classroom.resolve(indexPath())))
        return std::nullopt;
    SeqReader reader(classroom, indexPath());
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

// What an index holds after its count: one title a line. Older copies of the program wrote titles
// without quotes, commas and all, so a line is one title whatever commas it holds.
struct TitleLines {
    QStringList titles;
    bool commaAfterQuote = false; // a quoted title followed by more: not a line we write
};

// Up to count lines, fewer when the file ends first.
TitleLines readTitleLines(SeqReader &reader, qsizetype count)
{
    TitleLines lines;
    while (lines.titles.size() < count && !reader.atEnd()) {
        lines.titles.append(reader.readWholeLineField());
        lines.commaAfterQuote = lines.commaAfterQuote || !reader.fieldEndedLine();
    }
    return lines;
}

const std::string rebuildAdvice =
    " \"Rebuild the list\" in the Worksheets Catalogue mends it without losing a worksheet.";

[[noreturn]] void damaged(const std::string &reason)
{
    throw DamagedIndexError("The worksheet index is damaged or can't be read (" + reason + ")." +
                            rebuildAdvice);
}

[[noreturn]] void damaged(const SeqReader &reader, const std::string &what)
{
    damaged(reader.path().toStdString() + ": " + what);
}

// The reading that a rewrite is based on. The count must agree with the lines that follow,
// one title a line, or the rewrite would drop entries it was never asked to remove.
QStringList readEveryTitleStrictly(const ContentFolder &classroom)
{
    std::optional<SeqReader> reader;
    int count = 0;
    try {
        reader = openIndex(classroom);
        if (!reader)
            return {};
        count = readCount(*reader);
    } catch (const FileError &error) {
        damaged(error.what()); // throws DamagedIndexError with the reason
    }
    if (!reader->fieldEndedLine())
        damaged(*reader, "a comma follows the count");
    const TitleLines lines = readTitleLines(*reader, count);
    if (lines.commaAfterQuote)
        damaged(*reader, "a comma follows a title in quotes");
    if (lines.titles.size() < count || !reader->onlyBlankLinesLeft())
        damaged(*reader, "its count of " + std::to_string(count) +
                             " doesn't agree with the title lines that follow it");
    // An older index may hold a title with a comma and a quote, which no line can hold quoted.
    for (const QString &title : lines.titles) {
        if (!canStoreTitle(title))
            damaged(*reader, "the title " + title.toStdString() + " can't be written back");
    }
    return lines.titles;
}

void putInSlots(WorksheetList &m, const QStringList &titles)
{
    for (int i = 0; i < titles.size(); ++i)
        m.WorksheetTitles[i + 1] = titles.at(i);
    m.WorksheetCount = static_cast<int>(titles.size());
}

bool listsFile(const QStringList &titles, const QString &title)
{
    return titles.contains(title, Qt::CaseInsensitive);
}

// A title that names the same file as one listed doesn't make a second entry.
void appendUnlisted(QStringList &titles, const QString &title)
{
    if (!listsFile(titles, title))
        titles.append(title);
}

// Whatever can still be read from a damaged index, line by line in its order: the first line is
// its count when it reads as a number.
QStringList salvageTitles(const ContentFolder &classroom)
{
    std::optional<SeqReader> reader;
    try {
        reader = openIndex(classroom);
    } catch (const FileError &error) {
        qCWarning(lcWorksheets) << "nothing can be read from the worksheet index:" << error.what();
    }
    if (!reader)
        return {};
    QStringList titles;
    bool first = true;
    for (const QString &line : readTitleLines(*reader, MaxReadableFileBytes).titles) {
        bool isCount = false;
        if (first)
            line.trimmed().toInt(&isCount);
        first = false;
        if (!isCount && !line.trimmed().isEmpty())
            titles.append(line);
    }
    return titles;
}

// The base names of the question-set files in multiple/ that are worksheets, in name order.
QStringList worksheetFilesInFolder(const ContentFolder &classroom)
{
    const QDir folder(classroom.resolve(QStringLiteral("multiple")));
    QStringList titles;
    for (const QString &name :
         folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name)) {
        const QString title = name.chopped(4);
        if (!isTopicQuiz(title) && titleProblem(title).isEmpty())
            titles.append(title);
    }
    return titles;
}

// The old index is copied aside first, by a rename of a whole file, so the copy never replaces
// anything but a link or file of that name itself.
void keepCopyOfIndex(const ContentFolder &classroom)
{
    const QString index = classroom.resolve(indexPath());
    if (!QFileInfo::exists(index))
        return;
    const QByteArray bytes = readRegularFile(index);
    const QString copy = index + QStringLiteral(".bak");
    QTemporaryFile file(copy + QStringLiteral(".XXXXXX"));
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush() ||
        ::fsync(file.handle()) != 0)
        throw FileError("Cannot keep a copy of the worksheet index as " + copy.toStdString() +
                        " (" + file.errorString().toStdString() + ").");
    if (::rename(QFile::encodeName(file.fileName()).constData(),
                 QFile::encodeName(copy).constData()) != 0)
        throw FileError("Cannot keep a copy of the worksheet index as " + copy.toStdString() +
                        " (" + std::strerror(errno) + ").");
    file.setAutoRemove(false);
}

// A new worksheet file whose entry couldn't be added is taken away again, so that no file is
// left that the catalogue can't reach; a file that was there before stays.
class NewFileGuard
{
public:
    NewFileGuard(const ContentFolder &classroom, const QString &title)
        : m_path(classroom.resolve(worksheetFile(title))), m_existed(QFileInfo::exists(m_path))
    {
    }
    void undo() const
    {
        if (!m_existed && !QFile::remove(m_path))
            qCWarning(lcWorksheets) << "cannot take away the unlisted worksheet" << m_path;
    }

private:
    QString m_path;
    bool m_existed;
};

} // namespace

void readIndex(const ContentFolder &classroom, WorksheetList &m)
{
    std::optional<SeqReader> reader = openIndex(classroom);
    if (!reader)
        throw FileError("there is no worksheet index yet");
    const int count = readCount(*reader);
    const QStringList lines = readTitleLines(*reader, count).titles;
    if (lines.size() < count)
        throw FileError(reader->path().toStdString() + ": fewer titles than its count of " +
                        std::to_string(count));
    // Only a whole reading reaches the list, so a failed one leaves no entries behind that the
    // file doesn't hold.
    putInSlots(m, lines);
}

void readIndexSkippingFailures(const ContentFolder &classroom, WorksheetList &m)
{
    try {
        std::optional<SeqReader> reader = openIndex(classroom);
        if (!reader)
            return; // the list stays as it was
        const int count = readCount(*reader);
        // A short file lists only the titles it holds, never slots left from an earlier reading.
        putInSlots(m, readTitleLines(*reader, count).titles);
    } catch (const std::exception &error) {
        // The catalogue opens with the list as it was; the reason goes to the log.
        qCWarning(lcWorksheets) << "cannot read the worksheet index:" << error.what();
    }
}

bool indexIsDamaged(const ContentFolder &classroom)
{
    try {
        readEveryTitleStrictly(classroom);
        return false;
    } catch (const DamagedIndexError &error) {
        qCWarning(lcWorksheets) << error.what();
        return true;
    }
}

bool canStoreTitle(const QString &title)
{
    return SeqWriter::fieldLine(title).has_value();
}

void addEntry(const ContentFolder &classroom, WorksheetList &m, const QString &title)
{
    addEntry(classroom, m, title, nullptr);
}

void addEntry(const ContentFolder &classroom, WorksheetList &m, const QString &title,
              const std::function<void()> &writeWorksheet)
{
    const IndexLock lock(classroom);
    QStringList titles = readEveryTitleStrictly(classroom);
    putInSlots(m, titles);
    const bool listed = listsFile(titles, title);
    if (!listed && titles.size() >= MaxWorksheets)
        throw WorksheetListFull(
            "The list of worksheets is full: it holds " + std::to_string(MaxWorksheets) +
            " worksheets. Delete one that is no longer needed, then save again.");
    if (!listed && !canStoreTitle(title))
        throw FileError("The title " + title.toStdString() +
                        " can't be stored in the list of worksheets.");
    std::optional<NewFileGuard> guard;
    if (writeWorksheet) {
        guard.emplace(classroom, title);
        writeWorksheet();
    }
    if (listed)
        return;
    titles.append(title);
    try {
        rewriteIndex(classroom, titles);
    } catch (const FileError &) {
        if (guard)
            guard->undo();
        throw;
    }
    // The new entry waits in its slot; the count moves on at the next reading.
    m.WorksheetTitles[static_cast<int>(titles.size())] = title;
}

void removeEntry(const ContentFolder &classroom, WorksheetList &m)
{
    const IndexLock lock(classroom);
    if (!QFileInfo::exists(classroom.resolve(indexPath())))
        throw FileError("The worksheet index is missing.");
    QStringList titles = readEveryTitleStrictly(classroom);
    putInSlots(m, titles);
    const qsizetype found = titles.lastIndexOf(m.SelectedWorksheet);
    if (found < 0)
        return;
    titles.removeAt(found);
    rewriteIndex(classroom, titles);
    putInSlots(m, titles);
}

void rebuildIndex(const ContentFolder &classroom, WorksheetList &m)
{
    const IndexLock lock(classroom);
    QStringList titles;
    for (const QString &title : salvageTitles(classroom)) {
        if (titleProblem(title).isEmpty() && canStoreTitle(title))
            appendUnlisted(titles, title);
        else
            qCWarning(lcWorksheets) << "the rebuilt list leaves out the title" << title;
    }
    for (const QString &title : worksheetFilesInFolder(classroom))
        appendUnlisted(titles, title);
    if (titles.size() > MaxWorksheets) {
        qCWarning(lcWorksheets) << "the rebuilt list holds the first" << MaxWorksheets << "of"
                                << titles.size() << "worksheets";
        titles.resize(MaxWorksheets);
    }
    keepCopyOfIndex(classroom);
    rewriteIndex(classroom, titles);
    putInSlots(m, titles);
}
