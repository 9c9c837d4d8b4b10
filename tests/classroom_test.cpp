#include "app/classroom.h"
#include "platform/errors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Preparing a classroom folder on start: pictures and clips are refreshed, but what teachers keep
// in multiple/ (their worksheets and the index) is only ever added, never replaced.

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
    prepareClassroom(content, classroom);

    EXPECT_EQ(bytesOf(classroom + "/multiple/track.txt"), QByteArray(" 0 \r\n"));
    EXPECT_EQ(filesIn(classroom), filesIn(content));
    EXPECT_EQ(QDir(classroom).entryList(QDir::Files | QDir::Hidden), QStringList())
        << "the build's own marks stay out";

    // A teacher's term of work: a saved worksheet, its index entry, an edited topic set.
    write(classroom + "/multiple/track.txt", " 1 \r\nRocks and soils\r\n");
    write(classroom + "/multiple/Rocks and soils.txt", "Rocks and soils\r\n");
    write(classroom + "/multiple/Properties of Materials.txt", "Edited by the teacher\r\n");
    write(classroom + "/Images/lampsm.jpg", "damaged");
    QFile::remove(classroom + "/wav/click.wav");
    const Files teachersFiles = inMultiple(filesIn(classroom));

    prepareClassroom(content, classroom);
    EXPECT_EQ(inMultiple(filesIn(classroom)), teachersFiles);
    EXPECT_EQ(bytesOf(classroom + "/Images/lampsm.jpg"), bytesOf(content + "/Images/lampsm.jpg"));
    EXPECT_EQ(bytesOf(classroom + "/wav/click.wav"), bytesOf(content + "/wav/click.wav"));
    // Every installed file, and nothing written aside left behind.
    EXPECT_EQ(inMultiple(filesIn(classroom), false), inMultiple(filesIn(content), false));
}

TEST(Classroom, AFolderThatCannotBeMadeIsAFileErrorWithTheReason)
{
    QTemporaryDir home;
    const QString notAFolder = home.filePath("share");
    write(notAFolder, "a file where the share should be");
    try {
        prepareClassroom(content, notAFolder + "/kelvarin");
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
    prepareClassroom(content, classroom);
    ASSERT_TRUE(QDir(classroom).rename("multiple", "Multiple"));
    QFile::remove(classroom + "/Multiple/track.txt");
    write(classroom + "/Multiple/TRACK.TXT", " 1 \r\nRocks\r\n");

    prepareClassroom(content, classroom);
    EXPECT_FALSE(QFileInfo::exists(classroom + "/multiple"));
    EXPECT_EQ(
        QDir(classroom + "/Multiple").entryList(QDir::Files, QDir::Name),
        (QStringList{"Changes in Materials.txt", "Properties of Materials.txt", "TRACK.TXT"}));
    EXPECT_EQ(bytesOf(classroom + "/Multiple/TRACK.TXT"), QByteArray(" 1 \r\nRocks\r\n"));
}
