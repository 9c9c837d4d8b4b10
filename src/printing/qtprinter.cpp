// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/qtprinter.h"

#include "files/errors.h"
#include "platform/picture.h"
#include "platform/units.h"
#include "printing/printerfont.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <algorithm>

namespace
{

const QString defaultFontName = QStringLiteral("Times New Roman");
constexpr float defaultFontSize = 12;
// How long the interface may wait on the print system, for the default printer and again for
// the hand-over: a healthy one answers both in well under a second.
constexpr std::chrono::milliseconds printSystemWait{5000};

// lp's complaint without the program's name in front ("/usr/bin/lp: "), to follow "refused the
// job: ".
QString lpComplaint(QProcess &lp)
{
    QString complaint = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
    complaint.remove(QRegularExpression("^\\S*lp: "));
    return complaint.isEmpty() ? QStringLiteral("lp gave no reason.") : complaint;
}

// Submits the finished PDF to the CUPS queue. lp returns once the scheduler holds a copy of the
// file, so the caller never waits for the paper and the file may go right after.
void handToQueue(const PrintDestination &destination, const QString &path)
{
    QProcess lp;
    QStringList arguments{"-d", destination.name, "-t", "Kelvarin"};
    const QString media = destination.page.pageSize().key();
    if (!media.isEmpty())
        arguments << "-o"
                  << "media=" + media;
    lp.start(QStringLiteral("lp"), arguments << path);
    if (!lp.waitForStarted())
        throw PrinterError("The printing command lp could not be started.");
    if (!lp.waitForFinished(static_cast<int>(printSystemWait.count()))) {
        lp.kill();
        lp.waitForFinished();
        throw PrinterError("The print system does not answer.");
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
        throw PrinterError("The printer queue refused the job: " + lpComplaint(lp).toStdString());
}

} // namespace

struct QtPrinter::Document {
    explicit Document(const PrintDestination &chosen)
        : file(QDir::tempPath() + "/kelvarin-print-XXXXXX.pdf"), writer(&file), destination(chosen)
    {
    }

    // Member order matters: the painter must finish before the writer and the file go.
    QTemporaryFile file;
    QPdfWriter writer;
    QPainter painter;
    PrintDestination destination;
    QSizeF area; // the printable area in twips
};

QtPrinter::QtPrinter() = default;
QtPrinter::~QtPrinter() = default;

QtPrinter::Document &QtPrinter::document()
{
    if (!m_document)
        startDocument();
    return *m_document;
}

void QtPrinter::startDocument()
{
    auto doc = std::make_unique<Document>(m_lookup.defaultDestination(printSystemWait));
    if (!doc->file.open())
        throw PrinterError("The document could not be written to a temporary file: " +
                           doc->file.errorString().toStdString());
    // Written as PDF without the print system's help, on the printer's own page; only the
    // finished file goes to the queue.
    doc->writer.setPageLayout(doc->destination.page);
    doc->writer.setResolution(1200);
    doc->writer.setTitle("Kelvarin");
    doc->writer.setCreator("Kelvarin");
    if (!doc->painter.begin(&doc->writer))
        throw PrinterError("The document could not be started.");

    const double deviceUnitsPerTwip = doc->writer.resolution() / 1440.0;
    doc->painter.scale(deviceUnitsPerTwip, deviceUnitsPerTwip);
    const QRectF points = doc->destination.page.paintRect(QPageLayout::Point);
    doc->area = points.size() * TwipsPerPoint;
    // Text and lines are cut at the edges of the printable area, never wrapped.
    doc->painter.setClipRect(QRectF(QPointF(0, 0), doc->area));
    doc->painter.setRenderHint(QPainter::Antialiasing);
    m_document = std::move(doc);

    m_fontName = defaultFontName;
    m_fontSize = defaultFontSize;
    m_foreColor = Qt::black;
    m_drawWidth = 1;
    m_x = 0;
    m_y = 0;
    applyFont();
}

void QtPrinter::applyFont()
{
    m_font = printerFont(m_fontName, m_fontSize);
    m_document->painter.setFont(m_font);
}

void QtPrinter::setFontName(const QString &name)
{
    document();
    m_fontName = name;
    applyFont();
}

void QtPrinter::setFontSize(float points)
{
    document();
    m_fontSize = points;
    applyFont();
}

void QtPrinter::setForeColor(const QColor &colour)
{
    document();
    m_foreColor = colour;
}

void QtPrinter::setDrawWidth(int width)
{
    document();
    m_drawWidth = std::max(1, width);
}

void QtPrinter::setCurrentX(float twips)
{
    document();
    m_x = twips;
}

float QtPrinter::ScaleWidth()
{
    return static_cast<float>(document().area.width());
}

float QtPrinter::ScaleHeight()
{
    return static_cast<float>(document().area.height());
}

float QtPrinter::TextWidth(const QString &text)
{
    document();
    return printerTextWidth(m_font, text);
}

void QtPrinter::Print(const QString &item, PrintEnd end)
{
    QPainter &painter = document().painter;
    painter.setPen(m_foreColor);
    const float ascent = static_cast<float>(QFontMetricsF(m_font).ascent());
    painter.drawText(QPointF(m_x, m_y + ascent), item);
    if (end == PrintEnd::NewLine)
        newLine();
    else
        m_x += printerTextWidth(m_font, item);
}

void QtPrinter::Print()
{
    document();
    newLine();
}

void QtPrinter::newLine()
{
    m_x = 0;
    m_y += printerLineHeight(m_font);
}

void QtPrinter::Line(float x1, float y1, float x2, float y2, const QColor &colour)
{
    QPainter &painter = document().painter;
    painter.setPen(QPen(colour, m_drawWidth * TwipsPerPixel, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtPrinter::PaintPicture(const Picture &picture, float x, float y)
{
    picture.draw(document().painter, QRectF(QPointF(x, y), picture.sizeTwips()));
}

void QtPrinter::NewPage()
{
    if (!document().writer.newPage())
        throw PrinterError("A new page could not be started.");
    m_x = 0;
    m_y = 0;
}

void QtPrinter::EndDoc()
{
    document();
    // Taken out first, so the document is gone whether or not the hand-over works.
    const std::unique_ptr<Document> doc = std::move(m_document);
    if (!doc->painter.end() || !doc->file.flush())
        throw PrinterError("The document could not be finished.");
    handToQueue(doc->destination, doc->file.fileName());
}

void QtPrinter::KillDoc() noexcept
{
    // The painter finishes into the private file, which goes with it: nothing reaches the queue.
    m_document.reset();
}
