// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The files of the classroom's "record" folder, reached without following a symbolic link: in a
// shared folder a link is someone else's choice, so a linked record folder is refused and a link
// in a file's place is never written through. Every failure throws FileError naming the file
// and the system's reason.
namespace RecordFolder
{

inline constexpr auto Name = "record";

// Most that one record file may hold: years of one machine's attempts are a few megabytes, so a
// larger file is not one of ours and is not read, nor added to.
inline constexpr qint64 MostFileBytes = 16 * 1024 * 1024;

// Makes the record folder if there is none yet.
void make(const QString &classroom);

// Adds the bytes to the end of the file in one write, whole or not at all: a write cut short is
// taken back and reported. A new file starts with newFileStart; a file whose last line lacks
// its end (a machine that stopped mid-write) gets one first, so the two lines never merge.
// A link in the file's place is replaced by a new file.
void appendWhole(const QString &classroom, const QString &fileName, const QByteArray &bytes,
                 const QByteArray &newFileStart);

// The bytes of a regular file in the folder, or nothing if there is no such file.
std::optional<QByteArray> read(const QString &classroom, const QString &fileName);

// The names of the regular files directly in the folder whose names end in the suffix ("csv"),
// in name order; none when there is no folder.
QStringList filesEndingIn(const QString &classroom, const QString &suffix);

// Moves the files ending in the suffix into a new folder inside the record folder, named
// folderName (or folderName.2 ... when that is taken), and returns the name it got.
QString moveIntoNewFolder(const QString &classroom, const QString &suffix,
                          const QString &folderName);

} // namespace RecordFolder
