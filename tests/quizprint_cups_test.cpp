// The certificate and the worksheet printed for real: through QtPrinter and CUPS to the cups-pdf
// queue that scripts/cups-queue.sh sets up, then read back from the PDF. Each PDF is also copied
// into the gallery folder, so anyone can look at the page.
#include "app/module1.h"
#include "doubles/doubles.h"
#include "platform/qtprinter.h"
#include "quiz/certificateprint.h"
#include "quiz/worksheetprint.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QThread>
#include <gtest/gtest.h>

namespace
{

const QString pdfQueue = QStringLiteral("Kelvarin-PDF");
const QString pdfFolder = QStringLiteral("/var/spool/cups-pdf/kelvarin");
constexpr int pdfWaitMs = 120000; // cups-pdf runs Ghostscript per job; a busy machine is slow

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The PDF's text with every run of blanks and line ends made one blank, so a check does not
// depend on how the extractor spaces words.
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

QSet<QString> pdfsInFolder()
{
    QSet<QString> paths;
    for (const QFileInfo &file : QDir(pdfFolder).entryInfoList({"*.pdf"}, QDir::Files))
        paths.insert(file.absoluteFilePath());
    return paths;
}

// The installed question set, read line by line: the title, then seven lines a question.
Module1 installedQuestionSet()
{
    Module1 m;
    QFile file(QStringLiteral(KELVARIN_CONTENT_DIR) + "/multiple/Properties of Materials.txt");
    if (!file.open(QIODevice::ReadOnly))
        return m;
    QStringList lines;
    for (const QByteArray &line : file.readAll().split('\n'))
        lines << QString::fromLatin1(line).trimmed().replace('&', ',');
    if (lines.size() < 72)
        return m;
    m.CurrentSetTitle = lines[0];
    for (int n = 1; n <= 10; ++n) {
        const int first = 7 * n - 5;
        m.QuestionText[n] = lines[first];
        m.AnswerA[n] = lines[first + 1];
        m.AnswerB[n] = lines[first + 2];
        m.AnswerC[n] = lines[first + 3];
        m.AnswerD[n] = lines[first + 4];
    }
    return m;
}

class QuizPrintOnCups : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (QPrinterInfo::printerInfo(pdfQueue).isNull())
            GTEST_SKIP() << "no CUPS queue " << pdfQueue.toStdString()
                         << "; scripts/cups-queue.sh (as root) sets it up";
        m_oldPrinter = qgetenv("PRINTER");
        qputenv("PRINTER", pdfQueue.toLocal8Bit());
        ASSERT_EQ(QPrinterInfo::defaultPrinterName(), pdfQueue) << "CUPS ignored PRINTER";
        m_before = pdfsInFolder();
    }

    void TearDown() override
    {
        qputenv("PRINTER", m_oldPrinter);
        for (const QString &path : std::as_const(m_claimed))
            QFile::remove(path);
    }

    // The new PDF whose text holds the token, copied into the gallery under the given name.
    QString waitForPdfWith(const QString &token, const QString &galleryName)
    {
        const QDeadlineTimer deadline(pdfWaitMs);
        while (!deadline.hasExpired()) {
            for (const QString &path : pdfsInFolder() - m_before - m_claimed) {
                if (pdfWords(path).contains(token)) {
                    m_claimed.insert(path);
                    keepInGallery(path, galleryName);
                    return path;
                }
            }
            QThread::msleep(250);
        }
        ADD_FAILURE() << "no PDF with " << token.toStdString() << " in " << pdfFolder.toStdString();
        return {};
    }

    static void keepInGallery(const QString &path, const QString &name)
    {
        const QString gallery = QStringLiteral(KELVARIN_GALLERY_DIR);
        QDir().mkpath(gallery);
        QFile::remove(gallery + "/" + name + ".pdf");
        QFile::copy(path, gallery + "/" + name + ".pdf");
    }

    static QString token() { return QString::number(QCoreApplication::applicationPid()); }

    ScriptedMessageBoxes boxes;
    QByteArray m_oldPrinter;
    QSet<QString> m_before;
    QSet<QString> m_claimed;
};

} // namespace

TEST_F(QuizPrintOnCups, CertificateReachesTheQueueAsOnePage)
{
    const QString name = "Ada Quill " + token();
    {
        QtPrinter printer;
        printCertificate(printer, boxes, {"Kelvarin", name, 10, 10, 1500});
    }
    ASSERT_EQ(boxes.asked, QStringList{"Your certificate is now printing."});

    const QString pdf = waitForPdfWith(name, "certificate");
    ASSERT_FALSE(pdf.isEmpty());
    const QString words = pdfWords(pdf);
    EXPECT_TRUE(words.contains("You have scored 10 out of 10."));
    EXPECT_TRUE(words.contains("Excellent Work"));
    EXPECT_TRUE(words.contains("Well Done"));
    EXPECT_EQ(words.count("Kelvarin"), 2) << "product name and heading";
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(QuizPrintOnCups, WorksheetReachesTheQueueAsOnePageWithAllTenQuestions)
{
    const Module1 m = installedQuestionSet();
    ASSERT_FALSE(m.QuestionText[10].isEmpty()) << "the installed question set was not found";
    const QString title = m.CurrentSetTitle + " " + token();
    {
        QtPrinter printer;
        printWorksheet(printer, boxes, "Kelvarin", title, m);
    }
    ASSERT_EQ(boxes.asked, QStringList{"Your worksheet is now printing."});

    const QString pdf = waitForPdfWith(title, "worksheet");
    ASSERT_FALSE(pdf.isEmpty());
    const QString words = pdfWords(pdf);
    EXPECT_TRUE(words.contains("Orrowby Publishing Ltd"));
    for (int n = 1; n <= 10; ++n) {
        EXPECT_TRUE(words.contains(QString("Question %1 ").arg(n) + m.QuestionText[n].simplified()))
            << "question " << n;
        EXPECT_TRUE(words.contains("D. " + m.AnswerD[n].simplified())) << "question " << n;
    }
    EXPECT_EQ(pdfPages(pdf), 1);
}
