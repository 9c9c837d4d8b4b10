// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// A page's SVG picture, drawn as vectors. Qt Svg turns every SVG text into glyph outlines, so the
// picture's <text> elements are taken out and drawn here as real text (with their position,
// transform, family, size, weight, style, fill and anchor, also from <tspan>s), and the rest is
// left to Qt Svg. Throws ContentError naming the file when it cannot be read.

// The size the SVG declares, in twips at one screen pixel (15 twips) to the SVG pixel.
QSizeF naturalPictureSize(const QString &svgPath);

// Draws the picture stretched over target (keep its aspect ratio to keep its shapes).
void drawPicture(QPainter &painter, const QString &svgPath, const QRectF &target);
