#include "gallery.h"

#include <QDir>
#include <QPixmap>
#include <QWidget>

bool saveToGallery(QWidget &widget, const QString &name)
{
    const QDir gallery(QStringLiteral(KELVARIN_GALLERY_DIR));
    gallery.mkpath(".");
    const QPixmap picture = widget.grab();
    return !picture.isNull() && picture.save(gallery.filePath(name + ".png"));
}
