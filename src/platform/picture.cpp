#include "platform/picture.h"

#include "platform/contentpath.h"
#include "platform/errors.h"
#include "platform/filebytes.h"
#include "platform/units.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

Picture Picture::load(const QString &path)
{
    Picture picture;
    if (path.isEmpty())
        return picture;
    if (path.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) {
        picture.m_metafile = Metafile::load(path);
        return picture;
    }
    // Read through our own reader, so a FIFO or a device in the file's place can't hang us.
    const QString file = resolveContentPath(path);
    QByteArray bytes = readRegularFile(file);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    picture.m_image = reader.read();
    if (picture.m_image.isNull())
        throw FileError(
            (file + QStringLiteral(": cannot show this picture (") + reader.errorString() + u')')
                .toStdString());
    return picture;
}

QSizeF Picture::sizeTwips() const
{
    if (isMetafile())
        return m_metafile.sizeTwips();
    return QSizeF(toTwips(m_image.width()), toTwips(m_image.height()));
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (isMetafile()) {
        m_metafile.play(painter, target);
        return;
    }
    if (m_image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
    painter.restore();
}
