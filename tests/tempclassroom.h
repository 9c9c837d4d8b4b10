// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/contentpath.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

// A fresh, empty classroom folder for one test, removed afterwards. The test hands folder() to
// what it tests and looks at the files by their paths inside it.
class TempClassroom
{
public:
    TempClassroom() : m_folder(m_dir.path())
    {
        if (!m_dir.isValid())
            throw std::runtime_error("cannot make a temporary folder");
    }
    TempClassroom(const TempClassroom &) = delete;
    TempClassroom &operator=(const TempClassroom &) = delete;

    const ContentFolder &folder() const { return m_folder; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    void makeFolder(const QString &relative) const { QDir().mkpath(filePath(relative)); }

    void writeFile(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(filePath(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write test file");
    }

    // The bytes of a file, or a null array when it can't be read.
    QByteArray readFile(const QString &relative) const
    {
        QFile file(filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList entries(const QString &folder) const
    {
        return QDir(filePath(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private:
    QTemporaryDir m_dir;
    ContentFolder m_folder;
};
