// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "files/filebytes.h"
#include "files/seqfile.h"
#include "tempclassroom.h"

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
        const TempClassroom dir;
        dir.writeFile("f.txt", c.bytes);
        SeqReader reader(dir.folder(), "f.txt");
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
        const TempClassroom dir;
        dir.writeFile("n.txt", bytes);
        EXPECT_EQ(SeqReader(dir.folder(), "n.txt").readNumber(), expected);
    }
}

TEST(SeqFileReader, RefusesWhatIsNotANumber)
{
    for (const QByteArray bytes :
         {"abc\r\n", " \r\n", "3x\r\n", "3 4\r\n", "1.5\r\n", "-\r\n", "99999999999\r\n", ""}) {
        SCOPED_TRACE(bytes.toStdString());
        const TempClassroom dir;
        dir.writeFile("n.txt", bytes);
        SeqReader reader(dir.folder(), "n.txt");
        EXPECT_THROW(reader.readNumber(), FileError);
    }
}

// None of these may hang the program or fill its memory: a FIFO would block an ordinary open
// until something writes to it.
TEST(SeqFileReader, ReadsOnlyRegularFilesOfASensibleSize)
{
    const TempClassroom dir;
    ASSERT_EQ(::mkfifo(qPrintable(dir.filePath("fifo.txt")), 0600), 0);
    dir.makeFolder("folder.txt");
    dir.writeFile("huge.txt", QByteArray(MaxReadableFileBytes + 1, 'x'));
    for (const char *name : {"nothing.txt", "fifo.txt", "folder.txt", "huge.txt", "/dev/zero"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(SeqReader(dir.folder(), name), FileError);
    }
    dir.writeFile("bom.txt", "\xEF\xBB\xBF 2 \r\n");
    EXPECT_EQ(SeqReader(dir.folder(), "bom.txt").readNumber(), 2);
}

TEST(SeqFileWriter, WritesWindows1252LinesWithCrLfAndBlankedNumbers)
{
    const TempClassroom dir;
    SeqWriter writer(dir.folder(), "out.txt");
    writer.writeNumberLine(3);
    writer.writeNumberLine(-3);
    writer.writeNumberLine(0);
    writer.writeLine(QStringLiteral("café €"));
    writer.writeLine(QStringLiteral("日 x"));
    writer.writeLine("");
    writer.commit();
    EXPECT_EQ(dir.readFile("out.txt"), " 3 \r\n-3 \r\n 0 \r\ncaf\xe9 \x80\r\n? x\r\n\r\n");
}

TEST(SeqFileWriter, AbandonedWriterLeavesTheOldFileAsItWas)
{
    const TempClassroom dir;
    const QByteArray old = "old\ncontent without CR\n";
    dir.writeFile("f.txt", old);
    {
        SeqWriter writer(dir.folder(), "f.txt");
        writer.writeLine("new");
    }
    EXPECT_EQ(dir.readFile("f.txt"), old);
    EXPECT_EQ(dir.entries("."), QStringList{"f.txt"});
}

TEST(SeqFileWriter, NewFileAppearsOnlyOnCommit)
{
    const TempClassroom dir;
    SeqWriter writer(dir.folder(), "f.txt");
    writer.writeLine("x");
    EXPECT_FALSE(QFile::exists(dir.filePath("f.txt")));
    writer.commit();
    EXPECT_EQ(dir.readFile("f.txt"), "x\r\n");
}

// A full disk shows only when the buffered bytes are flushed; the save must fail there and leave
// the old file as it was, not put an empty or cut file in its place.
TEST(SeqFileWriter, FullDiskFailsTheSaveAndKeepsTheOldFile)
{
    const TempClassroom dir;
    dir.makeFolder("small");
    if (::geteuid() != 0 ||
        ::mount("tmpfs", qPrintable(dir.filePath("small")), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    const QByteArray old = "old content\r\n";
    dir.writeFile("small/f.txt", old);
    QFile filler(dir.filePath("small/filler"));
    filler.open(QIODevice::WriteOnly);
    while (filler.write(QByteArray(4096, 'x')) > 0 && filler.flush()) {
    }
    filler.close();
    bool failed = false;
    try {
        SeqWriter writer(dir.folder(), "small/f.txt");
        writer.writeLine("new content");
        writer.commit();
    } catch (const FileError &) {
        failed = true;
    }
    EXPECT_TRUE(failed);
    EXPECT_EQ(dir.readFile("small/f.txt"), old);
    EXPECT_EQ(dir.entries("small"), (QStringList{"f.txt", "filler"}));
    ::umount(qPrintable(dir.filePath("small")));
}

// In a shared folder a link is someone else's: a save replaces the link itself, never the file it
// leads to, and never creates the file a dangling one names; a linked folder is refused.
TEST(SeqFileWriter, ReplacesALinkNeverWritesThroughIt)
{
    const TempClassroom dir;
    dir.makeFolder("elsewhere");
    dir.makeFolder("multiple");
    dir.writeFile("elsewhere/private.txt", "the user's own");
    const QString elsewhere = dir.filePath("elsewhere");
    QFile::link(elsewhere + "/private.txt", dir.filePath("multiple/rocks.txt"));
    QFile::link(elsewhere + "/missing.txt", dir.filePath("multiple/track.txt"));
    QFile::link(elsewhere, dir.filePath("linked"));
    for (const QString path : {"multiple/rocks.txt", "multiple/track.txt"}) {
        SeqWriter writer(dir.folder(), path);
        writer.writeLine("saved");
        writer.commit();
        EXPECT_EQ(dir.readFile(path), "saved\r\n");
        EXPECT_FALSE(QFileInfo(dir.filePath(path)).isSymLink());
    }
    try {
        SeqWriter writer(dir.folder(), "linked/new.txt");
        writer.writeLine("saved");
        writer.commit();
        ADD_FAILURE() << "saved through a linked folder";
    } catch (const FileError &e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("symbolic link"));
    }
    EXPECT_EQ(dir.entries("elsewhere"), QStringList{"private.txt"});
    EXPECT_EQ(dir.readFile("elsewhere/private.txt"), "the user's own");
}

TEST(SeqFileWriter, MissingFolderThrows)
{
    const TempClassroom dir;
    EXPECT_THROW(SeqWriter(dir.folder(), "absent/f.txt"), FileError);
}

} // namespace
