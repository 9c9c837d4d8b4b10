// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "quiz/questionset.h"
#include "tempclassroom.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"

#include <QFile>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Every file the program rewrites, saved while the disk gives out: the save must say it failed
// and leave the old file byte for byte, never report success over an empty or cut file.

namespace
{

struct Save {
    const char *name;
    QString path;
    QByteArray before;
    QByteArray after;
    std::function<void(const ContentFolder &)> run; // throws FileError on failure
};

QuestionSetText smallSet()
{
    QuestionSetText set{QStringLiteral("Rocks, soils"), {}};
    for (int n = 0; n < 10; ++n)
        set.questions[n] = {QStringLiteral("Q%1").arg(n + 1), {"A", "B", "C", "D"}, n % 4 + 1};
    return set;
}

QByteArray smallSetFile()
{
    QByteArray file = "Rocks& soils\r\n \r\n";
    for (int n = 0; n < 10; ++n)
        file += "Q" + QByteArray::number(n + 1) + "\r\nA\r\nB\r\nC\r\nD\r\n" +
                QByteArray::number(n % 4 + 1) + "\r\n \r\n";
    return file;
}

// An index long enough that the lock file beside it (about a hundred bytes) is written whole
// before the limit starts to cut the index itself.
QByteArray longIndex(const QByteArrayList &titles)
{
    QByteArray file = " " + QByteArray::number(titles.size()) + " \r\n";
    for (const QByteArray &title : titles)
        file += title + "\r\n";
    return file;
}

QByteArrayList manyTitles()
{
    QByteArrayList titles{"Rocks", "\"Soils, sand\""};
    for (int n = 1; n <= 20; ++n)
        titles += "Metals " + QByteArray::number(n);
    return titles;
}

std::vector<Save> saves()
{
    const QByteArrayList titles = manyTitles();
    return {
        {"adding to the index", "multiple/track.txt", longIndex(titles),
         longIndex(titles + QByteArrayList{"Water"}),
         [](const ContentFolder &classroom) {
             WorksheetList m;
             addEntry(classroom, m, "Water");
         }},
        {"removing from the index", "multiple/track.txt", longIndex(titles),
         longIndex(titles.mid(1)),
         [](const ContentFolder &classroom) {
             WorksheetList m;
             m.SelectedWorksheet = "Rocks";
             removeEntry(classroom, m);
         }},
        {"saving a question set", "multiple/Rocks, soils.txt", "an older set\r\n", smallSetFile(),
         [](const ContentFolder &classroom) {
             writeQuestionSet(classroom, "multiple/Rocks, soils.txt", smallSet());
         }},
    };
}

// Runs the save in a child process that may write no file beyond limit bytes: "saved", "failed"
// (FileError) or how it broke.
std::string saveWithFileSizeLimit(const Save &save, const ContentFolder &classroom, rlim_t limit)
{
    const pid_t child = fork();
    if (child < 0)
        return "no child process";
    if (child == 0) {
        const rlimit fileSize{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG instead of killing
        alarm(20);                // a save that hangs ends as broken
        try {
            save.run(classroom);
            _exit(0);
        } catch (const FileError &) {
            _exit(1);
        } catch (...) {
            _exit(2);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return "killed by signal " + std::to_string(WTERMSIG(status));
    const int code = WEXITSTATUS(status);
    return code == 0 ? "saved" : code == 1 ? "failed" : "threw something else";
}

class WriteFaults : public ::testing::Test
{
protected:
    WriteFaults() { m_dir.makeFolder("multiple"); }
    TempClassroom m_dir;
};

TEST_F(WriteFaults, SaveCutShortAtEveryByteFailsAndKeepsTheOldFile)
{
    for (const Save &save : saves()) {
        SCOPED_TRACE(save.name);
        for (rlim_t limit = 0; limit < rlim_t(save.after.size()); ++limit) {
            m_dir.writeFile(save.path, save.before);
            const QStringList folder = m_dir.entries("multiple");
            ASSERT_EQ(saveWithFileSizeLimit(save, m_dir.folder(), limit), "failed")
                << "limit " << limit;
            ASSERT_EQ(m_dir.readFile(save.path), save.before) << "limit " << limit;
            ASSERT_EQ(m_dir.entries("multiple"), folder) << "limit " << limit;
        }
        m_dir.writeFile(save.path, save.before);
        EXPECT_EQ(saveWithFileSizeLimit(save, m_dir.folder(), save.after.size()), "saved");
        EXPECT_EQ(m_dir.readFile(save.path), save.after);
        m_dir.writeFile(save.path, save.before);
        save.run(m_dir.folder());
        EXPECT_EQ(m_dir.readFile(save.path), save.after);
    }
}

// A small tmpfs, mounted for the test and unmounted after it.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &path) : m_path(QDir(path).absolutePath().toStdString())
    {
        m_mounted = mount("tmpfs", m_path.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            umount2(m_path.c_str(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }

    // Writes a file until the disk refuses more.
    static void fill(const QString &path)
    {
        QFile filler(path);
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
    }

private:
    std::string m_path;
    bool m_mounted = false;
};

TEST_F(WriteFaults, SaveOnAFullDiskFailsAndKeepsTheOldFile)
{
    if (getuid() != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    m_dir.makeFolder("disk");
    SmallDisk disk(m_dir.filePath("disk"));
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs could be mounted here";
    // The classroom is the small disk.
    const ContentFolder classroom(m_dir.filePath("disk"));
    m_dir.makeFolder("disk/multiple");
    for (const Save &save : saves())
        m_dir.writeFile("disk/" + save.path, save.before);
    SmallDisk::fill(m_dir.filePath("disk/filler"));
    for (const Save &save : saves()) {
        SCOPED_TRACE(save.name);
        m_dir.writeFile("disk/" + save.path, save.before);
        const QStringList folder = m_dir.entries("disk/multiple");
        EXPECT_THROW(save.run(classroom), FileError);
        EXPECT_EQ(m_dir.readFile("disk/" + save.path), save.before);
        EXPECT_EQ(m_dir.entries("disk/multiple"), folder);
    }
}

} // namespace
