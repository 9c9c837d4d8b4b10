#include "platform/seqfile.h"

#include "platform/codepage.h"
#include "platform/contentpath.h"
#include "platform/errors.h"

#include <QFile>

namespace
{

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
    throw FileError((what + u' ' + path).toStdString());
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

SeqReader::SeqReader(const QString &contentPath) : m_path(resolveContentPath(contentPath))
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot open"), m_path);
    m_data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("cannot read"), m_path);
}

QString SeqReader::readField()
{
    if (atEnd())
        fail(QStringLiteral("read past the end of"), m_path);
    skipBlanks();
    const QByteArray field = !atEnd() && peek() == '"' ? takeQuoted() : takeUnquoted();
    return decodeWindows1252(field);
}

int SeqReader::readNumber()
{
    const QString field = readField();
    int value = 0;
    if (!parseInteger(field, value))
        fail(QStringLiteral("not a number (") + field + QStringLiteral(") in"), m_path);
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
    if (!atEnd() && peek() == ',')
        ++m_pos;
    else
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
    if (!atEnd() && peek() == ',')
        ++m_pos;
    else
        consumeLineEnd();
    return field;
}

SeqWriter::SeqWriter(const QString &contentPath)
    : m_path(resolveContentPath(contentPath)), m_file(m_path)
{
    if (!m_file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write"), m_path);
}

void SeqWriter::writeLine(const QString &text)
{
    writeBytes(encodeWindows1252(text) + "\r\n");
}

void SeqWriter::writeNumberLine(int number)
{
    const QString digits = QString::number(number);
    writeLine(number < 0 ? digits + u' ' : u' ' + digits + u' ');
}

void SeqWriter::commit()
{
    if (!m_file.commit())
        fail(QStringLiteral("cannot save"), m_path);
}

void SeqWriter::writeBytes(const QByteArray &bytes)
{
    if (m_file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write to"), m_path);
}
