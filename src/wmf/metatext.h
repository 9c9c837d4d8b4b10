// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metarecords.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>

class QPainter;
class QPaintDevice;

// Text as a metafile's device context draws it. Sizes and places here are in pixels of the
// painter's own device, so glyphs are laid out at the size they are printed or shown.

// The bytes of a text record as characters, read by the font's character set: Windows-1252 for
// the ANSI and default sets, the Symbol font's own encoding for Symbol, the private-use area for
// other symbol fonts (as Windows maps them), and the matching Windows code page for the others.
QString decodeMetaText(const QByteArray &bytes, int charset, const QString &face);

// The Qt font for a metafile font whose height (negative: the characters' own height; positive:
// the whole cell's) is heightPixels, and whose average character width is widthPixels (0: the
// face's own).
QFont metaQFont(const meta::Font &font, double heightPixels, double widthPixels,
                QPaintDevice *device);

struct MetaTextLook {
    QFont font;
    QColor colour;
    QColor background;
    bool opaqueBackground;
    int align; // TA_* flags
};

// Draws text with its reference point at origin (painter device pixels), the baseline turned
// counter-clockwise by angleDegrees, each character advanced by its entry in advances when there
// is one for every character. Returns the text's advance along the baseline.
double drawMetaText(QPainter &painter, QPointF origin, double angleDegrees, const QString &text,
                    const QList<double> &advances, const MetaTextLook &look);
