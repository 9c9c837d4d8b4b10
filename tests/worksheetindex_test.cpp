// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "tempclassroom.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace
{

const QString trackFile = QStringLiteral("multiple/track.txt");

class WorksheetIndex : public ::testing::Test
{
protected:
    WorksheetIndex() { m_dir.makeFolder("multiple"); }
    void setIndex(const QByteArray &bytes) const { m_dir.writeFile(trackFile, bytes); }
    QByteArray indexBytes() const { return m_dir.readFile(trackFile); }
    const ContentFolder &classroom() const { return m_dir.folder(); }

    static QStringList listed(const WorksheetList &m)
    {
        QStringList titles;
        for (int i = 1; i <= m.WorksheetCount; ++i)
            titles.append(m.WorksheetTitles[i]);
        return titles;
    }
    QStringList readBack() const
    {
        WorksheetList fresh;
        readIndex(classroom(), fresh);
        return listed(fresh);
    }

    TempClassroom m_dir;
    WorksheetList m;
};

TEST_F(WorksheetIndex, AddingAListedTitleLeavesTheFileByteForByte)
{
    const QByteArray original = "2\nRocks\n\"Soils, sand\"  \n";
    setIndex(original);
    addEntry(classroom(), m, "Soils, sand");
    addEntry(classroom(), m, "Rocks");
    EXPECT_EQ(indexBytes(), original);
}

// "rocks" and "ROCKS" name one file on a shared folder, so the index lists it once.
TEST_F(WorksheetIndex, TitlesDifferingOnlyInCaseAreOneEntry)
{
    const QByteArray original = " 1 \r\nRocks\r\n";
    setIndex(original);
    addEntry(classroom(), m, "rocks");
    addEntry(classroom(), m, "ROCKS");
    EXPECT_EQ(indexBytes(), original);
    addEntry(classroom(), m, "Water");
    EXPECT_EQ(m.WorksheetCount, 1); // until the next reading
    EXPECT_EQ(m.WorksheetTitles[2], "Water");
}

// Older copies of the program wrote titles with commas unquoted, one a line; foreign ones may
// quote them. Every reading takes a line as one title, and the next change writes them quoted.
TEST_F(WorksheetIndex, OlderIndexesReadATitleALineAndAreWrittenBackQuoted)
{
    const struct {
        QByteArray file;
        QStringList titles;
        QByteArray rewritten; // after adding "Ice"
    } rows[] = {
        {" 2 \r\nSalt, water\r\nRocks, soils, metals\r\n",
         {"Salt, water", "Rocks, soils, metals"},
         " 3 \r\n\"Salt, water\"\r\n\"Rocks, soils, metals\"\r\nIce\r\n"},
        {"1\nA,b \n\n", {"A,b "}, " 2 \r\n\"A,b \"\r\nIce\r\n"},
        {" 2 \r\n\"Quoted, one\"\r\n,lead\r\n",
         {"Quoted, one", ",lead"},
         " 3 \r\n\"Quoted, one\"\r\n\",lead\"\r\nIce\r\n"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        setIndex(row.file);
        EXPECT_EQ(readBack(), row.titles);
        WorksheetList catalogue;
        readIndexSkippingFailures(classroom(), catalogue);
        EXPECT_EQ(listed(catalogue), row.titles);
        EXPECT_FALSE(indexIsDamaged(classroom()));
        addEntry(classroom(), m, "Ice");
        EXPECT_EQ(indexBytes(), row.rewritten);
    }
}

TEST_F(WorksheetIndex, MissingIndexIsCreatedByAdding)
{
    m.WorksheetCount = 3;
    addEntry(classroom(), m, "Rocks");
    EXPECT_EQ(indexBytes(), " 1 \r\nRocks\r\n");
}

TEST_F(WorksheetIndex, RemovingTheOnlyEntryLeavesTheCountLine)
{
    setIndex(" 1 \r\nRocks\r\n");
    m.SelectedWorksheet = "Rocks";
    removeEntry(classroom(), m);
    EXPECT_EQ(indexBytes(), " 0 \r\n");
    EXPECT_EQ(m.WorksheetCount, 0);

    m.WorksheetCount = 4;
    readIndex(classroom(), m); // count 0 and no further lines: an empty list
    EXPECT_EQ(m.WorksheetCount, 0);
}

TEST_F(WorksheetIndex, RemovingKeepsOrderAndMemoryMatchesFile)
{
    setIndex(" 5 \r\nA\r\nB\r\nA\r\nC\r\nD\r\n");
    m.SelectedWorksheet = "A";
    removeEntry(classroom(), m); // the last of the two
    EXPECT_EQ(indexBytes(), " 4 \r\nA\r\nB\r\nC\r\nD\r\n");
    EXPECT_EQ(listed(m), (QStringList{"A", "B", "C", "D"}));
    EXPECT_EQ(readBack(), listed(m));
}

TEST_F(WorksheetIndex, RemovingAnUnlistedTitleChangesNothing)
{
    const QByteArray original = "2\nRocks\nWater";
    setIndex(original);
    m.SelectedWorksheet = "rocks";
    EXPECT_NO_THROW(removeEntry(classroom(), m));
    EXPECT_EQ(indexBytes(), original);
    EXPECT_EQ(m.WorksheetCount, 2);
}

TEST_F(WorksheetIndex, AwkwardTitlesReadBackWholeWithoutShiftingOthers)
{
    const QStringList titles = {"Rocks, soils and metals",
                                "  Ice",
                                "\tTabbed",
                                "   ",
                                "",
                                "Say \"hi\"",
                                "1,000",
                                "Ends  ",
                                "Ölé €"};
    for (const QString &title : titles)
        addEntry(classroom(), m, title);
    addEntry(classroom(), m, "Water");
    EXPECT_EQ(readBack(), titles + QStringList{"Water"});

    m.SelectedWorksheet = "  Ice";
    removeEntry(classroom(), m);
    QStringList expected = titles + QStringList{"Water"};
    expected.removeAt(1);
    EXPECT_EQ(readBack(), expected);
}

TEST_F(WorksheetIndex, UnstorableTitlesAreRefusedAndTheFileIsUntouched)
{
    const QByteArray original = " 1 \r\nRocks\r\n";
    setIndex(original);
    for (const QString title :
         {"\"Quoted\" start", "Comma, \"and quote\"", " \"x\"", "two\r\nlines", "日本"}) {
        SCOPED_TRACE(title.toStdString());
        EXPECT_FALSE(canStoreTitle(title));
        EXPECT_THROW(addEntry(classroom(), m, title), FileError);
        EXPECT_EQ(indexBytes(), original);
        EXPECT_EQ(m_dir.entries("multiple"), QStringList{"track.txt"});
    }
}

// Hand-edited or foreign indexes whose lines and count disagree: a rewrite based on them would
// drop entries nobody asked to remove, so adding and removing fail and leave the file alone.
TEST_F(WorksheetIndex, DamagedIndexIsNeverRewritten)
{
    const QByteArray damaged[] = {
        "many\r\nRocks\r\n", " 3 \r\nA\r\nB\r\n",         " 1 \r\nSoils, sand\r\nClay\r\n",
        " -1 \r\nRocks\r\n", " 1 \r\nRocks\r\nWater\r\n", " 2 \r\nA\r\n\"B\",C\r\n",
        " 1001 \r\nA\r\n",   "3,\r\nA\r\nB\r\nC\r\n",
    };
    for (const QByteArray &original : damaged) {
        SCOPED_TRACE(original.toStdString());
        setIndex(original);
        EXPECT_TRUE(indexIsDamaged(classroom()));
        EXPECT_THROW(addEntry(classroom(), m, "Water"), DamagedIndexError);
        m.SelectedWorksheet = "A";
        EXPECT_THROW(removeEntry(classroom(), m), DamagedIndexError);
        EXPECT_EQ(indexBytes(), original);
    }
}

// What editors and interrupted copies leave behind must not block every later save.
TEST_F(WorksheetIndex, EmptyIndexAndByteOrderMarkDontBlockSaving)
{
    for (const QByteArray &start : {QByteArray(), QByteArray("\r\n  \r\n")}) {
        setIndex(start);
        addEntry(classroom(), m, "Rocks");
        EXPECT_EQ(indexBytes(), " 1 \r\nRocks\r\n");
    }
    setIndex("\xEF\xBB\xBF 1 \r\nRocks\r\n\r\n");
    addEntry(classroom(), m, "Water");
    EXPECT_EQ(indexBytes(), " 2 \r\nRocks\r\nWater\r\n");
}

TEST_F(WorksheetIndex, ThousandEntriesFitAndTheNextIsRefused)
{
    QByteArray bytes = " 999 \r\n";
    for (int i = 1; i <= 999; ++i)
        bytes += "T" + QByteArray::number(i) + "\r\n";
    setIndex(bytes);
    addEntry(classroom(), m, "T1000");
    const QByteArray full = indexBytes();
    EXPECT_TRUE(full.startsWith(" 1000 \r\nT1\r\n"));
    EXPECT_TRUE(full.endsWith("\r\nT999\r\nT1000\r\n"));

    bool written = false;
    EXPECT_THROW(addEntry(classroom(), m, "T1001", [&] { written = true; }), WorksheetListFull);
    EXPECT_FALSE(written) << "nothing is saved that the list can't take";
    EXPECT_EQ(indexBytes(), full);
    addEntry(classroom(), m, "t5", [&] { written = true; });
    EXPECT_TRUE(written) << "a listed title may be saved again";
}

// A worksheet saved is listed, or its new file is taken away again; an old file stays.
TEST_F(WorksheetIndex, ASaveWhoseEntryCantBeAddedLeavesNoNewFile)
{
    setIndex(" 1 \r\nRocks\r\n");
    m_dir.writeFile("multiple/Old.txt", "old");
    for (const QString title : {"New", "Old"}) {
        SCOPED_TRACE(title.toStdString());
        const auto writeThenLoseTheIndex = [&] {
            m_dir.writeFile("multiple/" + title + ".txt", "new");
            QFile::remove(m_dir.filePath(trackFile));
            QDir().mkdir(m_dir.filePath(trackFile)); // the rewrite can't put a file in its place
        };
        EXPECT_THROW(addEntry(classroom(), m, title, writeThenLoseTheIndex), FileError);
        QDir().rmdir(m_dir.filePath(trackFile));
        setIndex(" 1 \r\nRocks\r\n");
    }
    EXPECT_EQ(m_dir.entries("multiple"), (QStringList{"Old.txt", "track.txt"}));
}

// Whatever can be read of a damaged index, in its order, then the worksheet files it misses; the
// old index is kept beside it.
TEST_F(WorksheetIndex, RebuildingKeepsTheOldIndexAndListsEveryWorksheetFile)
{
    const QByteArray old = " 9 \r\nRocks\r\n\r\nSalt, water\r\nrocks\r\nBad/one\r\n";
    setIndex(old);
    for (const char *file : {"Ice.txt", "Rocks.txt", "Properties of Materials.txt",
                             "changes in materials.TXT", "Notes.doc", "Apple.txt"})
        m_dir.writeFile(QString("multiple/") + file, "x");
    rebuildIndex(classroom(), m);
    EXPECT_EQ(indexBytes(), " 4 \r\nRocks\r\n\"Salt, water\"\r\nApple\r\nIce\r\n");
    EXPECT_EQ(listed(m), (QStringList{"Rocks", "Salt, water", "Apple", "Ice"}));
    EXPECT_EQ(m_dir.readFile("multiple/track.txt.bak"), old);
    EXPECT_FALSE(indexIsDamaged(classroom()));
}

// A failed reading never leaves entries in the list that the file doesn't hold.
TEST_F(WorksheetIndex, ReadingsNeverLeavePhantomEntries)
{
    const auto withList = [](WorksheetList &state) {
        state.WorksheetCount = 2;
        state.WorksheetTitles[1] = "old1";
        state.WorksheetTitles[2] = "old2";
    };
    withList(m);
    readIndexSkippingFailures(classroom(), m); // no file
    EXPECT_EQ(listed(m), (QStringList{"old1", "old2"}));

    setIndex(" 3 \r\nA\r\n"); // short: the main menu keeps its list, the catalogue lists A
    EXPECT_THROW(readIndex(classroom(), m), FileError);
    EXPECT_EQ(listed(m), (QStringList{"old1", "old2"}));
    readIndexSkippingFailures(classroom(), m);
    EXPECT_EQ(listed(m), QStringList{"A"});

    for (const char *bad : {"many\r\nA\r\n", " -4 \r\nA\r\n", " 5000 \r\nA\r\n"}) {
        SCOPED_TRACE(bad);
        withList(m);
        setIndex(bad);
        EXPECT_THROW(readIndex(classroom(), m), FileError);
        EXPECT_NO_THROW(readIndexSkippingFailures(classroom(), m));
        EXPECT_EQ(listed(m), (QStringList{"old1", "old2"}));
    }
}

TEST_F(WorksheetIndex, IndexIsFoundWhateverTheLetterCaseOnDisk)
{
    QDir().rename(m_dir.filePath("multiple"), m_dir.filePath("Multiple"));
    m_dir.writeFile("Multiple/TRACK.TXT", " 1 \r\nRocks\r\n");
    addEntry(classroom(), m, "Water");
    EXPECT_EQ(m_dir.entries("."), QStringList{"Multiple"});
    EXPECT_EQ(m_dir.entries("Multiple"), QStringList{"TRACK.TXT"});
    EXPECT_EQ(readBack(), (QStringList{"Rocks", "Water"}));
}

} // namespace

// Two machines on one shared folder: each adds 200 titles and removes every other one it added,
// both at the same time. Every one of those changes is in the index at the end.
TEST_F(WorksheetIndex, TwoProcessesChangingTheIndexAtOnceLoseNoChange)
{
    setIndex(" 2 \r\nKept 1\r\nKept 2\r\n");
    QProcess first, second;
    first.setWorkingDirectory(m_dir.path());
    second.setWorkingDirectory(m_dir.path());
    first.start(KELVARIN_INDEX_HAMMER, {"First", "200"});
    second.start(KELVARIN_INDEX_HAMMER, {"Second", "200"});
    for (QProcess *process : {&first, &second}) {
        ASSERT_TRUE(process->waitForFinished(180'000));
        EXPECT_EQ(process->exitCode(), 0) << process->readAllStandardError().toStdString();
    }
    QStringList expected = {"Kept 1", "Kept 2"};
    for (const QString name : {"First", "Second"}) {
        for (int n = 2; n <= 200; n += 2)
            expected.append(name + " " + QString::number(n));
    }
    QStringList listed = readBack();
    listed.sort();
    expected.sort();
    EXPECT_EQ(listed.join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_EQ(m_dir.entries("multiple"), QStringList{"track.txt"}) << "no lock left";
}
