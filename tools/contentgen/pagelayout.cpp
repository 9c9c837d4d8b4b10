// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagelayout.h"

#include "contenterror.h"
#include "pagepicture.h"
#include "pagetext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <functional>

namespace
{

class Layouter
{
public:
    Layouter(const PageSource &page, const PageStyle &style, const QDir &pictures, qreal body)
        : m_page(page), m_style(style), m_pictures(pictures), m_body(body),
          m_scale(body / style.bodyPoints), m_text(typeOf(body)),
          m_heading(typeOf(body * 1.25, true)), m_title(typeOf(body * 1.7, true)),
          m_caption(typeOf(body * 0.85, false, true)), m_left(style.margin),
          m_right(style.page.width() - style.margin), m_y(style.marginTop)
    {
    }

    LaidOutPage run()
    {
        LaidOutPage out;
        out.size = m_style.page;
        out.bodyPoints = m_body;
        if (m_style.paperPanel)
            m_items.append(PageBox{QRectF(QPointF(0, 0), m_style.page), m_style.panel, {}, 0, 240});
        int number = 0;
        for (const PageBlock &block : m_page.blocks) {
            number = block.kind == PageBlock::Number ? number + 1 : 0;
            place(block, number);
            m_previous = block.kind;
        }
        out.bottom = std::max(m_y, m_floatBottom) + m_style.marginBottom;
        out.items = m_items;
        return out;
    }

private:
    qreal em() const { return m_body * twipsPerPoint; }

    void place(const PageBlock &block, int number)
    {
        switch (block.kind) {
        case PageBlock::Title:
            return placeTitle(block.text);
        case PageBlock::Heading:
            m_y += m_previous == PageBlock::Title ? 0 : 0.8 * em();
            m_y = paragraph(inlineRuns(block.text), m_heading, m_left, m_style.heading);
            m_y += 0.15 * em();
            return;
        case PageBlock::Text:
            spaceBefore(block.kind);
            m_y = paragraph(inlineRuns(block.text), m_text, m_left, m_style.text);
            return;
        case PageBlock::Bullet:
        case PageBlock::Number:
            spaceBefore(block.kind);
            return placeListItem(block, number);
        case PageBlock::Note:
            spaceBefore(block.kind);
            return placeNote(block.text);
        case PageBlock::Picture:
            spaceBefore(block.kind);
            return placeFloat(block.pictures.first());
        case PageBlock::Pictures:
            clearFloat();
            spaceBefore(block.kind);
            return placeRow(block.pictures);
        case PageBlock::Table:
            clearFloat();
            spaceBefore(block.kind);
            return placeTable(block.rows);
        case PageBlock::Gap:
            m_y += 1.0 * em();
            return;
        }
    }

    void spaceBefore(PageBlock::Kind kind)
    {
        const bool listGoesOn =
            (kind == PageBlock::Bullet || kind == PageBlock::Number) && m_previous == kind;
        const bool afterHeading =
            m_previous == PageBlock::Heading || m_previous == PageBlock::Title;
        if (!afterHeading)
            m_y += (listGoesOn ? 0.2 : 0.45) * em();
    }

    void clearFloat()
    {
        m_y = std::max(m_y, m_floatBottom);
        m_floatBottom = 0;
    }

    // The room for a line at height `top` starting at x: narrower beside a floating picture.
    qreal roomAt(qreal x, qreal top) const
    {
        return (top < m_floatBottom ? m_floatLeft : m_right) - x;
    }

    // Sets a paragraph from x to the column's right edge, top at m_y; returns its bottom.
    qreal paragraph(const QList<TextRun> &runs, const Type &type, qreal x, const QColor &colour)
    {
        const qreal top = m_y;
        const auto lines = breakLines(wordsOf(runs), type,
                                      [&](int i) { return roomAt(x, top + i * type.lineHeight); });
        setLines(lines, type, x, top, colour, Qt::AlignLeft, 0);
        return top + lines.size() * type.lineHeight;
    }

    void setLines(const QList<QList<Word>> &lines, const Type &type, qreal x, qreal top,
                  const QColor &colour, Qt::Alignment align, qreal width)
    {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const qreal baseline = type.baseline(top + i * type.lineHeight);
            qreal at = x;
            if (align == Qt::AlignHCenter)
                at += (width - widthOf(lines[i], type)) / 2;
            for (const TextRun &run : lineRuns(lines[i])) {
                const QFont &font = type.font(run.bold);
                m_items.append(PageText{{at, baseline}, font, colour, run.text});
                at += advance(font, run.text);
            }
        }
    }

    void placeTitle(const QString &text)
    {
        m_y = paragraph(inlineRuns(text), m_title, m_left, m_style.title);
        const qreal ruleY = m_y + 0.2 * em();
        const qreal ruleWidth = 0.16 * em();
        m_items.append(PageLine{QLineF(m_left, ruleY, m_right, ruleY), m_style.accent, ruleWidth});
        m_y = ruleY + 0.6 * em();
    }

    void placeListItem(const PageBlock &block, int number)
    {
        const qreal indent = 1.5 * em();
        const qreal firstBaseline = m_text.baseline(m_y);
        if (block.kind == PageBlock::Bullet) {
            const qreal d = 0.34 * em();
            const QPointF centre(m_left + 0.6 * em(), firstBaseline - 0.33 * em());
            m_items.append(
                PageDot{QRectF(centre - QPointF(d / 2, d / 2), QSizeF(d, d)), m_style.accent});
        } else {
            const QString label = QString::number(number) + ".";
            const qreal width = advance(m_text.bold, label);
            m_items.append(PageText{{m_left + indent - 0.4 * em() - width, firstBaseline},
                                    m_text.bold,
                                    m_style.heading,
                                    label});
        }
        m_y = paragraph(inlineRuns(block.text), m_text, m_left + indent, m_style.text);
    }

    void placeNote(const QString &text)
    {
        const qreal pad = 0.6 * em();
        const qreal top = m_y;
        const qreal right = top < m_floatBottom ? m_floatLeft : m_right;
        const qsizetype boxAt = m_items.size();
        const qreal savedRight = m_right, savedFloat = m_floatBottom;
        m_right = right - pad; // the whole box keeps the width it starts with
        m_floatBottom = 0;
        m_y = top + pad;
        m_y = paragraph(inlineRuns(text), m_text, m_left + pad, m_style.text) + pad;
        m_right = savedRight;
        m_floatBottom = savedFloat;
        const QRectF box(QPointF(m_left, top), QPointF(right, m_y));
        m_items.insert(boxAt,
                       PageBox{box, m_style.noteFill, m_style.noteFrame, 0.1 * em(), 0.4 * em()});
    }

    QSizeF pictureSize(const PagePicture &picture, QSizeF most) const
    {
        const QSizeF natural = naturalPictureSize(m_pictures.filePath(picture.file)) * m_scale;
        return natural.scaled(natural.boundedTo(most), Qt::KeepAspectRatio);
    }

    // A caption's lines, centred under a picture of the given width; returns their height.
    qreal caption(const QString &text, qreal x, qreal top, qreal width)
    {
        if (text.isEmpty())
            return 0;
        const auto lines =
            breakLines(wordsOf(inlineRuns(text)), m_caption, [width](int) { return width; });
        setLines(lines, m_caption, x, top, m_style.text, Qt::AlignHCenter, width);
        return lines.size() * m_caption.lineHeight;
    }

    void placeFloat(const PagePicture &picture)
    {
        clearFloat();
        const qreal column = m_right - m_left;
        const qreal tallest = (m_style.page.height() - m_style.marginTop) * 0.5;
        const QSizeF size = pictureSize(picture, QSizeF(column * 0.45, tallest));
        const qreal captionWidth = std::max(size.width(), column * 0.25);
        const qreal x = m_right - captionWidth;
        m_items.append(PageImage{QRectF(QPointF(x + (captionWidth - size.width()) / 2, m_y), size),
                                 m_pictures.filePath(picture.file)});
        const qreal captionHeight =
            caption(picture.caption, x, m_y + size.height() + 0.2 * em(), captionWidth);
        m_floatBottom = m_y + size.height() + 0.2 * em() + captionHeight + 0.3 * em();
        m_floatLeft = x - 0.8 * em();
    }

    void placeRow(const QList<PagePicture> &pictures)
    {
        const qreal gap = 0.8 * em();
        const qreal n = pictures.size();
        const qreal cell = (m_right - m_left - (n - 1) * gap) / n;
        const qreal tallest = (m_style.page.height() - m_style.marginTop) * 0.35;
        QList<QSizeF> sizes;
        qreal rowHeight = 0;
        for (const PagePicture &picture : pictures) {
            sizes.append(pictureSize(picture, QSizeF(cell, tallest)));
            rowHeight = std::max(rowHeight, sizes.last().height());
        }
        qreal captionsHeight = 0;
        for (qsizetype i = 0; i < pictures.size(); ++i) {
            const qreal x = m_left + i * (cell + gap);
            const QPointF at(x + (cell - sizes[i].width()) / 2,
                             m_y + (rowHeight - sizes[i].height()) / 2);
            m_items.append(PageImage{QRectF(at, sizes[i]), m_pictures.filePath(pictures[i].file)});
            captionsHeight = std::max(captionsHeight, caption(pictures[i].caption, x,
                                                              m_y + rowHeight + 0.2 * em(), cell));
        }
        m_y += rowHeight + 0.2 * em() + captionsHeight;
    }

    // Columns share the width by the length of their longest cell.
    QList<qreal> columnWidths(const QList<QStringList> &rows) const
    {
        QList<qreal> longest(rows.first().size(), 0);
        for (const QStringList &row : rows)
            for (qsizetype c = 0; c < row.size(); ++c)
                longest[c] =
                    std::max(longest[c], widthOf(wordsOf(inlineRuns(row[c])), m_text) + em());
        qreal total = 0;
        for (qreal w : longest)
            total += w;
        for (qreal &w : longest)
            w *= (m_right - m_left) / total;
        return longest;
    }

    void placeTable(const QList<QStringList> &rows)
    {
        const qreal pad = 0.4 * em();
        const QList<qreal> widths = columnWidths(rows);
        const qreal top = m_y;
        QList<qreal> rowEdges{top};
        const qsizetype boxesAt = m_items.size();
        for (qsizetype r = 0; r < rows.size(); ++r) {
            qreal x = m_left, bottom = m_y;
            for (qsizetype c = 0; c < rows[r].size(); ++c) {
                QList<TextRun> runs = inlineRuns(rows[r][c]);
                for (TextRun &run : runs)
                    run.bold = run.bold || r == 0;
                const qreal savedRight = m_right;
                m_right = x + widths[c] - pad;
                const qreal y = m_y;
                m_y += pad / 2;
                bottom = std::max(bottom, paragraph(runs, m_text, x + pad, m_style.text));
                m_y = y;
                m_right = savedRight;
                x += widths[c];
            }
            m_y = bottom + pad / 2;
            rowEdges.append(m_y);
        }
        const qreal rule = 0.05 * em();
        m_items.insert(boxesAt, PageBox{QRectF(QPointF(m_left, top), QPointF(m_right, rowEdges[1])),
                                        m_style.tableHead,
                                        {},
                                        0,
                                        0});
        for (qreal y : rowEdges)
            m_items.append(PageLine{QLineF(m_left, y, m_right, y), m_style.tableRule, rule});
        qreal x = m_left;
        for (qsizetype c = 0; c <= widths.size(); ++c) {
            m_items.append(PageLine{QLineF(x, top, x, m_y), m_style.tableRule, rule});
            x += c < widths.size() ? widths[c] : 0;
        }
    }

    const PageSource &m_page;
    const PageStyle &m_style;
    const QDir &m_pictures;
    const qreal m_body, m_scale;
    const Type m_text, m_heading, m_title, m_caption;
    const qreal m_left;
    qreal m_right;
    qreal m_y;
    qreal m_floatBottom = 0, m_floatLeft = 0;
    PageBlock::Kind m_previous = PageBlock::Title;
    QList<PageItem> m_items;
};

} // namespace

PageStyle screenPageStyle(const PageSource &page)
{
    PageStyle style;
    style.page = QSizeF(page.screenWidth.value_or(10400), 7800);
    style.paperPanel = true;
    style.margin = 420;
    style.marginTop = 240;
    style.marginBottom = 240;
    style.bodyPoints = 14;
    style.panel = QColor(255, 252, 240);
    style.text = QColor(28, 28, 40);
    style.title = QColor(0, 58, 120);
    style.heading = QColor(0, 78, 152);
    style.accent = QColor(230, 140, 20);
    style.noteFill = QColor(255, 240, 190);
    style.noteFrame = QColor(220, 160, 40);
    style.tableHead = QColor(214, 228, 246);
    style.tableRule = QColor(110, 130, 165);
    return style;
}

PageStyle printPageStyle()
{
    PageStyle style;
    style.page = QSizeF(9900, 14800);
    style.bodyPoints = 12;
    style.text = style.title = style.heading = Qt::black;
    style.accent = QColor(90, 90, 90);
    style.noteFill = Qt::white;
    style.noteFrame = Qt::black;
    style.tableHead = QColor(225, 225, 225);
    style.tableRule = QColor(60, 60, 60);
    return style;
}

LaidOutPage shrinkToFit(const PageSource &page, const PageStyle &style, const QDir &pictures)
{
    for (const PageBlock &block : page.blocks)
        for (const PagePicture &picture : block.pictures)
            if (!QFileInfo(pictures.filePath(picture.file)).isFile())
                throw ContentError(page.name + ".page:" + QString::number(block.line) +
                                   ": the picture " + picture.file + " is not in " +
                                   pictures.path());
    const qreal step = 0.5;
    LaidOutPage laidOut;
    for (qreal body = style.bodyPoints; body >= style.smallestBodyPoints; body -= step) {
        laidOut = Layouter(page, style, pictures, body).run();
        if (laidOut.fits())
            break;
    }
    return laidOut;
}

LaidOutPage layOutPage(const PageSource &page, const PageStyle &style, const QDir &pictures)
{
    const LaidOutPage laidOut = shrinkToFit(page, style, pictures);
    if (!laidOut.fits())
        throw ContentError(QStringLiteral("%1.page: does not fit on its %2 x %3 twips page even "
                                          "with %4 pt text (it needs %5 twips of height); "
                                          "shorten it or split it across pages")
                               .arg(page.name)
                               .arg(style.page.width())
                               .arg(style.page.height())
                               .arg(laidOut.bodyPoints)
                               .arg(qRound(laidOut.bottom)));
    return laidOut;
}

void paintPage(QPainter &painter, const LaidOutPage &page)
{
    painter.save();
    for (const PageItem &item : page.items) {
        if (const auto *text = std::get_if<PageText>(&item)) {
            painter.setFont(text->font);
            painter.setPen(text->colour);
            painter.drawText(text->baseline, text->text);
        } else if (const auto *box = std::get_if<PageBox>(&item)) {
            painter.setPen(box->frame.isValid() ? QPen(box->frame, box->frameWidth) : Qt::NoPen);
            painter.setBrush(box->fill.isValid() ? QBrush(box->fill) : Qt::NoBrush);
            if (box->radius > 0)
                painter.drawRoundedRect(box->rect, box->radius, box->radius);
            else
                painter.drawRect(box->rect);
        } else if (const auto *dot = std::get_if<PageDot>(&item)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(dot->colour);
            painter.drawEllipse(dot->rect);
        } else if (const auto *line = std::get_if<PageLine>(&item)) {
            painter.setPen(QPen(line->colour, line->width, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(line->line);
        } else if (const auto *image = std::get_if<PageImage>(&item)) {
            drawPicture(painter, image->svgPath, image->rect);
        }
    }
    painter.restore();
}
