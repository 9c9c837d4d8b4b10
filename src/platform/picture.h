#pragma once

#include "platform/metafile.h"

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

    // Loads the file that a content path names; an empty path gives the empty picture.
    // Throws FileError when the file is missing or cannot be decoded.
    static Picture load(const QString &path);

    bool isNull() const { return m_image.isNull() && m_metafile.isNull(); }
    bool isMetafile() const { return !m_metafile.isNull(); }
    // Whether drawing it covers every pixel of its target: an image without transparency.
    bool isOpaque() const { return !m_image.isNull() && !m_image.hasAlphaChannel(); }
    // The picture's own size: a metafile's own, an image's at one twips factor a pixel.
    QSizeF sizeTwips() const;

    // Draws the picture scaled into the target rectangle (in the painter's units); a metafile
    // is played record by record, so it stays vectors on a printer.
    void draw(QPainter &painter, const QRectF &target) const;

    // The words a metafile shows, line by line, for a screen reader; an image has none.
    QString text() const { return m_metafile.text(); }

private:
    QImage m_image;
    Metafile m_metafile;
};
