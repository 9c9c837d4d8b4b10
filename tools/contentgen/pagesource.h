// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One page's source (content/pages/<name>.page, format in content/pages/FORMAT.md), read into
// blocks. Reading checks the syntax only; whether the page fits is the layout's business.

struct PagePicture {
    QString file; // an .svg in the pages' pictures folder
    QString caption;
};

struct PageBlock {
    enum Kind { Title, Heading, Text, Bullet, Number, Picture, Pictures, Table, Note, Gap };
    Kind kind = Text;
    QString text;                // title, heading, text, bullet, number, note
    QList<PagePicture> pictures; // picture (one), pictures (a row)
    QList<QStringList> rows;     // table: the header row first
    int line = 0;                // where the block starts in the source
};

struct PageSource {
    QString name; // the page's file name without ".page"
    QList<PageBlock> blocks;
    std::optional<int> screenWidth; // twips, from the screen-width directive
};

// A run of text in one weight: `*bold words*` in a paragraph become bold runs.
struct TextRun {
    QString text;
    bool bold = false;
};
QList<TextRun> inlineRuns(const QString &text);

// Throws ContentError naming the file and line for anything the format does not allow.
PageSource parsePageSource(const QString &text, const QString &path);
PageSource readPageSource(const QString &path);
