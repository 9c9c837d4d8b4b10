// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/classroom.h"
#include "files/contentpath.h"
#include "files/errors.h"
#include "quiz/questionset.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Preparing a classroom folder on start: pictures and clips are refreshed, but what teachers keep
// in multiple/ (their worksheets and the index) is only ever added, never replaced; a topic's own
// set that can no longer be read is restored, the damaged one kept beside it.

namespace
{

const QString content = QStringLiteral(KELVARIN_CONTENT_DIR);

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

using Files = std::map<QString, QByteArray>;

// Every file in the folders of a classroom or of the installed content, with its bytes, so two
// states compare whole.
Files filesIn(const QString &folder)
{
    Files files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = QDir(folder).relativeFilePath(it.next());
        if (relative.contains('/'))
            files[relative] = bytesOf(it.filePath());
    }
    return files;
}

Files inMultiple(Files files, bool wanted = true)
{
    std::erase_if(files,
                  [&](const auto &file) { return file.first.startsWith("multiple/") != wanted; });
    return files;
}

TEST(Classroom, FreshThenRefreshedKeepsTheTeachersFiles)
{
    QTemporaryDir home;
    const QString classroom = home.filePath("school/kelvarin");
    prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);

    EXPECT_EQ(bytesOf(classroom + "/multiple/track.txt"), QByteArray(" 0 \r\n"));
    EXPECT_EQ(filesIn(classroom), filesIn(content));
    EXPECT_EQ(QDir(classroom).entryList(QDir::Files | QDir::Hidden), QStringList())
        << "the build's own marks stay out";

    // A teacher's term of work: a saved worksheet (cut short), its index entry, an edited topic
    // set; and a topic set damaged.
    write(classroom + "/multiple/track.txt", " 1 \r\nRocks and soils\r\n");
    write(classroom + "/multiple/Rocks and soils.txt", "Rocks and soils\r\n");
    const QString changes = "/multiple/Changes in Materials.txt";
    write(classroom + changes, bytesOf(content + changes).replace("Materials", "Matter"));
    const QString properties = "/multiple/Properties of Materials.txt";
    write(classroom + properties, "Properties of Materials\r\n \r\nWhat is wood?\r\n");
    Files teachersFiles = inMultiple(filesIn(classroom));
    write(classroom + "/Images/lampsm.jpg", "damaged");
    QFile::remove(classroom + "/wav/click.wav");

    prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);
    teachersFiles["multiple/Properties of Materials.txt.damaged"] =
        teachersFiles["multiple/Properties of Materials.txt"];
    teachersFiles["multiple/Properties of Materials.txt"] = bytesOf(content + properties);
    EXPECT_EQ(inMultiple(filesIn(classroom)), teachersFiles);
    EXPECT_EQ(bytesOf(classroom + "/Images/lampsm.jpg"), bytesOf(content + "/Images/lampsm.jpg"));
    EXPECT_EQ(bytesOf(classroom + "/wav/click.wav"), bytesOf(content + "/wav/click.wav"));
    // Every installed file, and nothing written aside left behind.
    EXPECT_EQ(inMultiple(filesIn(classroom), false), inMultiple(filesIn(content), false));
}

QString messageOf(const std::function<void()> &run)
{
    try {
        run();
    } catch (const FileError &e) {
        return QString::fromStdString(e.what());
    }
    return QString();
}

// A shared folder's links are other people's choices: a start replaces a planted link (or FIFO)
// with the installed file or folder, never writing where it leads, and refuses a linked
// multiple/, behind which the worksheets would lie elsewhere.
TEST(Classroom, LinksPlantedInTheFolderAreReplacedNeverWrittenThrough)
{
    QTemporaryDir home;
    const QString classroom = home.filePath("kelvarin");
    const QString elsewhere = home.filePath("elsewhere");
    prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);
    QDir().mkpath(elsewhere + "/pictures");
    write(elsewhere + "/private.txt", "the user's own");
    write(elsewhere + "/pictures/lampsm.jpg", "the user's picture");
    const QStringList planted{"wmf/guide1.wmf", "multiple/track.txt", "Images"};
    QFile::remove(classroom + "/wmf/guide1.wmf");
    QFile::link(elsewhere + "/private.txt", classroom + "/wmf/guide1.wmf");
    QFile::remove(classroom + "/multiple/track.txt");
    QFile::link(elsewhere + "/made-by-a-link.txt", classroom + "/multiple/track.txt");
    QDir(classroom + "/Images").removeRecursively();
    QFile::link(elsewhere + "/pictures", classroom + "/Images");
    // Opening a FIFO would wait for a writer that never comes.
    QFile::remove(classroom + "/wav/click.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(classroom + "/wav/click.wav").constData(), 0644), 0);

    ::alarm(60); // a start that waits forever ends the test run instead
    prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);
    ::alarm(0);
    EXPECT_EQ(bytesOf(elsewhere + "/private.txt"), "the user's own");
    EXPECT_FALSE(QFileInfo::exists(elsewhere + "/made-by-a-link.txt"));
    EXPECT_EQ(QDir(elsewhere + "/pictures").entryList(QDir::Files | QDir::Hidden),
              QStringList{"lampsm.jpg"});
    EXPECT_EQ(bytesOf(elsewhere + "/pictures/lampsm.jpg"), "the user's picture");
    for (const QString &path : planted)
        EXPECT_FALSE(QFileInfo(classroom + '/' + path).isSymLink()) << path.toStdString();
    EXPECT_EQ(filesIn(classroom), filesIn(content));

    QDir().rename(classroom + "/multiple", elsewhere + "/worksheets");
    QFile::link(elsewhere + "/worksheets", classroom + "/multiple");
    QFile::remove(elsewhere + "/worksheets/track.txt");
    const QString refused = messageOf(
        [&] { prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile); });
    EXPECT_TRUE(refused.contains(classroom + "/multiple") && refused.contains("symbolic link"))
        << refused.toStdString();
    EXPECT_FALSE(QFileInfo::exists(elsewhere + "/worksheets/track.txt"));
}

// A first start on a disk too small for the content, at sizes up to a little more than it needs:
// each either stops with the system's reason and leaves no file but whole installed ones, or
// succeeds whole. The next start with room mends everything.
TEST(Classroom, FirstStartOnASmallDiskLeavesNoHalfFile)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    QTemporaryDir home;
    const QString disk = home.filePath("disk");
    QDir().mkpath(disk);
    const Files installed = filesIn(content);
    const QByteArray mountPoint = QFile::encodeName(disk);
    for (const int kib : {8, 64, 600, 1200, 1800, 2400, 2800, 2900, 2950, 3000, 3100, 4096}) {
        SCOPED_TRACE(std::to_string(kib) + " KiB");
        const QByteArray size = "size=" + QByteArray::number(kib) + "k";
        if (::mount("tmpfs", mountPoint, "tmpfs", 0, size.constData()) != 0)
            GTEST_SKIP() << "no tmpfs could be mounted here";
        const QString classroom = disk + "/kelvarin";
        const QString failure = messageOf(
            [&] { prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile); });
        EXPECT_TRUE(failure.isEmpty() || failure.contains("No space left on device"))
            << failure.toStdString();
        for (const auto &[path, bytes] : filesIn(classroom))
            EXPECT_TRUE(installed.contains(path) && installed.at(path) == bytes)
                << path.toStdString() << " is not a whole installed file";
        if (failure.isEmpty()) {
            EXPECT_EQ(filesIn(classroom), installed);
        }

        ::mount("tmpfs", mountPoint, "tmpfs", MS_REMOUNT, "size=8m");
        EXPECT_EQ(messageOf([&] {
                      prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);
                  }),
                  "");
        EXPECT_EQ(filesIn(classroom), installed);
        ::umount2(mountPoint, MNT_DETACH);
    }
}

TEST(Classroom, AFolderThatCannotBeMadeIsAFileErrorWithTheReason)
{
    QTemporaryDir home;
    const QString notAFolder = home.filePath("share");
    write(notAFolder, "a file where the share should be");
    try {
        prepareClassroom(content, ContentFolder(notAFolder + "/kelvarin"), checkQuestionSetFile);
        FAIL() << "prepared a classroom under a file";
    } catch (const FileError &e) {
        const QString message = QString::fromStdString(e.what());
        EXPECT_TRUE(message.contains(notAFolder + "/kelvarin")) << e.what();
        EXPECT_TRUE(message.contains("Not a directory")) << e.what();
    }
}

} // namespace

// The program finds its files whatever their letter case, so a classroom whose folder or index
// is spelled otherwise keeps using them; a second, empty index beside them would hide every
// worksheet.
TEST(Classroom, AFolderOrIndexSpelledInOtherLettersIsTheOneKept)
{
    QTemporaryDir home;
    const QString classroom = home.filePath("kelvarin");
    prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);
    ASSERT_TRUE(QDir(classroom).rename("multiple", "Multiple"));
    QFile::remove(classroom + "/Multiple/track.txt");
    write(classroom + "/Multiple/TRACK.TXT", " 1 \r\nRocks\r\n");

    prepareClassroom(content, ContentFolder(classroom), checkQuestionSetFile);
    EXPECT_FALSE(QFileInfo::exists(classroom + "/multiple"));
    EXPECT_EQ(
        QDir(classroom + "/Multiple").entryList(QDir::Files, QDir::Name),
        (QStringList{"Changes in Materials.txt", "Properties of Materials.txt", "TRACK.TXT"}));
    EXPECT_EQ(bytesOf(classroom + "/Multiple/TRACK.TXT"), QByteArray(" 1 \r\nRocks\r\n"));
}
