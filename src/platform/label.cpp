// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/label.h"

#include "platform/accessible.h"
#include "platform/bevel.h"
#include "platform/focusmark.h"

#include <QKeyEvent>
#include <QPainter>

Label::Label(QWidget *container) : Control(container)
{
    setFontSpec(FontSpec{});
}

void Label::setCaption(const QString &caption)
{
    setAndRepaint(m_caption, caption);
    announceNameChange(this);
}

void Label::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (onClick && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter))
        activate();
    else
        Control::keyPressEvent(event);
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginScaled(painter);
    paintLook(painter);
    if (m_held)
        drawHeldMark(painter, designRect());
    if (hasFocus())
        drawFocusMark(painter, designRect());
}

void Label::paintLook(QPainter &painter)
{
    const QRect area = designRect();
    if (m_backStyle == BackStyle::Opaque)
        painter.fillRect(area, BackColor());
    QRect textArea = area;
    if (m_border) {
        drawOutline(painter, area, Colour::black);
        textArea.adjust(1, 1, -1, -1);
    }
    int flags = Qt::AlignTop | (m_wordWrap ? Qt::TextWordWrap : 0);
    flags |= m_alignment == Alignment::Center  ? Qt::AlignHCenter
             : m_alignment == Alignment::Right ? Qt::AlignRight
                                               : Qt::AlignLeft;
    if (isEnabled()) {
        painter.setPen(m_foreColor);
        painter.drawText(textArea, flags, m_caption);
        return;
    }
    // Greyed text is engraved: a light copy one pixel down and right, grey on top.
    painter.setPen(Colour::white);
    painter.drawText(textArea.translated(1, 1), flags, m_caption);
    painter.setPen(Colour::greyText);
    painter.drawText(textArea, flags, m_caption);
}

LabelDesign textLabel(const QString &caption, TwipsRect place, const FontSpec &font,
                      const QColor &fore, const QColor &back, Alignment alignment)
{
    return {caption, place, font, fore, back, BackStyle::Transparent, alignment};
}

Label *makeLabel(QWidget *container, const LabelDesign &design)
{
    auto *label = new Label(container);
    label->setCaption(design.caption);
    label->setPlace(design.place);
    label->setFontSpec(design.font);
    label->setForeColor(design.foreColor);
    label->setBackColor(design.backColor);
    label->setBackStyle(design.backStyle);
    label->setAlignment(design.alignment);
    label->setBorder(design.border);
    return label;
}
