// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/multilinebox.h"

#include <QPlainTextEdit>

MultiLineBox::MultiLineBox(QWidget *container)
    : Control(container), m_edit(new QPlainTextEdit(this))
{
    setFocusProxy(m_edit);
    m_edit->setTabChangesFocus(true);
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    setFontSpec(FontSpec{});
}

QString MultiLineBox::Text() const
{
    return m_edit->toPlainText();
}

void MultiLineBox::setText(const QString &text)
{
    m_edit->setPlainText(text);
}

void MultiLineBox::setColours(const QColor &fore, const QColor &back)
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, fore);
    palette.setColor(QPalette::Base, back);
    m_edit->setPalette(palette);
}

void MultiLineBox::setSpokenName(const QString &name)
{
    m_edit->setAccessibleName(name);
}

void MultiLineBox::SetFocus()
{
    m_edit->setFocus(Qt::OtherFocusReason);
}

// The editor is Qt's own widget and paints unscaled, so its font is given at the display scale.
void MultiLineBox::applyFont(const QFont &font)
{
    m_edit->setFont(scaledForChild(font));
}

// The editor is the whole box.
void MultiLineBox::resizeEvent(QResizeEvent *)
{
    m_edit->setGeometry(rect());
}
