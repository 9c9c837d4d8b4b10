// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/errors.h"
#include "tempclassroom.h"
#include "worksheets/indexlock.h"

#include <QDateTime>
#include <QLockFile>
#include <QSysInfo>
#include <gtest/gtest.h>

namespace
{

const QString lock = QStringLiteral("multiple/track.lock");
const QString owner = QStringLiteral("multiple/track.lock/owner");

class IndexLockTest : public ::testing::Test
{
protected:
    IndexLockTest() { m_dir.makeFolder("multiple"); }

    // The record of a lock taken just now on a machine of this host name, this machine's id
    // standing for one shared by cloned machines; its process id runs nowhere here.
    static QByteArray recordedBy(const QByteArray &host)
    {
        return "999999999\nkelvarin\n" + host + '\n' + QSysInfo::machineUniqueId() + '\n' +
               QSysInfo::bootUniqueId() + "\n0123456789abcdef\n" +
               QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    }

    TempClassroom m_dir;
};

// A process id means something only on the host that took the lock: another machine's fresh lock
// holds (here an older copy's lock file), a lock from this host whose process is gone is taken
// over at once, and a lock long left by any machine is taken over by its age.
TEST_F(IndexLockTest, AHeldLockIsJudgedByWhatItRecords)
{
    const QByteArray elsewhere = recordedBy("another-classroom-pc");
    m_dir.writeFile(lock, elsewhere);
    try {
        const IndexLock ours(m_dir.folder());
        ADD_FAILURE() << "another machine's lock was taken over";
    } catch (const FileError &error) {
        EXPECT_STREQ(error.what(), "Another computer is changing the list of worksheets; please "
                                   "try again in a moment.");
    }
    EXPECT_EQ(m_dir.readFile(lock), elsewhere);

    QFile::remove(m_dir.filePath(lock));
    m_dir.makeFolder(lock);
    m_dir.writeFile(owner, recordedBy(QSysInfo::machineHostName().toUtf8()));
    EXPECT_NO_THROW(IndexLock(m_dir.folder()));

    m_dir.writeFile(lock, "left behind");
    QFile left(m_dir.filePath(lock));
    ASSERT_TRUE(left.open(QIODevice::ReadWrite));
    ASSERT_TRUE(left.setFileTime(QDateTime::currentDateTime().addSecs(-120),
                                 QFileDevice::FileModificationTime));
    left.close();
    EXPECT_NO_THROW(IndexLock(m_dir.folder()));
    EXPECT_EQ(m_dir.entries("multiple"), QStringList{}) << "no lock left";
}

// An older copy of the program, which takes turns through QLockFile, can't take our lock. A lock
// is given back only while it is ours: one another machine took over meanwhile stays.
TEST_F(IndexLockTest, OlderCopiesWaitForOurTurnAndOnlyOurOwnLockIsGivenBack)
{
    const QByteArray takenOver = recordedBy("another-classroom-pc");
    {
        const IndexLock ours(m_dir.folder());
        QLockFile olderCopy(m_dir.filePath(lock));
        EXPECT_FALSE(olderCopy.tryLock(0));
        m_dir.writeFile(owner, takenOver);
    }
    EXPECT_EQ(m_dir.readFile(owner), takenOver);
}

} // namespace
