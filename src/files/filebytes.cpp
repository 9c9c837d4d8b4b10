// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filebytes.h"

#include "files/errors.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

[[noreturn]] void fail(const QString &path, const QString &reason)
{
    throw FileError((path + QStringLiteral(": ") + reason).toStdString());
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Closes the descriptor whichever way the read ends.
struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

} // namespace

QByteArray readRegularFile(const QString &path, qint64 maxBytes)
{
    // Non-blocking, so that opening a FIFO never waits for a writer; the type is checked on the
    // open descriptor, so nothing can be swapped in between the check and the read.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        fail(path, systemReason());
    const Descriptor file{fd};
    return readOpenRegularFile(fd, path, maxBytes);
}

QByteArray readOpenRegularFile(int fd, const QString &path, qint64 maxBytes)
{
    // The status comes afresh from the file server: a FUSE mount of a network share keeps a
    // file's size for a moment and reads no further, so a file that another machine has just
    // rewritten longer would read cut short.
    struct statx status {
    };
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_TYPE | STATX_SIZE, &status) != 0)
        fail(path, systemReason());
    if (!S_ISREG(status.stx_mode))
        fail(path, QStringLiteral("not a regular file"));
    if (static_cast<qint64>(status.stx_size) > maxBytes)
        fail(path, QStringLiteral("too large (%1 bytes) to be one of the program's files")
                       .arg(status.stx_size));
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(path, systemReason());
        if (got == 0)
            return bytes;
        if (bytes.size() + got > maxBytes)
            fail(path, QStringLiteral("grew too large while it was read"));
        bytes.append(buffer, got);
    }
}
