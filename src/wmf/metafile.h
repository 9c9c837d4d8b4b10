// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metaerrors.h"

#include <QByteArray>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>

class QPainter;
struct MetaDocument;

// The most bytes a metafile may hold. The largest page the program has, or a drawing program
// writes, is some tens of kilobytes; held in memory a file takes a few times its size, bitmaps up
// to eight.
inline constexpr qsizetype maxMetafileBytes = 4 * 1024 * 1024;

// A Windows metafile (with or without the placeable header), read from its bytes into memory and
// checked in full while it loads, so that playing it can never read outside the file. Playing draws
// the records onto any QPainter as vectors: on a printer text stays text and lines stay lines.
// It does not play enhanced metafiles (EMF); MetafileDevice writes metafiles.
//
// Copies are cheap and share the loaded records.
class Metafile
{
public:
    Metafile() = default;

    // Reads and checks a metafile's bytes; name stands for them in the log. Throws MetaDamage with
    // the reason when they cannot be read as a metafile, and MetaTooComplex with the reason when
    // drawing them would cost far more time or memory than a page may.
    static Metafile fromBytes(const QByteArray &bytes, const QString &name);

    bool isNull() const { return !m_document; }

    // The picture's own size in twips: the placeable header's bounding box at its units per inch.
    // Without that header the file is taken as drawn on a 96 dots-per-inch screen: the size is the
    // window the records set up before they first draw (in an anisotropic or isotropic mapping,
    // through its viewport, or at a twip a unit when they set none), or else the bounds of all
    // they draw.
    QSizeF sizeTwips() const;

    // Draws the picture so that its frame fills the target rectangle (in the painter's units).
    void play(QPainter &painter, const QRectF &target) const;

    // The words the picture shows, in the order it draws them, for a screen reader: a line for
    // each baseline, its runs joined by a blank where the drawing leaves a gap between them.
    QString text() const;

private:
    std::shared_ptr<const MetaDocument> m_document;
};
