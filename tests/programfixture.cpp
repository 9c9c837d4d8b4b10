// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfixture.h"

#include "app/titlefrm.h"
#include "menus/intro0.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

ClassroomFolder::ClassroomFolder()
{
    const QDir source(QStringLiteral(KELVARIN_CONTENT_DIR));
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = m_dir.filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

void ClassroomFolder::remove(const QString &relativePath) const
{
    QFile::remove(m_dir.filePath(relativePath));
}

void ClassroomFolder::writeFile(const QString &relativePath, const QByteArray &bytes) const
{
    QFile file(m_dir.filePath(relativePath));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << file.fileName().toStdString();
}

ProgramFixture::ProgramFixture()
    : stage(std::make_unique<Stage>(clock, classroom.folder())),
      screens(std::make_unique<Screens>(*stage, platform))
{
    stage->resize(1024, 768);
    wireMainMenu(*screens);
}

ProgramFixture::~ProgramFixture()
{
    screens.reset();
    stage.reset();
    finishHandlers();
}

void ProgramFixture::finishHandlers()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ProgramFixture::startProgram()
{
    stage->show();
    screens->titlefrm();
    screens->titlefrm().show();
}
