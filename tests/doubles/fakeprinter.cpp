// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/fakeprinter.h"

#include "files/errors.h"
#include "platform/picture.h"
#include "printing/printerfont.h"

#include <charconv>

QString FakePrinter::number(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, result.ptr - text);
}

QStringList FakePrinter::recordsWithoutQueries() const
{
    QStringList kept;
    for (const QString &record : m_records) {
        const QString operation = record.section(' ', 0, 0);
        if (operation != "ScaleWidth" && operation != "ScaleHeight" && operation != "TextWidth")
            kept << record;
    }
    return kept;
}

void FakePrinter::failOn(const QString &operation, int occurrence)
{
    m_failOperation = operation;
    m_failOccurrence = m_occurrences.value(operation) + occurrence;
}

bool FakePrinter::isChosenFailure(const QString &operation)
{
    ++m_position;
    const int occurrence = ++m_occurrences[operation];
    if (m_position == m_failPosition) {
        m_failPosition = 0;
        return true;
    }
    if (operation == m_failOperation && occurrence == m_failOccurrence) {
        m_failOperation.clear();
        return true;
    }
    return false;
}

void FakePrinter::perform(const QString &record)
{
    if (isChosenFailure(record.section(' ', 0, 0)))
        throw PrinterError(failureReason.toStdString());
    m_records << record;
    m_documentOpen = true;
}

void FakePrinter::setFontName(const QString &name)
{
    perform("FontName " + name);
    m_fontName = name;
}

void FakePrinter::setFontSize(float points)
{
    perform("FontSize " + number(points));
    m_fontSize = points;
}

void FakePrinter::setForeColor(const QColor &colour)
{
    perform("ForeColor " + colour.name());
}

void FakePrinter::setDrawWidth(int width)
{
    perform("DrawWidth " + QString::number(width));
}

void FakePrinter::setCurrentX(float twips)
{
    perform("CurrentX " + number(twips));
}

float FakePrinter::ScaleWidth()
{
    perform("ScaleWidth");
    return static_cast<float>(m_area.width());
}

float FakePrinter::ScaleHeight()
{
    perform("ScaleHeight");
    return static_cast<float>(m_area.height());
}

float FakePrinter::TextWidth(const QString &text)
{
    perform("TextWidth \"" + text + "\"");
    return printerTextWidth(printerFont(m_fontName, m_fontSize), text);
}

void FakePrinter::Print(const QString &item, PrintEnd end)
{
    perform("Print \"" + item + (end == PrintEnd::SameLine ? "\" ;" : "\""));
}

void FakePrinter::Print()
{
    perform("Print");
}

void FakePrinter::Line(float x1, float y1, float x2, float y2, const QColor &colour)
{
    perform(QStringList{"Line", number(x1), number(y1), number(x2), number(y2), colour.name()}.join(
        ' '));
}

void FakePrinter::PaintPicture(const Picture &picture, float x, float y)
{
    perform("PaintPicture " + number(x) + " " + number(y));
    m_pictures << picture;
}

void FakePrinter::NewPage()
{
    perform("NewPage");
}

void FakePrinter::EndDoc()
{
    perform("EndDoc");
    m_documentOpen = false;
    m_fontName = QStringLiteral("Times New Roman");
    m_fontSize = 12;
}

void FakePrinter::KillDoc() noexcept
{
    if (!m_documentOpen)
        return;
    m_records << QStringLiteral("KillDoc");
    m_documentOpen = false;
    m_fontName = QStringLiteral("Times New Roman");
    m_fontSize = 12;
}

QStringList FakePrinter::recordsBefore(const QStringList &run, const QString &operation,
                                       int occurrence)
{
    QStringList before;
    int seen = 0;
    for (const QString &record : run) {
        if (record.section(' ', 0, 0) == operation && ++seen == occurrence)
            break;
        before << record;
    }
    return before;
}
