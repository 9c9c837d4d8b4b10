// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagesource.h"

#include <QFont>
#include <QList>
#include <functional>

// Setting a paragraph's words into lines: the type a paragraph is set in, its words (which may
// change weight part of the way through) and greedy line breaking. Sizes are twips.

constexpr qreal twipsPerPoint = 20;

// Arial at a size in points, as a pixel size in twips, so it measures the same on any device.
QFont pageFont(qreal points, bool bold = false, bool italic = false);
qreal advance(const QFont &font, const QString &text);

// The regular and bold cuts a paragraph is set in, with its line height.
struct Type {
    QFont regular, bold;
    qreal lineHeight = 0;
    const QFont &font(bool isBold) const { return isBold ? bold : regular; }
    // The baseline of a line whose top is `top`: the text sits in the middle of its line.
    qreal baseline(qreal top) const;
};
Type typeOf(qreal points, bool bold = false, bool italic = false);

// Words are what lines break between.
using Word = QList<TextRun>;
QList<Word> wordsOf(const QList<TextRun> &runs);

// A line's words joined into runs of one weight; the space between two words takes the weight
// of the text before it.
QList<TextRun> lineRuns(const QList<Word> &words);
qreal widthOf(const QList<Word> &words, const Type &type);

// Greedy line breaking; widthOfLine gives the room on each line by its number. A word too long
// for a whole line is split after as many characters as fit.
QList<QList<Word>> breakLines(QList<Word> words, const Type &type,
                              const std::function<qreal(int)> &widthOfLine);
