// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The most any file the program reads can hold. The largest it writes, a full worksheet index,
// is well under a tenth of this; a bigger file is not one of ours.
inline constexpr qint64 MaxReadableFileBytes = 4 * 1024 * 1024;

// Reads the whole of a regular file and closes it again. A FIFO, a device or a folder in the
// file's place is refused without waiting on it, as is a file larger than maxBytes.
// Throws FileError naming the file and the reason.
QByteArray readRegularFile(const QString &path, qint64 maxBytes = MaxReadableFileBytes);

// The same for a file the caller has opened (non-blocking, so a FIFO never waits) and will
// close; path names it in the errors.
QByteArray readOpenRegularFile(int fd, const QString &path, qint64 maxBytes = MaxReadableFileBytes);
