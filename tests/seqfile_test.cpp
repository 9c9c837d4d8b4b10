#include "platform/errors.h"
#include "platform/seqfile.h"
#include "tempcurrentdir.h"

#include <gtest/gtest.h>

namespace
{

struct FieldCase {
    const char *name;
    QByteArray bytes;
    QStringList fields; // every field the file holds; one more read must fail
};

TEST(SeqFileReader, ReadsFieldsByTheFieldRule)
{
    const FieldCase cases[] = {
        {"CR LF lines", "abc\r\ndef\r\n", {"abc", "def"}},
        {"LF lines", "abc\ndef\n", {"abc", "def"}},
        {"lone CR lines", "abc\rdef\r", {"abc", "def"}},
        {"no final line end", "abc", {"abc"}},
        {"empty file", "", {}},
        {"comma ends a field", "a,b\r\nc\r\n", {"a", "b", "c"}},
        {"comma before line end", "abc,\r\nx\r\n", {"abc", "", "x"}},
        {"leading blanks skipped", " \t abc\r\n", {"abc"}},
        {"trailing blanks kept", "abc  \r\n", {"abc  "}},
        {"blank line", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"blanks never skip a line end", " \r\nb\r\n", {"", "b"}},
        {"quoted comma and blanks", "\"  a, b\"\r\nc\r\n", {"  a, b", "c"}},
        {"after the quote up to a comma", "\"ab\"cd,ef\r\n", {"ab", "ef"}},
        {"after the quote up to line end", "\"ab\" junk\r\nnext\r\n", {"ab", "next"}},
        {"blanks before the quote", "  \"a,b\"\r\n", {"a,b"}},
        {"empty quotes", "\"\"\r\nx\r\n", {"", "x"}},
        {"unclosed quote ends at line end", "\"abc\r\nx\r\n", {"abc", "x"}},
        {"inner quote is text", "ab\"c\r\n", {"ab\"c"}},
        {"Windows-1252 text", "caf\xe9 \x80\r\n", {QStringLiteral("café €")}},
    };
    for (const FieldCase &c : cases) {
        SCOPED_TRACE(c.name);
        TempCurrentDir dir;
        TempCurrentDir::writeFile("f.txt", c.bytes);
        SeqReader reader("f.txt");
        for (const QString &expected : c.fields)
            EXPECT_EQ(reader.readField(), expected);
        EXPECT_THROW(reader.readField(), FileError);
    }
}

TEST(SeqFileReader, ReadsNumbersWithBlanksAroundThem)
{
    const std::pair<QByteArray, int> cases[] = {
        {" 3 \r\n", 3}, {"-3 \r\n", -3}, {"12\r\n", 12}, {"\t7\t \n", 7}, {" 1000 ", 1000}};
    for (const auto &[bytes, expected] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        TempCurrentDir dir;
        TempCurrentDir::writeFile("n.txt", bytes);
        EXPECT_EQ(SeqReader("n.txt").readNumber(), expected);
    }
}

TEST(SeqFileReader, RefusesWhatIsNotANumber)
{
    for (const QByteArray bytes :
         {"abc\r\n", " \r\n", "3x\r\n", "3 4\r\n", "1.5\r\n", "-\r\n", "99999999999\r\n", ""}) {
        SCOPED_TRACE(bytes.toStdString());
        TempCurrentDir dir;
        TempCurrentDir::writeFile("n.txt", bytes);
        SeqReader reader("n.txt");
        EXPECT_THROW(reader.readNumber(), FileError);
    }
}

TEST(SeqFileReader, MissingFileThrows)
{
    TempCurrentDir dir;
    EXPECT_THROW(SeqReader("nothing.txt"), FileError);
}

TEST(SeqFileWriter, WritesWindows1252LinesWithCrLfAndBlankedNumbers)
{
    TempCurrentDir dir;
    SeqWriter writer("out.txt");
    writer.writeNumberLine(3);
    writer.writeNumberLine(-3);
    writer.writeNumberLine(0);
    writer.writeLine(QStringLiteral("café €"));
    writer.writeLine(QStringLiteral("日 x"));
    writer.writeLine("");
    writer.commit();
    EXPECT_EQ(TempCurrentDir::readFile("out.txt"),
              " 3 \r\n-3 \r\n 0 \r\ncaf\xe9 \x80\r\n? x\r\n\r\n");
}

TEST(SeqFileWriter, AbandonedWriterLeavesTheOldFileAsItWas)
{
    TempCurrentDir dir;
    const QByteArray old = "old\ncontent without CR\n";
    TempCurrentDir::writeFile("f.txt", old);
    {
        SeqWriter writer("f.txt");
        writer.writeLine("new");
    }
    EXPECT_EQ(TempCurrentDir::readFile("f.txt"), old);
    EXPECT_EQ(TempCurrentDir::entries("."), QStringList{"f.txt"});
}

TEST(SeqFileWriter, NewFileAppearsOnlyOnCommit)
{
    TempCurrentDir dir;
    SeqWriter writer("f.txt");
    writer.writeLine("x");
    EXPECT_FALSE(QFile::exists("f.txt"));
    writer.commit();
    EXPECT_EQ(TempCurrentDir::readFile("f.txt"), "x\r\n");
}

TEST(SeqFileWriter, MissingFolderThrows)
{
    TempCurrentDir dir;
    EXPECT_THROW(SeqWriter("absent/f.txt"), FileError);
}

} // namespace
