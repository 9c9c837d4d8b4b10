// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/recordfolder.h"

#include "files/errors.h"
#include "files/filebytes.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw FileError((path + QStringLiteral(": ") + reason).toStdString());
}

QString shown(const QString &classroom, const QString &fileName = {})
{
    const QString folder = classroom + u'/' + QLatin1String(RecordFolder::Name);
    return fileName.isEmpty() ? folder : folder + u'/' + fileName;
}

// Closes the descriptor however the function that holds it ends.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closes now, for a caller that must know whether the close failed.
    int close()
    {
        const int closed = ::close(m_fd);
        m_fd = -1;
        return closed;
    }

private:
    int m_fd;
};

bool isLinkAt(int folder, const QByteArray &name)
{
    struct stat status {
    };
    return ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISLNK(status.st_mode);
}

int openFolderAt(int parent, const QByteArray &name)
{
    return ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The record folder's descriptor, or -1 when there is none and none was to be made.
int openRecordFolder(const QString &classroom, bool makeIt)
{
    const Descriptor base(
        ::open(QFile::encodeName(classroom).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (base.get() < 0)
        fail(classroom, systemReason(errno));
    const QByteArray name(RecordFolder::Name);
    int folder = openFolderAt(base.get(), name);
    if (folder < 0 && errno == ENOENT && makeIt) {
        if (::mkdirat(base.get(), name.constData(), 0777) != 0 && errno != EEXIST)
            fail(shown(classroom), systemReason(errno));
        folder = openFolderAt(base.get(), name);
    }
    if (folder < 0 && errno == ENOENT && !makeIt)
        return -1;
    if (folder < 0 && isLinkAt(base.get(), name))
        fail(shown(classroom),
             QStringLiteral("the folder is a symbolic link, which is not followed"));
    if (folder < 0)
        fail(shown(classroom), systemReason(errno));
    return folder;
}

// Opens the file for appending, and for reading its last byte; a link in its place is taken
// away first, never followed.
int openForAppend(int folder, const QByteArray &name, const QString &path)
{
    const int flags = O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::openat(folder, name.constData(), flags, 0666);
    if (fd < 0 && errno == ELOOP && isLinkAt(folder, name)) {
        if (::unlinkat(folder, name.constData(), 0) != 0)
            fail(path, systemReason(errno));
        fd = ::openat(folder, name.constData(), flags | O_EXCL, 0666);
    }
    if (fd < 0)
        fail(path, systemReason(errno));
    return fd;
}

bool endsLine(int fd, off_t size)
{
    char last = 0;
    return ::pread(fd, &last, 1, size - 1) == 1 && last == '\n';
}

// Writes the bytes in one call, and takes back whatever part of them landed if that fails.
void writeOrTakeBack(int fd, off_t oldSize, const QByteArray &bytes, const QString &path)
{
    ssize_t wrote = -1;
    do
        wrote = ::write(fd, bytes.constData(), bytes.size());
    while (wrote < 0 && errno == EINTR);
    QString reason;
    if (wrote < 0)
        reason = systemReason(errno);
    else if (wrote != bytes.size())
        reason =
            QStringLiteral("only %1 of %2 bytes could be written").arg(wrote).arg(bytes.size());
    // A file system that cannot sync (EINVAL) still holds what the write accepted.
    else if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        reason = systemReason(errno);
    if (reason.isEmpty())
        return;
    if (::ftruncate(fd, oldSize) != 0)
        reason += QStringLiteral(" (and the part written could not be taken back: ") +
                  systemReason(errno) + u')';
    fail(path, reason);
}

std::optional<QByteArray> readAt(int folder, const QString &fileName, const QString &path)
{
    const QByteArray name = QFile::encodeName(fileName);
    const Descriptor file(
        ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0 && errno == ENOENT)
        return std::nullopt;
    if (file.get() < 0)
        fail(path, systemReason(errno));
    return readOpenRegularFile(file.get(), path, RecordFolder::MostFileBytes);
}

QStringList namesEndingIn(int folder, const QString &suffix)
{
    const int copy = ::dup(folder);
    DIR *entries = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!entries) {
        if (copy >= 0)
            ::close(copy);
        throw FileError(("Cannot list the record folder: " + systemReason(errno)).toStdString());
    }
    QStringList names;
    const QString ending = u'.' + suffix;
    while (const dirent *entry = ::readdir(entries)) {
        const QString name = QFile::decodeName(entry->d_name);
        struct stat status {
        };
        if (name.endsWith(ending, Qt::CaseInsensitive) &&
            ::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            names.append(name);
    }
    ::closedir(entries);
    names.sort();
    return names;
}

} // namespace

namespace RecordFolder
{

void make(const QString &classroom)
{
    ::close(openRecordFolder(classroom, true));
}

void appendWhole(const QString &classroom, const QString &fileName, const QByteArray &bytes,
                 const QByteArray &newFileStart)
{
    const QString path = shown(classroom, fileName);
    const Descriptor folder(openRecordFolder(classroom, true));
    Descriptor file(openForAppend(folder.get(), QFile::encodeName(fileName), path));
    struct stat status {
    };
    if (::fstat(file.get(), &status) != 0)
        fail(path, systemReason(errno));
    if (!S_ISREG(status.st_mode))
        fail(path, QStringLiteral("not a regular file"));
    if (status.st_size + bytes.size() > MostFileBytes)
        fail(path, QStringLiteral("the file is full; start a new record"));
    QByteArray whole;
    if (status.st_size == 0)
        whole = newFileStart;
    else if (!endsLine(file.get(), status.st_size))
        whole = "\r\n";
    whole += bytes;
    writeOrTakeBack(file.get(), status.st_size, whole, path);
    // A network file system may report a failed write only when the file is closed.
    if (file.close() != 0 && errno != EINTR)
        fail(path, systemReason(errno));
}

std::optional<QByteArray> read(const QString &classroom, const QString &fileName)
{
    const Descriptor folder(openRecordFolder(classroom, false));
    if (folder.get() < 0)
        return std::nullopt;
    return readAt(folder.get(), fileName, shown(classroom, fileName));
}

QStringList filesEndingIn(const QString &classroom, const QString &suffix)
{
    const Descriptor folder(openRecordFolder(classroom, false));
    return folder.get() < 0 ? QStringList() : namesEndingIn(folder.get(), suffix);
}

QString moveIntoNewFolder(const QString &classroom, const QString &suffix,
                          const QString &folderName)
{
    const Descriptor folder(openRecordFolder(classroom, true));
    QString name;
    for (int n = 1; name.isEmpty(); ++n) {
        const QString candidate = n == 1 ? folderName : folderName + u'.' + QString::number(n);
        if (::mkdirat(folder.get(), QFile::encodeName(candidate).constData(), 0777) == 0)
            name = candidate;
        else if (errno != EEXIST || n == 100)
            fail(shown(classroom, candidate), systemReason(errno));
    }
    const Descriptor aside(openFolderAt(folder.get(), QFile::encodeName(name)));
    if (aside.get() < 0)
        fail(shown(classroom, name), systemReason(errno));
    for (const QString &file : namesEndingIn(folder.get(), suffix)) {
        const QByteArray encoded = QFile::encodeName(file);
        if (::renameat(folder.get(), encoded.constData(), aside.get(), encoded.constData()) != 0)
            fail(shown(classroom, file), systemReason(errno));
    }
    return name;
}

} // namespace RecordFolder
