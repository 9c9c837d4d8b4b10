#include "platform/label.h"

#include <QPainter>

Label::Label(QWidget *container) : Control(container)
{
    setFont(toQFont(m_font));
}

void Label::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void Label::setForeColor(const QColor &colour)
{
    m_foreColor = colour;
    update();
}

void Label::setBackColor(const QColor &colour)
{
    m_backColor = colour;
    update();
}

void Label::setBackStyle(BackStyle style)
{
    m_backStyle = style;
    update();
}

void Label::setAlignment(Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void Label::setBorder(bool singleLine)
{
    m_border = singleLine;
    update();
}

void Label::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

void Label::setFontSpec(const FontSpec &font)
{
    m_font = font;
    setFont(toQFont(font));
    update();
}

void Label::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_backStyle == BackStyle::Opaque)
        painter.fillRect(rect(), m_backColor);
    QRect textArea = rect();
    if (m_border) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
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
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(textArea.translated(1, 1), flags, m_caption);
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(textArea, flags, m_caption);
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
