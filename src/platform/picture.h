// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metafile.h"

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// A picture loaded from a content file: a JPEG, GIF or BMP image, or a Windows metafile (".wmf")
// that is drawn as vectors. Loaded at each use, never cached.
class Picture
{
public:
    Picture() = default;

    // Loads the file at that path, one already found in the classroom folder (see
    // ContentFolder::resolve); an empty path gives the empty picture.
    // Throws FileError when the file is missing or cannot be decoded.
    static Picture load(const QString &file);
    // Loads and checks the file as load() does, then lets it go, keeping only its name and size:
    // a copy for printing, read again when it is drawn, so it holds no memory meanwhile.
    static Picture loadForLater(const QString &file);
    // Reads and checks the metafile at that path (found in the classroom folder), as load() does
    // for a ".wmf" file. Throws FileError when it is missing, unreadable or damaged ("<file>:
    // damaged metafile: <reason>"), and PageTooComplex when drawing it would cost far more time or
    // memory than a page may.
    static Metafile loadMetafile(const QString &file);
    // The same for a metafile's bytes, read from the file that file names.
    static Metafile metafileFromBytes(const QByteArray &bytes, const QString &file);

    bool isNull() const { return m_image.isNull() && m_metafile.isNull() && m_later.isEmpty(); }
    bool isMetafile() const { return !m_metafile.isNull(); }
    // Whether the picture is in memory, not left on disk until it is drawn.
    bool isHeld() const { return m_later.isEmpty(); }
    // The picture in memory: itself, or read again from its file. Throws as load() does.
    Picture held() const { return isHeld() ? *this : load(m_later); }
    // Whether drawing it covers every pixel of its target: an image without transparency.
    bool isOpaque() const { return !m_image.isNull() && !m_image.hasAlphaChannel(); }
    // The picture's own size: a metafile's own, an image's at one twips factor a pixel.
    QSizeF sizeTwips() const;

    // Draws the picture scaled into the target rectangle (in the painter's units); a metafile
    // is played record by record, so it stays vectors on a printer. A picture left on disk is
    // read again for it (and throws as load() does).
    void draw(QPainter &painter, const QRectF &target) const;

    // The words a metafile shows, line by line, for a screen reader; an image has none.
    QString text() const { return m_metafile.text(); }

private:
    QImage m_image;
    Metafile m_metafile;
    QString m_later; // the file of a picture left on disk
    QSizeF m_laterSize;
};
