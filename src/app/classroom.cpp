#include "app/classroom.h"

#include "platform/contentpath.h"
#include "platform/errors.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <filesystem>
#include <sys/stat.h>

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
void checkWritable(const QString &folder)
{
    QTemporaryFile probe(folder + "/.kelvarin-write-test");
    if (!probe.open())
        fail("Cannot write in the folder " + folder, probe.errorString());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("Cannot read " + path, file.errorString());
    return file.readAll();
}

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

// What a newly created file gets, as QSaveFile and open() give it; a temporary file has 0600.
QFile::Permissions permissionsUnderUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    const std::pair<mode_t, QFile::Permission> bits[] = {
        {S_IRUSR, QFile::ReadOwner},  {S_IWUSR, QFile::WriteOwner}, {S_IRGRP, QFile::ReadGroup},
        {S_IWGRP, QFile::WriteGroup}, {S_IROTH, QFile::ReadOther},  {S_IWOTH, QFile::WriteOther}};
    QFile::Permissions permissions;
    for (const auto &[bit, permission] : bits)
        if (mode & bit)
            permissions |= permission;
    return permissions;
}

// Replaces the file in one rename: readers see the old bytes or the new ones, never a mixture.
void replaceFile(const QString &target, const QByteArray &bytes)
{
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail("Cannot write " + target, file.errorString());
}

// Adds the file only if no one has: the rename refuses to replace a file that appeared meanwhile,
// such as an index another machine added and a teacher has already written to.
void addFile(const QString &target, const QByteArray &bytes)
{
    QTemporaryFile file(target + ".XXXXXX");
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.setPermissions(permissionsUnderUmask()))
        fail("Cannot write " + target, file.errorString());
    if (file.rename(target))
        file.setAutoRemove(false); // it now carries the target's name
    else if (!QFile::exists(target))
        fail("Cannot write " + target, file.errorString());
}

// The folders whose files belong to the teachers once they are there.
bool teachersKeep(const QString &relativePath)
{
    return relativePath.section('/', 0, 0).compare("multiple", Qt::CaseInsensitive) == 0;
}

} // namespace

QString defaultClassroomFolder()
{
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || QDir::isRelativePath(data))
        data = QDir::homePath() + "/.local/share";
    return data + "/kelvarin";
}

void prepareClassroom(const QString &installedContent, const QString &classroom)
{
    const QDir from(installedContent);
    if (!from.exists())
        fail("Cannot find the installed content " + installedContent, "no such folder");
    makeFolder(classroom);
    checkWritable(classroom);
    const QDir to(classroom);
    QDirIterator files(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = from.relativeFilePath(source);
        if (!relative.contains('/'))
            continue; // only the content folders are the classroom's, not loose build files
        // The program finds its files whatever their letter case, so an existing "Multiple/" or
        // "TRACK.TXT" is the one to keep or refresh, never one to make a second beside.
        const QString target = resolveContentPathIn(to.path(), relative);
        makeFolder(QFileInfo(target).path());
        if (teachersKeep(relative)) {
            if (!QFileInfo::exists(target))
                addFile(target, readAll(source));
            continue;
        }
        const QByteArray bytes = readAll(source);
        if (!holds(target, bytes))
            replaceFile(target, bytes);
    }
    checkWritable(resolveContentPathIn(to.path(), "multiple"));
}
