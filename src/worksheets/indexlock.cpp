// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/indexlock.h"

#include "files/contentpath.h"
#include "files/errors.h"
#include "worksheets/worksheetslog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A change holds the lock for a moment (well under a second, even on a slow share), so a lock
// older than this was left by a machine that stopped mid-change; it is generous because ages are
// judged by the clocks of different machines.
constexpr qint64 StaleLockMs = 30'000;
// How long a save or a deletion waits for another machine's change before it gives up.
constexpr int LockWaitMs = 3'000;
// Looking into a held lock keeps it open for a moment, and a file server refuses to rename or
// delete a file while another machine has it open; so a waiting machine looks only now and then.
constexpr int JudgeEveryMs = 500;
// Asking again a server that refuses a rename or a delete: the pauses double up to this.
constexpr int LongestPauseMs = 250;
constexpr int Tries = 12; // about two seconds in all

QByteArray hostName()
{
    return QSysInfo::machineHostName().toUtf8();
}

QByteArray randomHex()
{
    return QByteArray::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, '0');
}

// Our lock's record: process id, program, host name, machine id and boot id (the lines an older
// copy's lock file holds, so that one reading serves both), then a random token and the time taken.
QByteArray recordNow(const QByteArray &token)
{
    const QByteArray program =
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8();
    const QByteArray taken = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toLatin1();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program + '\n' +
           hostName() + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() +
           '\n' + token + '\n' + taken + '\n';
}

// What a lock's record says of its holder. An older copy's lock has no time; a lock being written
// or one from another program may say nothing at all.
struct LockRecord {
    explicit LockRecord(const QByteArray &bytes)
    {
        const QList<QByteArray> lines = bytes.split('\n');
        auto line = [&lines](int i) {
            return i < lines.size() ? lines.at(i).trimmed() : QByteArray();
        };
        pid = line(0).toLongLong();
        host = line(2);
        machineId = line(3);
        bootId = line(4);
        taken = QDateTime::fromString(QString::fromLatin1(line(6)), Qt::ISODateWithMs);
    }

    // Cloned machines may share one machine id; their host names tell them apart.
    bool takenOnThisHost() const
    {
        return !host.isEmpty() && host == hostName() &&
               (machineId.isEmpty() || machineId == QSysInfo::machineUniqueId());
    }

    bool holderIsGone() const
    {
        if (!bootId.isEmpty() && bootId != QSysInfo::bootUniqueId())
            return true; // this host has started again since
        return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
    }

    qint64 pid = 0;
    QByteArray host;
    QByteArray machineId;
    QByteArray bootId;
    QDateTime taken; // invalid when not recorded
};

// A time ahead of our clock counts by its distance too, so that a lock left by a machine whose
// clock ran ahead doesn't hold for ever.
bool longAgo(const QDateTime &time)
{
    return time.isValid() && std::abs(time.msecsTo(QDateTime::currentDateTimeUtc())) > StaleLockMs;
}

// Another host's process id means nothing here, so its lock is judged by age: by the file
// server's clock (the file's time) and by the holder's own (the time it recorded), so that one
// clock running wrong doesn't take the lock from a machine still using it.
bool looksStale(const QByteArray &bytes, const QDateTime &fileTime)
{
    const LockRecord record(bytes);
    if (record.takenOnThisHost() && record.holderIsGone())
        return true;
    return longAgo(fileTime) && (!record.taken.isValid() || longAgo(record.taken));
}

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

// Our lock is a folder holding its record; an older copy's lock is a file that is its record.
QString recordPath(const QString &lock)
{
    return QFileInfo(lock).isDir() ? lock + QStringLiteral("/owner") : lock;
}

// The record's time, set by the file server's clock; the folder's own until the record is written.
QDateTime fileTime(const QString &lock)
{
    const QFileInfo record(recordPath(lock));
    return record.exists() ? record.lastModified() : QFileInfo(lock).lastModified();
}

// How a file server turns away a request for a file another machine has open.
bool isBusy(int error)
{
    return error == EBUSY || error == EACCES || error == EAGAIN || error == EINTR ||
           error == ETXTBSY;
}

// Runs a file operation (0 for success, else -1 with errno) until it succeeds or fails for a
// reason other than a busy file, a few times in all. errno holds the last failure's reason.
template <typename Operation> bool retryWhileBusy(Operation operation, int tries = Tries)
{
    for (int attempt = 1;; ++attempt) {
        if (operation() == 0)
            return true;
        if (!isBusy(errno) || attempt >= tries)
            return false;
        QThread::msleep(std::min(5 << attempt, LongestPauseMs));
    }
}

// A lock's record: empty for a folder whose record isn't written yet, nothing when the lock is
// gone or its record can't be read.
std::optional<QByteArray> readRecord(const QString &lock, int tries = Tries)
{
    const QString path = recordPath(lock);
    const QByteArray name = native(path);
    int fd = -1;
    if (!retryWhileBusy(
            [&] {
                fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
                return fd < 0 ? -1 : 0;
            },
            tries)) {
        const bool notWrittenYet = errno == ENOENT && path != lock && QFileInfo(lock).isDir();
        return notWrittenYet ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    }
    // Another machine's record may be longer than the one this machine saw last under that name;
    // the status from the server lets it be read whole.
    struct statx fresh {
    };
    ::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &fresh);
    QByteArray bytes;
    char buffer[512];
    ssize_t got = 0;
    while (bytes.size() < 4096 && (got = ::read(fd, buffer, sizeof buffer)) > 0)
        bytes.append(buffer, got);
    ::close(fd);
    if (got < 0)
        return std::nullopt;
    return bytes;
}

FileError cannotLock(int error, const QString &lock)
{
    const QString reason =
        error == EACCES || error == EPERM || error == EROFS
            ? QStringLiteral("no permission to write in ") + QFileInfo(lock).path()
            : QStringLiteral("the folder multiple can't be written: ") +
                  QString::fromLocal8Bit(std::strerror(error));
    return FileError("The worksheet index can't be locked for a change (" + reason.toStdString() +
                     ").");
}

// Deletes a lock taken out of the way: the record, then the folder (or an older copy's file).
bool deleteLock(const QString &lock)
{
    if (!QFileInfo(lock).isDir())
        return retryWhileBusy([name = native(lock)] { return ::unlink(name.constData()); });
    const QByteArray record = native(lock + QStringLiteral("/owner"));
    const QByteArray folder = native(lock);
    return (retryWhileBusy([&] { return ::unlink(record.constData()); }) || errno == ENOENT) &&
           retryWhileBusy([&] { return ::rmdir(folder.constData()); });
}

// Makes the lock folder unless something of that name exists; creating a folder is a step every
// file server decides whole (creating a file "only if new" is not: a FUSE SMB client lets two
// machines both create one), then writes our record into it.
bool createLock(const QString &lock, const QByteArray &record)
{
    if (::mkdir(native(lock).constData(), 0777) != 0) {
        if (errno == EEXIST || errno == EBUSY || errno == EAGAIN || errno == EINTR)
            return false;
        throw cannotLock(errno, lock);
    }
    const QByteArray name = native(lock + QStringLiteral("/owner"));
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    const bool written = fd >= 0 && ::write(fd, record.constData(),
                                            static_cast<size_t>(record.size())) == record.size();
    const int error = written ? 0 : errno;
    if (fd >= 0 && ::close(fd) == 0 && written)
        return true;
    // A lock without its whole record would be judged by its time alone: take it away.
    deleteLock(lock);
    throw cannotLock(error != 0 ? error : EIO, lock);
}

enum class Removal { Removed, NotTheSame, Refused };

// Removes the lock if its record is exactly these bytes. It is renamed aside first, so that what
// is checked is what gets deleted; the random token in every record tells one lock from another.
Removal removeIfItHolds(const QString &lock, const QByteArray &bytes)
{
    if (readRecord(lock) != bytes)
        return Removal::NotTheSame;
    const QString aside = lock + '.' + QString::fromLatin1(randomHex()) + QStringLiteral(".gone");
    const QByteArray from = native(lock);
    const QByteArray to = native(aside);
    if (!retryWhileBusy([&] { return std::rename(from.constData(), to.constData()); })) {
        if (errno == ENOENT)
            return Removal::NotTheSame;
        qCWarning(lcWorksheets) << "cannot take away the lock" << lock << ":"
                                << std::strerror(errno);
        return Removal::Refused;
    }
    if (readRecord(aside) != bytes) {
        // Another machine's lock took its place between our reading and our renaming: it goes
        // back, unless yet another machine has taken the name meanwhile.
        if (!QFileInfo::exists(lock))
            std::rename(to.constData(), from.constData());
        return Removal::NotTheSame;
    }
    if (!deleteLock(aside))
        qCWarning(lcWorksheets) << "cannot delete" << aside
                                << "(no longer a lock):" << std::strerror(errno);
    return Removal::Removed;
}

// A waiting machine doesn't wait on a busy file to judge it: it looks again later.
std::optional<QByteArray> staleRecord(const QString &lock)
{
    std::optional<QByteArray> held = readRecord(lock, 1);
    if (held && looksStale(*held, fileTime(lock)))
        return held;
    return std::nullopt;
}

// Takes away a lock whose holder has stopped. Machines do so one at a time, under a second lock
// (named as the one QLockFile takes for the same purpose), so that none of them removes a lock
// another has just taken in place of the stale one.
void removeIfStale(const QString &lock, const QByteArray &ours)
{
    if (!staleRecord(lock))
        return;
    const QString guard = lock + QStringLiteral(".rmlock");
    if (!createLock(guard, ours)) {
        // A guard left by a machine that stopped while taking a lock away.
        if (const std::optional<QByteArray> left = staleRecord(guard))
            removeIfItHolds(guard, *left);
        return;
    }
    const std::optional<QByteArray> stale = staleRecord(lock);
    if (stale && removeIfItHolds(lock, *stale) == Removal::Removed)
        qCWarning(lcWorksheets) << "took away a stale lock:" << *stale;
    removeIfItHolds(guard, ours);
}

} // namespace

IndexLock::IndexLock(const ContentFolder &classroom)
    : m_path(classroom.resolve(QStringLiteral("multiple/track.lock")))
{
    const QByteArray token = randomHex() + randomHex();
    const QDeadlineTimer deadline(LockWaitMs);
    QElapsedTimer sinceJudged;
    for (;;) {
        m_record = recordNow(token);
        if (createLock(m_path, m_record))
            return;
        if (!sinceJudged.isValid() || sinceJudged.hasExpired(JudgeEveryMs)) {
            removeIfStale(m_path, m_record);
            sinceJudged.start();
        }
        if (deadline.hasExpired())
            throw FileError("Another computer is changing the list of worksheets; please try "
                            "again in a moment.");
        // Slightly random moments, so that two machines changing the index at once both get
        // their turn.
        QThread::msleep(QRandomGenerator::global()->bounded(5, 25));
    }
}

IndexLock::~IndexLock()
{
    if (removeIfItHolds(m_path, m_record) == Removal::NotTheSame)
        qCWarning(lcWorksheets) << "the lock" << m_path
                                << "was taken over by another machine while this one held it";
}
