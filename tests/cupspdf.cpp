// SPDX-License-Identifier: GPL-3.0-or-later
#include "cupspdf.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>

namespace
{

constexpr int pdfWaitMs = 120000; // cups-pdf runs Ghostscript per job; a busy machine is slow

QSet<QString> pdfsInFolder()
{
    QSet<QString> paths;
    for (const QFileInfo &file : QDir(pdfFolder).entryInfoList({"*.pdf"}, QDir::Files))
        paths.insert(file.absoluteFilePath());
    return paths;
}

} // namespace

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &path)
{
    return runTool("pdftotext", {"-layout", path, "-"});
}

QString pdfWords(const QString &path)
{
    return runTool("pdftotext", {path, "-"}).simplified();
}

int pdfPages(const QString &path)
{
    for (const QString &line : runTool("pdfinfo", {path}).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return 0;
}

void CupsPdfTest::SetUp()
{
    if (QPrinterInfo::printerInfo(pdfQueue).isNull())
        GTEST_SKIP() << "no CUPS queue " << pdfQueue.toStdString()
                     << "; scripts/cups-queue.sh (as root) sets it up";
    m_oldPrinter = qgetenv("PRINTER");
    chooseQueue(pdfQueue);
    m_before = pdfsInFolder();
}

void CupsPdfTest::TearDown()
{
    qputenv("PRINTER", m_oldPrinter);
    for (const QString &path : std::as_const(m_claimed))
        QFile::remove(path);
}

void CupsPdfTest::chooseQueue(const QString &queue)
{
    qputenv("PRINTER", queue.toLocal8Bit());
    ASSERT_EQ(QPrinterInfo::defaultPrinterName(), queue) << "CUPS ignored PRINTER";
}

QString CupsPdfTest::waitForPdfWith(const QString &token)
{
    const QDeadlineTimer deadline(pdfWaitMs);
    while (!deadline.hasExpired()) {
        for (const QString &path : pdfsInFolder() - m_before - m_claimed) {
            if (pdfWords(path).contains(token)) {
                m_claimed.insert(path);
                return path;
            }
        }
        QThread::msleep(250);
    }
    ADD_FAILURE() << "no PDF with " << token.toStdString() << " in " << pdfFolder.toStdString();
    return {};
}
