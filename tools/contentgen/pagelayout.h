// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagesource.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <variant>

class QPainter;

// How one copy of a page looks: its size, type sizes and colours. Everything is in twips.
struct PageStyle {
    QSizeF page;
    bool paperPanel = false; // a rounded light panel under the whole page (the screen copy)
    qreal margin = 0;        // between the page's edge and its text, left and right
    qreal marginTop = 0;
    qreal marginBottom = 0;
    qreal bodyPoints = 12;
    qreal smallestBodyPoints = 10;
    QColor panel, text, title, heading, accent, noteFill, noteFrame, tableHead, tableRule;
};

PageStyle screenPageStyle(const PageSource &page);
PageStyle printPageStyle();

// What a laid-out page draws, in the order it draws it.
struct PageText {
    QPointF baseline;
    QFont font;
    QColor colour;
    QString text;
};
struct PageBox {
    QRectF rect;
    QColor fill;  // invalid for none
    QColor frame; // invalid for none
    qreal frameWidth = 0;
    qreal radius = 0;
};
struct PageDot {
    QRectF rect;
    QColor colour;
};
struct PageLine {
    QLineF line;
    QColor colour;
    qreal width = 0;
};
struct PageImage {
    QRectF rect;
    QString svgPath;
};
using PageItem = std::variant<PageText, PageBox, PageDot, PageLine, PageImage>;

struct LaidOutPage {
    QSizeF size;
    qreal bodyPoints = 0;
    qreal bottom = 0; // the lowest edge anything reaches
    QList<PageItem> items;
    bool fits() const { return bottom <= size.height(); }
};

// Lays the page out at the style's body size, shrinking the type half a point at a time down to
// the smallest allowed size until it fits; returns the last try, which may not fit. Throws
// ContentError naming the page if a picture is missing from `pictures`.
LaidOutPage shrinkToFit(const PageSource &page, const PageStyle &style, const QDir &pictures);

// The same, and throws ContentError naming the page if it never fits.
LaidOutPage layOutPage(const PageSource &page, const PageStyle &style, const QDir &pictures);

// Draws the laid-out page on a painter whose coordinates are twips.
void paintPage(QPainter &painter, const LaidOutPage &page);
