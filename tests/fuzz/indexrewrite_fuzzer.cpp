// SPDX-License-Identifier: GPL-3.0-or-later
// Adding and removing worksheets on an index made from arbitrary bytes must never lose an entry it
// was not asked to remove. The input is an operation script followed by the index file:
//
//   byte 0          bits 0-1: operations less one; bit 2: start with no index file at all
//   a byte per op   bit 0: remove (else add); bit 1: the title of an entry the file holds, chosen
//                   by bits 2-7 (else a title of (bits 2-7) % 16 bytes, taken next in op order)
//   the rest        the index file
//
// After each operation either it failed and the file is byte for byte as before, or the file is
// one the program writes and holds exactly the entries before with the one change. The entries
// before are read line by line here, by the format's own rule, never by the program's reader.

#include "fuzzsupport.h"
#include "files/codepage.h"
#include "files/errors.h"
#include "worksheetlist.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <optional>

namespace
{

const QString indexPath = QStringLiteral("multiple/track.txt");

struct Operation {
    bool remove = false;
    QString title;
};

// Sound: the program must read it. Doubtful: it may refuse it, but if it rewrites it the entries
// read here must survive. Damaged: the count and the lines disagree, a comma follows a quoted
// title, or a title can't be written back (a comma and a quote unquoted), so it must not be
// rewritten.
enum class Shape { Sound, Doubtful, Damaged };

struct IndexModel {
    Shape shape = Shape::Sound;
    QStringList titles;
    void doubt(Shape worse) { shape = std::max(shape, worse); }
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArray withoutLeadingBlanks(const QByteArray &line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line.at(start)))
        ++start;
    return line.mid(start);
}

bool allBlank(const QByteArray &line)
{
    return withoutLeadingBlanks(line).isEmpty();
}

// Lines end at CR LF, LF or a lone CR; a last line without an end counts when not empty.
QList<QByteArray> textLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    QByteArray line;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n') {
            line.append(c);
            continue;
        }
        lines.append(line);
        line.clear();
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

// The count line: digits between blanks.
std::optional<int> countOf(const QByteArray &line, IndexModel &model)
{
    QByteArray digits = withoutLeadingBlanks(line);
    if (digits.startsWith('"')) {
        // The field rule reads a count in quotes as what they hold, to the closing quote or the
        // line's end, and never what follows the quote: a program may take it or refuse it, but
        // never lose an entry over it.
        const qsizetype close = digits.indexOf('"', 1);
        model.doubt(Shape::Doubtful);
        digits = withoutLeadingBlanks(digits.mid(1, close < 0 ? -1 : close - 1));
    }
    while (!digits.isEmpty() && isBlank(digits.back()))
        digits.chop(1);
    const bool negative = digits.startsWith('-');
    if (negative || digits.startsWith('+')) {
        model.doubt(Shape::Doubtful);
        digits.remove(0, 1);
    }
    const bool allDigits =
        !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!allDigits)
        return std::nullopt;
    while (digits.size() > 1 && digits.startsWith('0'))
        digits.remove(0, 1);
    const int count = digits.size() > 4 ? MaxWorksheets + 1 : digits.toInt();
    if (count > MaxWorksheets || (negative && count > 0))
        return std::nullopt;
    return count;
}

// The title a line holds: a quoted field by the field rule, any other line whole, commas and all,
// as older copies of the program wrote titles.
QString titleOf(const QByteArray &line, IndexModel &model)
{
    const QByteArray field = withoutLeadingBlanks(line);
    if (!field.startsWith('"')) {
        if (field.contains(',') && field.contains('"'))
            model.doubt(Shape::Damaged);
        return decodeWindows1252(field);
    }
    const qsizetype close = field.indexOf('"', 1);
    if (close < 0) {
        model.doubt(Shape::Doubtful);
        return decodeWindows1252(field.mid(1));
    }
    if (!allBlank(field.mid(close + 1)))
        model.doubt(Shape::Doubtful); // the field rule never reads what follows the quote
    return decodeWindows1252(field.mid(1, close - 1));
}

IndexModel modelOf(const std::optional<QByteArray> &file)
{
    IndexModel model;
    if (!file || file->isEmpty())
        return model; // a missing or empty index is an empty list
    QByteArray bytes = *file;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QList<QByteArray> lines = textLines(bytes);
    while (!lines.isEmpty() && allBlank(lines.first())) {
        model.doubt(Shape::Doubtful);
        lines.removeFirst();
    }
    const std::optional<int> count = lines.isEmpty() ? std::nullopt : countOf(lines.first(), model);
    if (!count || lines.size() <= *count) {
        model.doubt(lines.isEmpty() ? Shape::Doubtful : Shape::Damaged);
        return model;
    }
    for (int i = 1; i <= *count; ++i)
        model.titles.append(titleOf(lines.at(i), model));
    for (qsizetype i = *count + 1; i < lines.size(); ++i)
        model.doubt(allBlank(lines.at(i)) ? Shape::Doubtful : Shape::Damaged);
    return model;
}

// The titles of an index exactly as the program writes one: " N " and N titles, each line ended
// by CR LF, a title in quotes only when it needs them.
std::optional<QStringList> writtenTitles(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    if (lines.takeLast() != "")
        return std::nullopt;
    for (QByteArray &line : lines) {
        if (!line.endsWith('\r'))
            return std::nullopt;
        line.chop(1);
        if (line.contains('\r'))
            return std::nullopt;
    }
    if (lines.isEmpty() || lines.first() != ' ' + QByteArray::number(lines.size() - 1) + ' ')
        return std::nullopt;
    lines.removeFirst();
    QStringList titles;
    for (const QByteArray &line : lines) {
        const bool quoted = line.size() >= 2 && line.startsWith('"') && line.endsWith('"');
        const QByteArray title = quoted ? line.mid(1, line.size() - 2) : line;
        const bool needsQuotes = title.contains(',') || (!title.isEmpty() && isBlank(title.at(0)));
        if (title.contains('"') && (quoted || title.startsWith('"')))
            return std::nullopt;
        if (quoted != needsQuotes)
            return std::nullopt;
        titles.append(decodeWindows1252(title));
    }
    return titles;
}

std::optional<QByteArray> indexFile()
{
    if (!QFileInfo(scratchFolder().filePath(indexPath)).isFile())
        return std::nullopt;
    return scratchFolder().readFile(indexPath);
}

// A title that differs from a listed one only in letter case names the same file: no new entry.
QStringList titlesAfter(const Operation &op, QStringList titles)
{
    const qsizetype last = titles.lastIndexOf(op.title);
    if (op.remove && last >= 0)
        titles.removeAt(last);
    if (!op.remove && !titles.contains(op.title, Qt::CaseInsensitive))
        titles.append(op.title);
    return titles;
}

// On an index the program must read, only these may fail.
bool mayFail(const Operation &op, const IndexModel &model)
{
    if (op.remove)
        return !model.titles.contains(op.title);
    return !canStoreTitle(op.title) || model.titles.size() >= MaxWorksheets;
}

bool perform(const Operation &op, WorksheetList &m)
{
    try {
        if (op.remove) {
            m.SelectedWorksheet = op.title;
            removeEntry(scratchFolder().folder(), m);
        } else {
            addEntry(scratchFolder().folder(), m, op.title);
        }
        return true;
    } catch (const FileError &) {
        // A full list too.
        return false;
    }
}

void checkOperation(const Operation &op)
{
    const std::optional<QByteArray> before = indexFile();
    const IndexModel model = modelOf(before);
    const auto m = withLeftOvers();
    const bool done = perform(op, *m);
    const std::optional<QByteArray> after = indexFile();
    const QStringList shown = shownList(*m);
    if (!done) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(model.shape != Shape::Sound || mayFail(op, model));
        return;
    }
    const QStringList expected = titlesAfter(op, model.titles);
    if (after == before) {
        FUZZ_CHECK(model.shape != Shape::Sound || expected == model.titles);
        return;
    }
    FUZZ_CHECK(model.shape != Shape::Damaged);
    FUZZ_CHECK(after && writtenTitles(*after) == expected);
    // A removal shows the new list at once; an added title waits for the next reading.
    FUZZ_CHECK(shown == (op.remove ? expected : model.titles));
}

class Script
{
public:
    Script(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool atEnd() const { return m_pos >= m_size; }
    uint8_t byte() { return atEnd() ? 0 : m_data[m_pos++]; }
    QByteArray bytes(size_t count)
    {
        count = std::min(count, m_size - m_pos);
        m_pos += count;
        return fuzzBytes(m_data + m_pos - count, count);
    }
    QByteArray rest() { return bytes(m_size - m_pos); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// The program always has an application object, whose name the index's lock records; without
// one Qt warns at every change, a line an execution.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "indexrewrite_fuzzer";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = new QCoreApplication(argc, argv);
    (void)app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    const TempClassroom &scratch = scratchFolder();
    Script script(data, size);
    const uint8_t head = script.byte();
    std::vector<uint8_t> codes;
    for (int i = 0; i <= (head & 3); ++i)
        codes.push_back(script.byte());
    std::vector<QByteArray> literals;
    for (const uint8_t code : codes)
        literals.push_back(code & 2 ? QByteArray() : script.bytes((code >> 2) % 16));
    QFile::remove(scratch.filePath(indexPath));
    if (!(head & 4))
        scratch.writeFile(indexPath, script.rest());

    for (size_t i = 0; i < codes.size(); ++i) {
        Operation op{bool(codes[i] & 1), decodeWindows1252(literals[i])};
        if (codes[i] & 2) {
            const QStringList titles = modelOf(indexFile()).titles;
            op.title = titles.isEmpty() ? QString() : titles.at((codes[i] >> 2) % titles.size());
        }
        checkOperation(op);
    }
    return 0;
}
