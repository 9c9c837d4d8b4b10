// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// A new file written aside in its folder and put in place by one rename only when every byte is
// on the disk, so a reader sees the old file or the whole new one, never half of it.
//
// Below the base folder no symbolic link is followed, since in a shared folder a link is someone
// else's choice: each folder on the way is opened without following one (a link there is refused
// with the reason), the file aside is always created afresh, and the rename replaces whatever
// entry carries the name, a link included, never the file the link points to. The base folder
// itself is the caller's (the classroom folder the user named).
//
// Every failure throws FileError with the file's path and the system's reason, such as "No space
// left on device".
class FileAside
{
public:
    // Creates the file aside in the folder of base/relativePath; the folder must exist.
    FileAside(const QString &base, const QString &relativePath);
    ~FileAside(); // takes the file aside away unless it was put in place
    FileAside(const FileAside &) = delete;
    FileAside &operator=(const FileAside &) = delete;

    void write(const QByteArray &bytes);

    // Syncs the bytes to the disk and renames the file over the old one, or over a link in its
    // place; a new file takes the old one's permissions.
    void replace();

    // Syncs and renames only when nothing is there yet: a file another machine added meanwhile
    // stays, and then the file aside is taken away and false returned. A link that leads nowhere
    // is not a file and is replaced.
    bool add();

    const QString &path() const { return m_path; }

private:
    void sync();
    [[noreturn]] void fail(const QString &reason) const;

    QString m_path;
    QByteArray m_name;
    QByteArray m_asideName;
    int m_folder = -1;
    int m_file = -1;
    bool m_placed = false;
};

// Renames base/relativePath within its folder to the first free name of newName, newName.2,
// newName.3 ..., never over an existing entry, without following a link on the way. Returns
// the name it got. Throws FileError with the reason.
QString keepBeside(const QString &base, const QString &relativePath, const QString &newName);

// Whether the entry itself is a symbolic link (one that leads nowhere included).
bool isSymbolicLink(const QString &path);
