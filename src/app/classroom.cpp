// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/classroom.h"

#include "app/applog.h"
#include "files/contentpath.h"
#include "files/errors.h"
#include "files/fileaside.h"
#include "files/filebytes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

[[noreturn]] void fail(const QString &what, const QString &reason)
{
    throw FileError((what + ": " + reason).toStdString());
}

void makeFolder(const QString &path)
{
    std::error_code error;
    std::filesystem::create_directories(path.toStdString(), error);
    if (error)
        fail("Cannot make the folder " + path, QString::fromStdString(error.message()));
}

// A folder that can be read but not written would fail only later, when a teacher saves.
void checkWritable(const QString &classroom, const QString &relativeFolder = QString())
{
    const QString probe = ".kelvarin-write-test";
    const FileAside file(classroom,
                         relativeFolder.isEmpty() ? probe : relativeFolder + '/' + probe);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("Cannot read " + path, file.errorString());
    return file.readAll();
}

// Only a regular file of the classroom's own holds the content: a link in its place is replaced,
// and a FIFO planted there is never opened, so it can't stop the start.
bool holds(const QString &path, const QByteArray &bytes)
{
    struct stat status {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size != bytes.size())
        return false;
    try {
        return readRegularFile(path, bytes.size()) == bytes;
    } catch (const FileError &e) {
        qCInfo(lcApp) << "replacing a content file that can't be read:" << e.what();
        return false;
    }
}

// Replaces the file in one rename: readers see the old bytes or the new ones, never a mixture.
void replaceFile(const QString &classroom, const QString &relative, const QByteArray &bytes)
{
    FileAside file(classroom, relative);
    file.write(bytes);
    file.replace();
}

// Adds the file only if no one has: the rename refuses to replace a file that appeared meanwhile,
// such as an index another machine added and a teacher has already written to.
void addFile(const QString &classroom, const QString &relative, const QByteArray &bytes)
{
    FileAside file(classroom, relative);
    file.write(bytes);
    file.add();
}

// The folders whose files belong to the teachers once they are there.
bool teachersKeep(const QString &relativePath)
{
    return relativePath.section('/', 0, 0).compare("multiple", Qt::CaseInsensitive) == 0;
}

// Makes each folder of the relative path that is missing. A link planted in place of a content
// folder is replaced by a real folder; in place of multiple/ it is refused, since the teachers'
// worksheets would lie wherever it leads.
void makeRealFolders(const QString &classroom, const QString &relativeFolder)
{
    QString path = classroom;
    for (const QString &name : relativeFolder.split('/', Qt::SkipEmptyParts)) {
        path += '/' + name;
        if (!isSymbolicLink(path))
            continue;
        if (teachersKeep(name))
            fail("Cannot use the folder " + path,
                 "it is a symbolic link, and the worksheets must lie in the classroom folder "
                 "itself; put the folder it leads to in its place");
        qCWarning(lcApp) << "replacing the symbolic link" << path << "with a folder";
        if (::unlink(QFile::encodeName(path).constData()) != 0)
            fail("Cannot replace the symbolic link " + path,
                 QString::fromLocal8Bit(std::strerror(errno)));
    }
    makeFolder(path);
}

// The topics' own question sets come with the program; the index and the worksheets don't.
bool isTopicSet(const QString &relative)
{
    return teachersKeep(relative) &&
           QFileInfo(relative).fileName().compare("track.txt", Qt::CaseInsensitive) != 0;
}

bool canBeRead(const ContentFolder &classroom, const QString &questionSet,
               const QuestionSetCheck &check)
{
    try {
        check(classroom, questionSet);
        return true;
    } catch (const FileError &e) {
        qCWarning(lcApp) << "a topic's question set is damaged:" << e.what();
        return false;
    }
}

// The damaged set stays beside the restored one, for whoever wants to see what happened to it.
void restoreTopicSet(const QString &classroom, const QString &relative, const QByteArray &bytes)
{
    const QString kept =
        keepBeside(classroom, relative, QFileInfo(relative).fileName() + ".damaged");
    qCWarning(lcApp) << "restored" << relative << "and kept the damaged one as" << kept;
    addFile(classroom, relative, bytes);
}

} // namespace

QString defaultClassroomFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + "/.local/share";
    return data + "/kelvarin";
}

void prepareClassroom(const QString &installedContent, const ContentFolder &classroomFolder,
                      const QuestionSetCheck &checkQuestionSet)
{
    const QString &classroom = classroomFolder.path();
    const QDir from(installedContent);
    if (!from.exists())
        fail("Cannot find the installed content " + installedContent, "no such folder");
    makeFolder(classroom);
    checkWritable(classroom);
    const QDir to(classroom);
    QDirIterator files(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString installed = from.relativeFilePath(source);
        if (!installed.contains('/'))
            continue; // only the content folders are the classroom's, not loose build files
        // The program finds its files whatever their letter case, so an existing "Multiple/" or
        // "TRACK.TXT" is the one to keep or refresh, never one to make a second beside.
        const QString target = classroomFolder.resolve(installed);
        const QString relative = to.relativeFilePath(target);
        makeRealFolders(classroom, QFileInfo(relative).path());
        if (teachersKeep(relative)) {
            if (!QFileInfo::exists(target))
                addFile(classroom, relative, readAll(source));
            else if (isTopicSet(installed) && !canBeRead(classroomFolder, target, checkQuestionSet))
                restoreTopicSet(classroom, relative, readAll(source));
            continue;
        }
        const QByteArray bytes = readAll(source);
        if (!holds(target, bytes))
            replaceFile(classroom, relative, bytes);
    }
    checkWritable(classroom, to.relativeFilePath(classroomFolder.resolve("multiple")));
}
