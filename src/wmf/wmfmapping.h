// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPen>
#include <QPolygon>
#include <QPolygonF>
#include <QRectF>

// How Qt's pens, fonts, shapes and pictures map onto what a Windows metafile stores.

// The pen style word: line style, end caps and joins.
quint16 penStyleOf(const QPen &pen);

// The Windows name of a face: the players that show these files know Arial, not its stand-ins.
QString faceNameOf(const QFont &font);

// Whether clip polygons describe one axis-aligned rectangle, the only clip a metafile keeps.
bool isRectangle(const QList<QPolygonF> &polygons, const QRectF &bounds);

// Points rounded to whole units, without the repeats that rounding makes.
QPolygon withoutRepeats(const QPolygonF &points);

// Every pixel as its shade of grey (qGray, as the rest of the print copy).
QImage greyImage(const QImage &image);
