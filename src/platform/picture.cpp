#include "platform/picture.h"

#include "platform/contentpath.h"
#include "platform/errors.h"
#include "platform/units.h"

#include <QImageReader>
#include <QPainter>

Picture Picture::load(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QString file = resolveContentPath(path);
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        throw FileError(
            (file + QStringLiteral(": cannot show this picture (") + reader.errorString() + u')')
                .toStdString());
    return Picture(std::move(image));
}

QSizeF Picture::sizeTwips() const
{
    return QSizeF(toTwips(m_image.width()), toTwips(m_image.height()));
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
    painter.restore();
}
