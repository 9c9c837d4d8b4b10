// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class ContentFolder;
class FileAside;

// Reads a text file as a sequence of fields. The whole file is read when the reader is made and
// the file is closed at once, so no file stays open while the caller works through the fields.
// Only a regular file of a sensible size is read (see readRegularFile), and a UTF-8 byte-order
// mark that an editor may have put in front is skipped.
//
// The field rule: blanks (spaces, tabs) at the start of a field are skipped, never across a line
// end. A field that opens with a double quote runs to the closing quote (or, if there is none, to
// the end of the line); whatever follows it up to and including the next comma or line end is
// skipped. Any other field ends at a comma or at the line end, which is consumed. CR LF, LF and
// a lone CR all end a line.
class SeqReader
{
public:
    // Throws FileError if the file that the content path names in the folder can't be read.
    SeqReader(const ContentFolder &folder, const QString &contentPath);

    // Throws FileError when nothing is left to read.
    QString readField();

    // For files that hold one field a line: reads a field and throws FileError unless it ended
    // its line, so a stray comma can't shift every later field.
    QString readLineField();

    // For a file written one value a line by a program that didn't quote commas: a quoted field
    // as readField reads it, any other field up to the line's end, commas and all. The line is
    // used up either way; fieldEndedLine() tells whether a comma followed a quoted field.
    QString readWholeLineField();

    // Reads a field holding a decimal integer, optionally signed and followed by blanks.
    // Throws FileError for anything else.
    int readNumber();

    bool atEnd() const { return m_pos >= m_data.size(); }
    // Whether the last field read ended at a line end (or the file's end) rather than a comma.
    bool fieldEndedLine() const { return m_fieldEndedLine; }
    // Whether nothing but blanks and line ends is left.
    bool onlyBlankLinesLeft() const;
    // Moves past lines that hold nothing but blanks.
    void skipBlankLines();
    const QString &path() const { return m_path; }

private:
    char peek() const { return m_data.at(m_pos); }
    void skipBlanks();
    void consumeLineEnd();
    void skipPastSeparator();
    void skipRestOfLine();
    QByteArray takeQuoted();
    QByteArray takeUnquoted();

    QString m_path;
    QByteArray m_data;
    qsizetype m_pos = 0;
    bool m_fieldEndedLine = true;
};

// Writes a text file line by line, each line in Windows-1252 and ended by CR LF. commit() writes
// the lines to a temporary file in the same folder, makes sure every byte is on the disk and only
// then puts it in place of the old file. A writer that is destroyed without a commit, or whose
// write failed anywhere (a full disk, a file-size limit), leaves the old file exactly as it was.
// Below the content folder no symbolic link is followed: a link in the file's place is
// replaced by the file, and a linked folder on the way is refused.
class SeqWriter
{
public:
    // Throws FileError if the temporary file can't be created.
    SeqWriter(const ContentFolder &folder, const QString &contentPath);
    ~SeqWriter();
    SeqWriter(const SeqWriter &) = delete;
    SeqWriter &operator=(const SeqWriter &) = delete;

    void writeLine(const QString &text);

    // The line that the reader's field rule reads back as exactly this one field: the text as it
    // is, or in double quotes when it holds a comma or starts with a blank. Nothing when no line
    // can: the text holds a line break or a character Windows-1252 lacks, starts with a double
    // quote, or needs quotes and holds one (a quoted field ends at its first quote).
    static std::optional<QString> fieldLine(const QString &field);

    // Numbers carry a blank before the digits (a minus sign takes its place) and one after.
    void writeNumberLine(int number);

    // Throws FileError if any byte could not be written or the file can't be put in place.
    void commit();

private:
    void writeBytes(const QByteArray &bytes);

    std::unique_ptr<FileAside> m_file;
    // Written in one go at commit, so a file on a network share costs one write, not one a line.
    QByteArray m_bytes;
};
