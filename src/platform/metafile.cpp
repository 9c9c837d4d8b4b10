#include "platform/metafile.h"

#include "platform/errors.h"
#include "platform/filebytes.h"
#include "platform/metaparser.h"
#include "platform/metaplayer.h"

#include <QPainter>

Metafile Metafile::load(const QString &file)
{
    return fromBytes(readRegularFile(file, maxMetafileBytes), file);
}

Metafile Metafile::fromBytes(const QByteArray &bytes, const QString &nameForErrors)
{
    auto document = std::make_shared<MetaDocument>();
    const auto tooComplex = [&](const char *why) {
        qCWarning(lcMetafile).noquote() << nameForErrors << "is not shown:" << why;
        return PageTooComplex(nameForErrors.toStdString());
    };
    try {
        *document = parseMetafile(bytes);
    } catch (const MetaDamage &damage) {
        throw FileError(nameForErrors.toStdString() + ": damaged metafile: " + damage.what());
    } catch (const MetaTooComplex &limit) {
        throw tooComplex(limit.what());
    }
    if (!document->placeable) {
        const std::optional<QRectF> frame = MetaPlayer::measureFrame(*document);
        if (!frame)
            throw tooComplex("its records ask for too much work");
        document->frame = *frame;
    }
    // Counted once here at the page's own size, so that painting never meets a page it must stop.
    const double work = MetaPlayer::countWork(*document);
    qCDebug(lcMetafile).noquote() << nameForErrors << "asks for" << work << "units of work";
    if (work > maxPageWork)
        throw tooComplex("drawing it asks for too much work");
    Metafile metafile;
    metafile.m_document = std::move(document);
    return metafile;
}

QSizeF Metafile::sizeTwips() const
{
    if (!m_document)
        return {};
    return m_document->frame.size() * (1440 / m_document->unitsPerInch);
}

void Metafile::play(QPainter &painter, const QRectF &target) const
{
    const QRectF frame = m_document ? m_document->frame : QRectF();
    if (frame.isEmpty() || target.isEmpty())
        return;
    const QTransform deviceToTarget =
        QTransform::fromTranslate(-frame.x(), -frame.y()) *
        QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height()) *
        QTransform::fromTranslate(target.x(), target.y());
    if (!MetaPlayer(*m_document, painter).play(deviceToTarget))
        qCWarning(lcMetafile, "a page stopped part drawn: it asked for too much work");
}
