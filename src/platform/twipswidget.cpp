// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/twipswidget.h"

#include "platform/displayscale.h"
#include "files/errors.h"
#include "platform/stage.h"

#include <QPainter>

TwipsWidget::TwipsWidget(QWidget *container) : QWidget(container) {}

void TwipsWidget::setPlace(const TwipsRect &rect)
{
    m_rect = rect;
    setGeometry(displayRect(m_rect, displayScale()));
}

const Stage *TwipsWidget::shownOn() const
{
    return qobject_cast<const Stage *>(window());
}

double TwipsWidget::displayScale() const
{
    const Stage *stage = shownOn();
    return stage ? stage->displayScale() : 1.0;
}

QString TwipsWidget::contentFile(const QString &contentPath) const
{
    if (contentPath.isEmpty())
        return contentPath;
    const Stage *stage = shownOn();
    if (!stage)
        throw FileError(contentPath.toStdString() + ": no classroom folder to find it in");
    return stage->classroom().resolve(contentPath);
}

void TwipsWidget::beginScaled(QPainter &painter) const
{
    const double scale = displayScale();
    // The widget's edges were rounded to whole pixels; the part of a pixel they moved is taken
    // back, so what is drawn lies where the whole screen scaled at once would put it. A shift
    // leaves the scale alone, so every widget's text shares one set of glyphs.
    const QPoint designTopLeft = pixelRect(m_rect).topLeft();
    const QPoint displayTopLeft = displayRect(m_rect, scale).topLeft();
    painter.translate(designTopLeft.x() * scale - displayTopLeft.x(),
                      designTopLeft.y() * scale - displayTopLeft.y());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}
