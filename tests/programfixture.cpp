#include "programfixture.h"

#include "app/titlefrm.h"
#include "menus/intro0.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

ClassroomFolder::ClassroomFolder() : m_previous(QDir::currentPath())
{
    const QDir source(QStringLiteral(KELVARIN_CONTENT_DIR));
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = m_dir.filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
    QDir::setCurrent(m_dir.path());
}

ClassroomFolder::~ClassroomFolder()
{
    QDir::setCurrent(m_previous);
}

void ClassroomFolder::remove(const QString &relativePath) const
{
    QFile::remove(m_dir.filePath(relativePath));
}

ProgramFixture::ProgramFixture()
    : stage(std::make_unique<Stage>(clock)), screens(std::make_unique<Screens>(*stage, platform))
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
