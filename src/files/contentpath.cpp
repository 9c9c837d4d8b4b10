// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/contentpath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace
{

// The entry of folder that matches name: the exact spelling if it exists, otherwise the first
// entry (in name order) that differs only in letter case, otherwise name itself.
QString matchEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + u'/' + name))
        return name;
    const QStringList entries = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

} // namespace

ContentFolder::ContentFolder(const QString &absolutePath) : m_path(QDir::cleanPath(absolutePath)) {}

QString ContentFolder::resolve(const QString &contentPath) const
{
    QString slashed = contentPath;
    slashed.replace(u'\\', u'/');
    QString resolved = QDir::isAbsolutePath(slashed) ? QStringLiteral("/") : m_path;
    const QStringList components = slashed.split(u'/', Qt::SkipEmptyParts);
    for (const QString &component : components) {
        if (component == u".")
            continue;
        if (component == u"..") {
            resolved = QDir::cleanPath(resolved + QStringLiteral("/.."));
            continue;
        }
        resolved = QDir::cleanPath(resolved + u'/' + matchEntry(resolved, component));
    }
    return resolved;
}
