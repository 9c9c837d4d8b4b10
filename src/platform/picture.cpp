// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/picture.h"

#include "files/errors.h"
#include "files/filebytes.h"
#include "platform/platformlog.h"
#include "platform/units.h"
#include "wmf/metaerrors.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace
{

// Decodes with the decoder that format names, or with the one the content suggests when format
// is empty. Naming it, with Qt's own guessing off, loads that one image plugin; otherwise Qt loads
// every plugin it has to ask each about the bytes. A file whose name is wrong about its content
// still gets the guess, after the named decoder has failed.
QImage decode(QByteArray &bytes, const QByteArray &format, QString &reason)
{
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(format.isEmpty());
    reader.setDecideFormatFromContent(format.isEmpty());
    const QImage image = reader.read();
    reason = reader.errorString();
    return image;
}

} // namespace

Picture Picture::load(const QString &file)
{
    Picture picture;
    if (file.isEmpty())
        return picture;
    if (file.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) {
        picture.m_metafile = loadMetafile(file);
        return picture;
    }
    // Read through our own reader, so a FIFO or a device in the file's place can't hang us.
    QByteArray bytes = readRegularFile(file);
    QString reason;
    picture.m_image = decode(bytes, QFileInfo(file).suffix().toLower().toLatin1(), reason);
    if (picture.m_image.isNull())
        picture.m_image = decode(bytes, QByteArray(), reason);
    if (picture.m_image.isNull())
        throw FileError(
            (file + QStringLiteral(": cannot show this picture (") + reason + u')').toStdString());
    return picture;
}

Metafile Picture::loadMetafile(const QString &file)
{
    return metafileFromBytes(readRegularFile(file, maxMetafileBytes), file);
}

Metafile Picture::metafileFromBytes(const QByteArray &bytes, const QString &file)
{
    try {
        return Metafile::fromBytes(bytes, file);
    } catch (const MetaDamage &damage) {
        throw FileError(file.toStdString() + ": damaged metafile: " + damage.what());
    } catch (const MetaTooComplex &limit) {
        qCWarning(lcPlatform).noquote() << file << "is not shown:" << limit.what();
        throw PageTooComplex(file.toStdString());
    }
}

Picture Picture::loadForLater(const QString &file)
{
    const Picture loaded = load(file);
    if (loaded.isNull())
        return loaded;
    Picture later;
    later.m_later = file;
    later.m_laterSize = loaded.sizeTwips();
    return later;
}

QSizeF Picture::sizeTwips() const
{
    if (!isHeld())
        return m_laterSize;
    if (isMetafile())
        return m_metafile.sizeTwips();
    return QSizeF(toTwips(m_image.width()), toTwips(m_image.height()));
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    if (!isHeld()) {
        held().draw(painter, target);
        return;
    }
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
