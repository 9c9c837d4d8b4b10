#include "platform/qtprinter.h"

#include "platform/errors.h"
#include "platform/picture.h"
#include "platform/printerfont.h"
#include "platform/units.h"

#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <algorithm>

namespace
{

const QString defaultFontName = QStringLiteral("Times New Roman");
constexpr float defaultFontSize = 12;
constexpr int lpTimeoutMs = 30000;

// Submits the finished PDF to the CUPS queue. lp returns once the scheduler holds a copy of the
// file, so the caller never waits for the paper and the file may go right after.
void handToQueue(const QString &destination, const QString &media, const QString &path)
{
    QProcess lp;
    QStringList arguments{"-d", destination, "-t", "Kelvarin"};
    if (!media.isEmpty())
        arguments << "-o"
                  << "media=" + media;
    lp.start(QStringLiteral("lp"), arguments << path);
    if (!lp.waitForStarted())
        throw PrinterError("cannot run lp to reach the print queue");
    if (!lp.waitForFinished(lpTimeoutMs)) {
        lp.kill();
        lp.waitForFinished();
        throw PrinterError("the print queue did not answer");
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
        throw PrinterError(
            "the print queue refused the document: " +
            QString::fromLocal8Bit(lp.readAllStandardError()).trimmed().toStdString());
}

} // namespace

struct QtPrinter::Document {
    explicit Document(const QPrinterInfo &info)
        : file(QDir::tempPath() + "/kelvarin-print-XXXXXX"),
          printer(info, QPrinter::HighResolution), destination(info.printerName())
    {
    }

    // Member order matters: the painter must finish before the printer and the file go.
    QTemporaryFile file;
    QPrinter printer;
    QPainter painter;
    QString destination;
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
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw PrinterError("there is no default printer");
    auto doc = std::make_unique<Document>(info);
    if (!doc->file.open())
        throw PrinterError("cannot create a file for the document");
    // A name without ".pdf" keeps Qt's CUPS engine, with the printer's page, writing to the file.
    doc->printer.setOutputFileName(doc->file.fileName());
    doc->printer.setDocName("Kelvarin");
    if (!doc->painter.begin(&doc->printer))
        throw PrinterError("the printer would not start a document");

    const double deviceUnitsPerTwip = doc->printer.resolution() / 1440.0;
    doc->painter.scale(deviceUnitsPerTwip, deviceUnitsPerTwip);
    const QRectF points = doc->printer.pageRect(QPrinter::Point);
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
    m_y += static_cast<float>(QFontMetricsF(m_font).lineSpacing());
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

void QtPrinter::EndDoc()
{
    document();
    // Taken out first, so the document is gone whether or not the hand-over works.
    const std::unique_ptr<Document> doc = std::move(m_document);
    const QString media = doc->printer.pageLayout().pageSize().key();
    if (!doc->painter.end())
        throw PrinterError("the printer could not finish the document");
    handToQueue(doc->destination, media, doc->file.fileName());
}
