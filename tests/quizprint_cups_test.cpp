// SPDX-License-Identifier: GPL-3.0-or-later
// The certificate and the worksheet printed for real: through QtPrinter and CUPS to the cups-pdf
// queue that scripts/cups-queue.sh sets up, then read back from the PDF. Each PDF is also copied
// into the gallery folder, so anyone can look at the page.
#include "doubles/doubles.h"
#include "files/contentpath.h"
#include "printing/qtprinter.h"
#include "quiz/certificateprint.h"
#include "quiz/questionset.h"
#include "quiz/quizsession.h"
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

#include "cupspdf.h"

namespace
{

QuizSession installedQuestionSet()
{
    QuizSession m;
    loadQuestionSetFile(ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR)), m,
                        "multiple/Properties of Materials.txt");
    return m;
}

class QuizPrintOnCups : public CupsPdfTest
{
protected:
    // The new PDF whose text holds the token, also copied into the gallery under the name.
    QString waitForPdfWith(const QString &token, const QString &galleryName)
    {
        const QString path = CupsPdfTest::waitForPdfWith(token);
        const QString gallery = QStringLiteral(KELVARIN_GALLERY_DIR);
        QDir().mkpath(gallery);
        QFile::remove(gallery + "/" + galleryName + ".pdf");
        QFile::copy(path, gallery + "/" + galleryName + ".pdf");
        return path;
    }

    static QString token() { return QString::number(QCoreApplication::applicationPid()); }

    ScriptedMessageBoxes boxes;
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
    const QuizSession m = installedQuestionSet();
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
