// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/metafile.h"

#include "wmf/metaparser.h"
#include "wmf/metaplayer.h"
#include "wmf/wmflog.h"

#include <QPainter>

Metafile Metafile::fromBytes(const QByteArray &bytes, const QString &name)
{
    auto document = std::make_shared<MetaDocument>(parseMetafile(bytes));
    if (!document->placeable) {
        const std::optional<QRectF> frame = MetaPlayer::measureFrame(*document);
        if (!frame)
            throw MetaTooComplex("its records ask for too much work");
        document->frame = *frame;
    }
    // Counted once here at the page's own size, so that painting never meets a page it must stop.
    const double work = MetaPlayer::countWork(*document);
    qCDebug(lcWmf).noquote() << name << "asks for" << work << "units of work";
    if (work > maxPageWork)
        throw MetaTooComplex("drawing it asks for too much work");
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
        qCWarning(lcWmf, "a page stopped part drawn: it asked for too much work");
}
