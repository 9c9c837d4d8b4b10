// SPDX-License-Identifier: GPL-3.0-or-later
#include "gallery.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QWidget>

bool saveToGallery(QWidget &widget, const QString &name)
{
    return saveToGallery(widget.grab().toImage(), name);
}

bool saveToGallery(const QImage &image, const QString &name)
{
    const QDir gallery(QStringLiteral(KELVARIN_GALLERY_DIR));
    gallery.mkpath(".");
    return !image.isNull() && image.save(gallery.filePath(name + ".png"));
}
