// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagetext.h"

#include <QFontMetricsF>

namespace
{

// Splits a word too long for any line after as many characters as fit.
std::pair<Word, Word> splitWord(const Word &word, const Type &type, qreal width)
{
    Word head, tail;
    bool full = false;
    for (const TextRun &piece : word) {
        for (QChar c : piece.text) {
            Word tried = head;
            if (tried.isEmpty() || tried.last().bold != piece.bold)
                tried.append({QString(), piece.bold});
            tried.last().text += c;
            full = full || (widthOf({tried}, type) > width && !head.isEmpty());
            Word &into = full ? tail : head;
            if (into.isEmpty() || into.last().bold != piece.bold)
                into.append({QString(), piece.bold});
            into.last().text += c;
        }
    }
    return {head, tail};
}

} // namespace

QFont pageFont(qreal points, bool bold, bool italic)
{
    QFont font("Arial");
    font.setPixelSize(qRound(points * twipsPerPoint));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

qreal advance(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

qreal Type::baseline(qreal top) const
{
    const QFontMetricsF metrics(regular);
    return top + (lineHeight - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
}

Type typeOf(qreal points, bool bold, bool italic)
{
    return {pageFont(points, bold, italic), pageFont(points, true, italic),
            points * twipsPerPoint * 1.28};
}

QList<Word> wordsOf(const QList<TextRun> &runs)
{
    QList<Word> words;
    bool atBoundary = true;
    for (const TextRun &run : runs) {
        QString piece;
        auto flush = [&] {
            if (!piece.isEmpty())
                words.last().append({piece, run.bold});
            piece.clear();
        };
        for (QChar c : run.text) {
            if (c.isSpace()) {
                flush();
                atBoundary = true;
                continue;
            }
            if (atBoundary)
                words.append(Word());
            atBoundary = false;
            piece += c;
        }
        flush();
    }
    return words;
}

QList<TextRun> lineRuns(const QList<Word> &words)
{
    QList<TextRun> runs;
    auto add = [&runs](const TextRun &run) {
        if (!runs.isEmpty() && runs.last().bold == run.bold)
            runs.last().text += run.text;
        else
            runs.append(run);
    };
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            add({" ", words[i - 1].last().bold});
        for (const TextRun &piece : words[i])
            add(piece);
    }
    return runs;
}

qreal widthOf(const QList<Word> &words, const Type &type)
{
    qreal width = 0;
    for (const TextRun &run : lineRuns(words))
        width += advance(type.font(run.bold), run.text);
    return width;
}

QList<QList<Word>> breakLines(QList<Word> words, const Type &type,
                              const std::function<qreal(int)> &widthOfLine)
{
    QList<QList<Word>> lines;
    QList<Word> line;
    while (!words.isEmpty()) {
        const qreal room = widthOfLine(int(lines.size()));
        QList<Word> tried = line;
        tried.append(words.first());
        if (widthOf(tried, type) <= room) {
            line = tried;
            words.removeFirst();
        } else if (!line.isEmpty()) {
            lines.append(line);
            line.clear();
        } else {
            const auto [head, tail] = splitWord(words.first(), type, room);
            lines.append({head});
            words.first() = tail;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}
