// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/classrecordprint.h"

#include "platform/messageboxes.h"
#include "printing/printer.h"
#include "printing/printerfont.h"
#include "printing/printrun.h"
#include "worksheets/recordview.h"

namespace
{

const QString fontName = QStringLiteral("Times New Roman");
constexpr float headingSize = 20;
constexpr float periodSize = 14;
constexpr float bodySize = 11;

// The printer has no position down the page to ask for, so the lines are counted here, in the
// same measure the printer moves by.
class Pages
{
public:
    Pages(Printer &printer, QString continued)
        : m_printer(printer), m_continued(std::move(continued))
    {
    }

    void setFontSize(float points)
    {
        m_printer.setFontName(fontName);
        m_printer.setFontSize(points);
        m_lineHeight = printerLineHeight(printerFont(fontName, points));
    }

    // Starts a new page unless this many lines still fit on this one.
    void keepTogether(int lines)
    {
        if (m_y + lines * m_lineHeight <= m_printer.ScaleHeight())
            return;
        m_printer.NewPage();
        m_y = 0;
        m_printer.Print(m_continued + ", page " + QString::number(++m_page));
        m_printer.Print();
        m_y += 2 * m_lineHeight;
    }

    void print(float x, const QString &text)
    {
        m_printer.setCurrentX(x);
        m_printer.Print(text);
        m_y += m_lineHeight;
    }

    void centred(const QString &text)
    {
        printCentred(m_printer, text);
        m_y += m_lineHeight;
    }

private:
    Printer &m_printer;
    QString m_continued;
    float m_lineHeight = 0;
    float m_y = 0;
    int m_page = 1;
};

QStringList pupilItems(const RecordGrid &grid, int row)
{
    QStringList items;
    for (int column = 0; column < grid.items.size(); ++column) {
        if (const auto &standing = grid.cells[row][column])
            items << kindCaption(standing->kind) + ": " + standing->title + "  " +
                         standingText(*standing);
    }
    return items;
}

// The items one after another, each kept whole on a line, as many lines as they take.
QStringList wrapItems(Printer &printer, const QStringList &items, float width)
{
    const QString gap = QStringLiteral(";   ");
    QStringList lines;
    QString line;
    for (const QString &item : items) {
        const QString longer = line.isEmpty() ? item : line + gap + item;
        if (!line.isEmpty() && printer.TextWidth(longer) > width) {
            lines << line + ';';
            line = item;
        } else {
            line = longer;
        }
    }
    lines << (line.isEmpty() ? QStringLiteral("nothing yet") : line);
    return lines;
}

void printPupils(Printer &printer, Pages &pages, const RecordGrid &grid)
{
    const float indent = printer.ScaleWidth() / 6;
    const float width = printer.ScaleWidth() - indent;
    for (int row = 0; row < grid.pupils.size(); ++row) {
        const QStringList lines = wrapItems(printer, pupilItems(grid, row), width);
        pages.keepTogether(int(lines.size()));
        printer.setCurrentX(0);
        printer.Print(grid.pupils[row], PrintEnd::SameLine);
        for (int n = 0; n < lines.size(); ++n)
            pages.print(indent, lines[n]);
    }
}

} // namespace

bool printClassRecord(Printer &printer, MessageBoxes &boxes, const QString &period,
                      const RecordGrid &grid)
{
    const bool sent = printRun(printer, boxes, [&] {
        Pages pages(printer, "Class Record, " + period);
        pages.setFontSize(headingSize);
        pages.centred(QStringLiteral("Class Record"));
        pages.setFontSize(periodSize);
        pages.centred(period);
        pages.centred(QString());
        pages.setFontSize(bodySize);
        printPupils(printer, pages, grid);
    });
    if (sent)
        boxes.show("The class record is now printing.", MsgButtons::Ok);
    return sent;
}
