#include "platform/errors.h"
#include "platform/filebytes.h"
#include "platform/seqfile.h"
#include "tempcurrentdir.h"

#include <QFileInfo>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

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

// None of these may hang the program or fill its memory: a FIFO would block an ordinary open
// until something writes to it.
TEST(SeqFileReader, ReadsOnlyRegularFilesOfASensibleSize)
{
    TempCurrentDir dir;
    ASSERT_EQ(::mkfifo("fifo.txt", 0600), 0);
    TempCurrentDir::makeFolder("folder.txt");
    TempCurrentDir::writeFile("huge.txt", QByteArray(MaxReadableFileBytes + 1, 'x'));
    for (const char *name : {"nothing.txt", "fifo.txt", "folder.txt", "huge.txt", "/dev/zero"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(SeqReader{name}, FileError);
    }
    TempCurrentDir::writeFile("bom.txt", "\xEF\xBB\xBF 2 \r\n");
    EXPECT_EQ(SeqReader("bom.txt").readNumber(), 2);
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

// A full disk shows only when the buffered bytes are flushed; the save must fail there and leave
// the old file as it was, not put an empty or cut file in its place.
TEST(SeqFileWriter, FullDiskFailsTheSaveAndKeepsTheOldFile)
{
    TempCurrentDir dir;
    TempCurrentDir::makeFolder("small");
    if (::geteuid() != 0 || ::mount("tmpfs", "small", "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    const QByteArray old = "old content\r\n";
    TempCurrentDir::writeFile("small/f.txt", old);
    QFile filler("small/filler");
    filler.open(QIODevice::WriteOnly);
    while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
    }
    filler.close();
    bool failed = false;
    try {
        SeqWriter writer("small/f.txt");
        writer.writeLine("new content");
        writer.commit();
    } catch (const FileError &) {
        failed = true;
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(TempCurrentDir::readFile("small/f.txt"), old);
    EXPECT_EQ(TempCurrentDir::entries("small"), (QStringList{"f.txt", "filler"}));
    ::umount("small");
}

// In a shared folder a link is someone else's: a save replaces the link itself, never the file it
// leads to, and never creates the file a dangling one names; a linked folder is refused.
TEST(SeqFileWriter, ReplacesALinkNeverWritesThroughIt)
{
    TempCurrentDir dir;
    TempCurrentDir::makeFolder("elsewhere");
    TempCurrentDir::makeFolder("multiple");
    TempCurrentDir::writeFile("elsewhere/private.txt", "the user's own");
    const QString elsewhere = QDir::currentPath() + "/elsewhere";
    QFile::link(elsewhere + "/private.txt", "multiple/rocks.txt");
    QFile::link(elsewhere + "/missing.txt", "multiple/track.txt");
    QFile::link(elsewhere, "linked");
    for (const QString path : {"multiple/rocks.txt", "multiple/track.txt"}) {
        SeqWriter writer(path);
        writer.writeLine("saved");
        writer.commit();
        EXPECT_EQ(TempCurrentDir::readFile(path), "saved\r\n");
        EXPECT_FALSE(QFileInfo(path).isSymLink());
    }
    try {
        SeqWriter writer("linked/new.txt");
        writer.writeLine("saved");
        writer.commit();
        ADD_FAILURE() << "saved through a linked folder";
    } catch (const FileError &e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("symbolic link"));
    }
    EXPECT_EQ(TempCurrentDir::entries("elsewhere"), QStringList{"private.txt"});
    EXPECT_EQ(TempCurrentDir::readFile("elsewhere/private.txt"), "the user's own");
}

TEST(SeqFileWriter, MissingFolderThrows)
{
    TempCurrentDir dir;
    EXPECT_THROW(SeqWriter("absent/f.txt"), FileError);
}

} // namespace
