// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/seqfile.h"

#include "files/codepage.h"
#include "files/contentpath.h"
#include "files/errors.h"
#include "files/fileaside.h"
#include "files/filebytes.h"

#include <QDir>
#include <QFileInfo>

namespace
{

const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isLineEndChar(char c)
{
    return c == '\r' || c == '\n';
}

[[noreturn]] void fail(const QString &what, const QString &path)
{
    throw FileError((path + QStringLiteral(": ") + what).toStdString());
}

// Trailing blanks are allowed after the digits; the digits themselves must make up the rest.
bool parseInteger(QString text, int &value)
{
    while (!text.isEmpty() && isBlank(text.back().toLatin1()))
        text.chop(1);
    const qsizetype firstDigit = text.startsWith(u'-') || text.startsWith(u'+') ? 1 : 0;
    if (text.size() == firstDigit)
        return false;
    for (qsizetype i = firstDigit; i < text.size(); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return false;
    }
    bool ok = false;
    value = text.toInt(&ok, 10);
    return ok;
}

} // namespace

SeqReader::SeqReader(const ContentFolder &folder, const QString &contentPath)
    : m_path(folder.resolve(contentPath)), m_data(readRegularFile(m_path))
{
    if (m_data.startsWith(byteOrderMark))
        m_pos = byteOrderMark.size();
}

QString SeqReader::readField()
{
    if (atEnd())
        fail(QStringLiteral("the file ends too early"), m_path);
    skipBlanks();
    const QByteArray field = !atEnd() && peek() == '"' ? takeQuoted() : takeUnquoted();
    return decodeWindows1252(field);
}

QString SeqReader::readLineField()
{
    const QString field = readField();
    if (!m_fieldEndedLine)
        fail(QStringLiteral("a comma splits the line that starts \"") + field + u'"', m_path);
    return field;
}

QString SeqReader::readWholeLineField()
{
    if (atEnd())
        fail(QStringLiteral("the file ends too early"), m_path);
    skipBlanks();
    if (!atEnd() && peek() == '"') {
        const QByteArray field = takeQuoted();
        const bool endedLine = m_fieldEndedLine;
        if (!endedLine)
            skipRestOfLine();
        m_fieldEndedLine = endedLine;
        return decodeWindows1252(field);
    }
    const qsizetype start = m_pos;
    skipRestOfLine();
    qsizetype end = m_pos;
    while (end > start && isLineEndChar(m_data.at(end - 1)))
        --end;
    return decodeWindows1252(m_data.sliced(start, end - start));
}

bool SeqReader::onlyBlankLinesLeft() const
{
    for (qsizetype i = m_pos; i < m_data.size(); ++i) {
        if (!isBlank(m_data.at(i)) && !isLineEndChar(m_data.at(i)))
            return false;
    }
    return true;
}

void SeqReader::skipBlankLines()
{
    for (;;) {
        qsizetype i = m_pos;
        while (i < m_data.size() && isBlank(m_data.at(i)))
            ++i;
        if (i >= m_data.size() || !isLineEndChar(m_data.at(i)))
            return;
        m_pos = i;
        consumeLineEnd();
    }
}

int SeqReader::readNumber()
{
    const QString field = readField();
    int value = 0;
    if (!parseInteger(field, value))
        fail(QStringLiteral("\"") + field + QStringLiteral("\" is not a number"), m_path);
    return value;
}

void SeqReader::skipBlanks()
{
    while (!atEnd() && isBlank(peek()))
        ++m_pos;
}

void SeqReader::consumeLineEnd()
{
    if (!atEnd() && peek() == '\r')
        ++m_pos;
    if (!atEnd() && peek() == '\n')
        ++m_pos;
}

void SeqReader::skipPastSeparator()
{
    while (!atEnd() && peek() != ',' && !isLineEndChar(peek()))
        ++m_pos;
    m_fieldEndedLine = atEnd() || peek() != ',';
    if (!m_fieldEndedLine)
        ++m_pos;
    else
        consumeLineEnd();
}

void SeqReader::skipRestOfLine()
{
    while (!atEnd() && !isLineEndChar(peek()))
        ++m_pos;
    m_fieldEndedLine = true;
    consumeLineEnd();
}

QByteArray SeqReader::takeQuoted()
{
    const qsizetype start = ++m_pos;
    while (!atEnd() && peek() != '"' && !isLineEndChar(peek()))
        ++m_pos;
    const QByteArray field = m_data.sliced(start, m_pos - start);
    if (!atEnd() && peek() == '"') {
        ++m_pos;
        skipPastSeparator();
    } else {
        m_fieldEndedLine = true;
        consumeLineEnd();
    }
    return field;
}

QByteArray SeqReader::takeUnquoted()
{
    const qsizetype start = m_pos;
    while (!atEnd() && peek() != ',' && !isLineEndChar(peek()))
        ++m_pos;
    const QByteArray field = m_data.sliced(start, m_pos - start);
    m_fieldEndedLine = atEnd() || peek() != ',';
    if (!m_fieldEndedLine)
        ++m_pos;
    else
        consumeLineEnd();
    return field;
}

namespace
{

// A path below the content folder, the classroom, is walked from there without following a link;
// any other path is the caller's own, and its folder is taken as it is.
std::unique_ptr<FileAside> fileAsideFor(const ContentFolder &folder, const QString &path)
{
    const QString below = QDir(folder.path()).relativeFilePath(path);
    if (!QDir::isAbsolutePath(below) && !below.startsWith(QStringLiteral("../")))
        return std::make_unique<FileAside>(folder.path(), below);
    const QFileInfo file(path);
    return std::make_unique<FileAside>(file.path(), file.fileName());
}

} // namespace

SeqWriter::SeqWriter(const ContentFolder &folder, const QString &contentPath)
    : m_file(fileAsideFor(folder, folder.resolve(contentPath)))
{
}

SeqWriter::~SeqWriter() = default;

void SeqWriter::writeLine(const QString &text)
{
    writeBytes(encodeWindows1252(text) + "\r\n");
}

std::optional<QString> SeqWriter::fieldLine(const QString &field)
{
    if (!isWindows1252Encodable(field) || field.contains(u'\r') || field.contains(u'\n') ||
        field.startsWith(u'"'))
        return std::nullopt;
    // Unquoted, a comma would end the field early and a leading blank would be skipped.
    const bool needsQuotes =
        field.contains(u',') || field.startsWith(u' ') || field.startsWith(u'\t');
    if (!needsQuotes)
        return field;
    if (field.contains(u'"'))
        return std::nullopt;
    return u'"' + field + u'"';
}

void SeqWriter::writeNumberLine(int number)
{
    const QString digits = QString::number(number);
    writeLine(number < 0 ? digits + u' ' : u' ' + digits + u' ');
}

void SeqWriter::commit()
{
    m_file->write(m_bytes);
    m_file->replace();
}

void SeqWriter::writeBytes(const QByteArray &bytes)
{
    // The reader skips one byte-order mark at the start; text that begins with those same bytes
    // ("ï»¿" in Windows-1252) gets a mark of its own in front so it reads back whole.
    if (m_bytes.isEmpty() && bytes.startsWith(byteOrderMark))
        m_bytes += byteOrderMark;
    m_bytes += bytes;
}
