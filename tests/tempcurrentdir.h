#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

// Makes a fresh temporary folder the current directory for one test and restores the previous
// current directory afterwards, since all tests share the process.
class TempCurrentDir
{
public:
    TempCurrentDir() : m_previous(QDir::currentPath())
    {
        if (!m_dir.isValid() || !QDir::setCurrent(m_dir.path()))
            throw std::runtime_error("cannot enter a temporary folder");
    }
    ~TempCurrentDir() { QDir::setCurrent(m_previous); }
    TempCurrentDir(const TempCurrentDir &) = delete;
    TempCurrentDir &operator=(const TempCurrentDir &) = delete;

    static void makeFolder(const QString &relative) { QDir().mkpath(relative); }

    static void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QFile file(relative);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write test file");
    }

    // The bytes of a file, or a null array when it can't be read.
    static QByteArray readFile(const QString &relative)
    {
        QFile file(relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QStringList entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                      QDir::Name);
    }

private:
    QString m_previous; // restored before m_dir removes the folder
    QTemporaryDir m_dir;
};
