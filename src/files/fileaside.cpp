// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/fileaside.h"

#include "files/errors.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <cerrno>
#include <cstdio> // renameat2
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void failWith(const QString &what, const QString &reason)
{
    throw FileError((what + QStringLiteral(": ") + reason).toStdString());
}

bool isLinkAt(int folder, const QByteArray &name)
{
    struct stat status {
    };
    return ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(status.st_mode);
}

// Why a folder on the way can't be entered.
QString refusal(int folder, const QString &name, int error)
{
    if (name == QStringLiteral(".."))
        return QStringLiteral("it lies outside its folder");
    if (isLinkAt(folder, QFile::encodeName(name)))
        return QStringLiteral("the folder ") + name +
               QStringLiteral(" is a symbolic link, which is not followed");
    return systemReason(error);
}

// Opens base, then each folder of the relative path below it, refusing a link on the way.
int openFolderBelow(const QString &base, const QStringList &folders, const QString &shownPath)
{
    int folder = ::open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        failWith(QStringLiteral("Cannot open the folder ") + base, systemReason(errno));
    for (const QString &name : folders) {
        const int next = name == QStringLiteral("..")
                             ? -1
                             : ::openat(folder, QFile::encodeName(name).constData(),
                                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0) {
            const QString reason = refusal(folder, name, errno);
            ::close(folder);
            failWith(QStringLiteral("Cannot write ") + shownPath, reason);
        }
        ::close(folder);
        folder = next;
    }
    return folder;
}

// The folder's descriptor and the file's name within it.
struct Place {
    int folder;
    QByteArray name;
};

Place openPlace(const QString &base, const QString &relativePath, const QString &shownPath)
{
    QStringList parts = relativePath.split(u'/', Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    if (parts.isEmpty())
        failWith(QStringLiteral("Cannot write ") + shownPath, QStringLiteral("no file name"));
    const QByteArray name = QFile::encodeName(parts.takeLast());
    return {openFolderBelow(base, parts, shownPath), name};
}

enum class Renamed { Done, NameTaken, Failed }; // Failed leaves the reason in errno

// Renames within one folder unless the new name is taken, by any entry at all (a link that
// leads nowhere too). File systems without an atomic no-replace rename get a hard link and an
// unlink instead, and those without hard links a check just before a plain rename.
Renamed renameUnlessTaken(int folder, const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return Renamed::Done;
    if (errno == EEXIST)
        return Renamed::NameTaken;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return Renamed::Failed;
    if (::linkat(folder, from.constData(), folder, to.constData(), 0) == 0) {
        ::unlinkat(folder, from.constData(), 0);
        return Renamed::Done;
    }
    if (errno == EEXIST)
        return Renamed::NameTaken;
    if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS)
        return Renamed::Failed;
    struct stat status {
    };
    if (::fstatat(folder, to.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        return Renamed::NameTaken;
    return ::renameat(folder, from.constData(), folder, to.constData()) == 0 ? Renamed::Done
                                                                             : Renamed::Failed;
}

QByteArray randomSuffix()
{
    return QByteArray::number(QRandomGenerator::global()->generate(), 36);
}

} // namespace

FileAside::FileAside(const QString &base, const QString &relativePath)
    : m_path(base + u'/' + relativePath)
{
    const Place place = openPlace(base, relativePath, m_path);
    m_folder = place.folder;
    m_name = place.name;
    // O_EXCL never opens an existing entry, a link included; a name someone took is tried anew.
    for (int attempt = 0; m_file < 0 && attempt < 100; ++attempt) {
        m_asideName = '.' + m_name + '.' + randomSuffix();
        m_file = ::openat(m_folder, m_asideName.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m_file < 0 && errno != EEXIST) {
            const int error = errno;
            ::close(m_folder);
            fail(systemReason(error));
        }
    }
    if (m_file < 0) {
        ::close(m_folder);
        fail(QStringLiteral("no free name for the file written aside"));
    }
}

FileAside::~FileAside()
{
    if (m_file >= 0)
        ::close(m_file);
    if (!m_placed)
        ::unlinkat(m_folder, m_asideName.constData(), 0);
    ::close(m_folder);
}

void FileAside::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(m_file, bytes.constData() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            fail(systemReason(errno));
        done += wrote;
    }
}

void FileAside::sync()
{
    // A file system that cannot sync (EINVAL) still has the bytes the writes accepted; an I/O
    // error or a full disk found now fails the save.
    if (::fsync(m_file) != 0 && errno != EINVAL && errno != ENOTSUP)
        fail(systemReason(errno));
    // A network file system may report a failed write only when the file is closed.
    const int closed = ::close(m_file);
    m_file = -1;
    if (closed != 0 && errno != EINTR)
        fail(systemReason(errno));
}

void FileAside::replace()
{
    // The old file's permissions carry over, as a teacher's choice of who may change it.
    struct stat old {
    };
    if (::fstatat(m_folder, m_name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISREG(old.st_mode))
        ::fchmod(m_file, old.st_mode & 07777); // best effort: some file systems keep their own
    sync();
    if (::renameat(m_folder, m_asideName.constData(), m_folder, m_name.constData()) != 0)
        fail(systemReason(errno));
    m_placed = true;
}

bool FileAside::add()
{
    sync();
    const Renamed renamed = renameUnlessTaken(m_folder, m_asideName, m_name);
    if (renamed == Renamed::Failed)
        fail(systemReason(errno));
    if (renamed == Renamed::Done) {
        m_placed = true;
        return true;
    }
    struct stat status {
    };
    if (::fstatat(m_folder, m_name.constData(), &status, 0) == 0)
        return false; // a file, or a link to one: someone's, and it stays
    if (errno != ENOENT)
        fail(systemReason(errno));
    if (::renameat(m_folder, m_asideName.constData(), m_folder, m_name.constData()) != 0)
        fail(systemReason(errno));
    m_placed = true;
    return true;
}

void FileAside::fail(const QString &reason) const
{
    failWith(QStringLiteral("Cannot write ") + m_path, reason);
}

QString keepBeside(const QString &base, const QString &relativePath, const QString &newName)
{
    const QString path = base + u'/' + relativePath;
    const Place place = openPlace(base, relativePath, path);
    for (int n = 1; n <= 100; ++n) {
        const QString candidate = n == 1 ? newName : newName + u'.' + QString::number(n);
        const Renamed renamed =
            renameUnlessTaken(place.folder, place.name, QFile::encodeName(candidate));
        const int error = errno;
        if (renamed == Renamed::NameTaken)
            continue;
        ::close(place.folder);
        if (renamed == Renamed::Failed)
            failWith(QStringLiteral("Cannot rename ") + path, systemReason(error));
        return candidate;
    }
    ::close(place.folder);
    failWith(QStringLiteral("Cannot rename ") + path,
             QStringLiteral("every name beside it is taken"));
}

bool isSymbolicLink(const QString &path)
{
    struct stat status {
    };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISLNK(status.st_mode);
}
