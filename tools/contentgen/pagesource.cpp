// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagesource.h"

#include "contenterror.h"
#include "files/codepage.h"

#include <QFileInfo>
#include <QHash>

namespace
{

const int widestScreenPage = 10400;

const QHash<QString, PageBlock::Kind> blockKinds = {
    {"title", PageBlock::Title},       {"heading", PageBlock::Heading},
    {"text", PageBlock::Text},         {"bullet", PageBlock::Bullet},
    {"number", PageBlock::Number},     {"picture", PageBlock::Picture},
    {"pictures", PageBlock::Pictures}, {"table", PageBlock::Table},
    {"note", PageBlock::Note},         {"gap", PageBlock::Gap},
};

class LineError
{
public:
    LineError(const QString &path, int line) : m_where(path + ":" + QString::number(line) + ": ") {}
    [[noreturn]] void operator()(const QString &message) const
    {
        throw ContentError(m_where + message);
    }

private:
    QString m_where;
};

PagePicture pictureOf(const QString &spec, const LineError &fail)
{
    const qsizetype bar = spec.indexOf('|');
    PagePicture picture{spec.left(bar).trimmed(),
                        bar < 0 ? QString() : spec.mid(bar + 1).trimmed()};
    if (!picture.file.endsWith(".svg", Qt::CaseInsensitive))
        fail("a picture must be an .svg file, not \"" + picture.file + "\"");
    return picture;
}

void checkInline(const QString &text, const LineError &fail)
{
    if (text.count('*') % 2)
        fail("a *bold* mark is not closed");
}

int screenWidthOf(const QString &value, const LineError &fail)
{
    bool ok = false;
    const int width = value.toInt(&ok);
    if (!ok || width < 2000 || width > widestScreenPage)
        fail("screen-width must be a number of twips from 2000 to 10400");
    return width;
}

// Adds a block, or a row to the table the previous line started.
void addBlock(PageSource &page, PageBlock::Kind kind, const QString &value, int line,
              const LineError &fail)
{
    const bool needsText = kind != PageBlock::Gap;
    if (needsText && value.isEmpty())
        fail("this block needs some text after its colon");
    if (kind == PageBlock::Gap && !value.isEmpty())
        fail("gap: takes nothing after its colon");
    if (kind == PageBlock::Title && !page.blocks.isEmpty())
        fail("the title must be the page's first block, and there is only one");

    PageBlock block{kind, {}, {}, {}, line};
    switch (kind) {
    case PageBlock::Picture:
        block.pictures = {pictureOf(value, fail)};
        break;
    case PageBlock::Pictures:
        for (const QString &spec : value.split(';'))
            block.pictures.append(pictureOf(spec, fail));
        break;
    case PageBlock::Table: {
        QStringList cells;
        for (const QString &cell : value.split('|')) {
            checkInline(cell, fail);
            cells.append(cell.trimmed());
        }
        const bool continues =
            !page.blocks.isEmpty() && page.blocks.last().kind == PageBlock::Table;
        if (continues && page.blocks.last().rows.first().size() != cells.size())
            fail("this table row has a different number of cells from the header row");
        if (continues) {
            page.blocks.last().rows.append(cells);
            return;
        }
        block.rows = {cells};
        break;
    }
    default:
        checkInline(value, fail);
        block.text = value;
    }
    page.blocks.append(block);
}

} // namespace

QList<TextRun> inlineRuns(const QString &text)
{
    QList<TextRun> runs;
    const QStringList parts = text.split('*');
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (!parts[i].isEmpty())
            runs.append({parts[i], i % 2 == 1});
    return runs;
}

PageSource parsePageSource(const QString &text, const QString &path)
{
    PageSource page;
    page.name = QFileInfo(path).completeBaseName();
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = int(i + 1);
        const LineError fail(path, lineNumber);
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!isWindows1252Encodable(line))
            fail("holds a character that Windows-1252 lacks, which page text cannot use");
        const qsizetype colon = line.indexOf(':');
        const QString keyword = line.left(colon).trimmed().toLower();
        const QString value = line.mid(colon + 1).trimmed();
        if (colon < 0)
            fail("a line must start with a block name and a colon, such as \"text:\"");
        if (keyword == "screen-width")
            page.screenWidth = screenWidthOf(value, fail);
        else if (blockKinds.contains(keyword))
            addBlock(page, blockKinds.value(keyword), value, lineNumber, fail);
        else
            fail("unknown block \"" + line.left(colon) + "\"");
    }
    if (page.blocks.isEmpty() || page.blocks.first().kind != PageBlock::Title)
        throw ContentError(path + ": a page must start with its title: line");
    return page;
}

PageSource readPageSource(const QString &path)
{
    QString text = readSourceText(path);
    text.replace("\r\n", "\n");
    return parsePageSource(text, path);
}
