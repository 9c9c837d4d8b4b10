// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class ContentFolder;

// Machines sharing the classroom folder take turns at changing the worksheet index: a change holds
// the lock multiple/track.lock from its reading of the index to its rewrite.
//
// The lock is a folder, taken and given back only by steps a file server (SMB, NFS or a local
// disk) does whole: the folder is made only if nothing of that name exists, and it is given back
// by renaming it aside, checking that it is ours and deleting it. A server that refuses a rename or
// a delete while another machine reads the lock is asked again.
//
// The record in the folder says who took it and when, one value a line: process id, program, host
// name, machine id, boot id (the lines an older copy's lock file holds), a random token and the
// time it was taken. A lock is stale when the process that took it is gone, which only the host
// that took it can tell, or when both the record's file time and the time it records are half a
// minute old. Only the very lock judged stale is taken away, one machine at a time, and only our
// own lock is given back.
//
// An older copy of the program takes turns through QLockFile, with a lock file of the same name:
// it waits while our folder is there, and we wait for its file or take it over once it is stale.
class IndexLock
{
public:
    // Takes the lock of the classroom's index, waiting a few seconds for another machine's change.
    // Throws FileError, worded for the teacher, when that change goes on for longer or the folder
    // can't be written.
    explicit IndexLock(const ContentFolder &classroom);
    // Gives the lock back. A lock that can't be given back is logged; the others take it over
    // once it is stale.
    ~IndexLock();

    IndexLock(const IndexLock &) = delete;
    IndexLock &operator=(const IndexLock &) = delete;

private:
    QString m_path;
    QByteArray m_record; // what our lock file holds
};
