// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textbox.h"

#include "platform/handleredge.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QValidator>

namespace
{

// Refuses every edit whose result holds a character the box can't store. Qt's editor asks it
// about each change the user makes, typed, composed or inserted, but never about setText.
class StorableTextValidator : public QValidator
{
public:
    StorableTextValidator(std::function<bool(QStringView)> storable, QObject *parent)
        : QValidator(parent), m_storable(std::move(storable))
    {
    }
    State validate(QString &input, int &) const override
    {
        return m_storable(input) ? Acceptable : Invalid;
    }

private:
    std::function<bool(QStringView)> m_storable;
};

// The text without the characters storable refuses, a surrogate pair counting as one.
QString onlyStorable(const QString &text, const std::function<bool(QStringView)> &storable)
{
    QString kept;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        const QStringView character = QStringView(text).sliced(i, length);
        if (storable(character))
            kept.append(character);
        i += length;
    }
    return kept;
}

} // namespace

TextBox::TextBox(QWidget *container) : Control(container), m_edit(new QLineEdit(this))
{
    setFocusProxy(m_edit);
    m_edit->installEventFilter(this);
    m_edit->setFrame(true);
    // Every way of putting text in goes through the key and paste paths below, which know
    // MaxLength; the context menu, dropped text and X11's middle-button paste would not.
    m_edit->setContextMenuPolicy(Qt::NoContextMenu);
    m_edit->setAcceptDrops(false);
    connect(m_edit, &QLineEdit::textChanged, this, [this] {
        if (onChange)
            runHandler(*this, onChange);
    });
    setFontSpec(FontSpec{});
}

QString TextBox::Text() const
{
    return m_edit->text();
}

void TextBox::setText(const QString &text)
{
    m_edit->setText(text);
}

void TextBox::setStorable(std::function<bool(QStringView)> storable)
{
    m_storable = storable;
    m_edit->setValidator(new StorableTextValidator(std::move(storable), m_edit));
}

// The editor is Qt's own widget and paints unscaled, so its font is given at the display scale.
void TextBox::applyFont(const QFont &font)
{
    m_edit->setFont(scaledForChild(font));
}

void TextBox::setColours(const QColor &fore, const QColor &back)
{
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, fore);
    palette.setColor(QPalette::Base, back);
    m_edit->setPalette(palette);
}

// The editor is the whole box.
void TextBox::resizeEvent(QResizeEvent *)
{
    m_edit->setGeometry(rect());
}

void TextBox::setPasswordEcho(bool masked)
{
    m_edit->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

void TextBox::setSpokenName(const QString &name)
{
    m_edit->setAccessibleName(name);
}

void TextBox::SetFocus()
{
    m_edit->setFocus(Qt::OtherFocusReason);
}

bool TextBox::typedKeyAllowed(const QString &typed) const
{
    if (m_maxLength <= 0)
        return true;
    const int kept = m_edit->text().size() - m_edit->selectedText().size();
    return kept + typed.size() <= m_maxLength;
}

void TextBox::limitPaste()
{
    QString pasted = QApplication::clipboard()->text();
    pasted.replace('\n', ' ').remove('\r');
    if (m_storable)
        pasted = onlyStorable(pasted, m_storable);
    if (m_maxLength > 0) {
        const int room = m_maxLength - (m_edit->text().size() - m_edit->selectedText().size());
        pasted.truncate(std::max(0, room));
    }
    m_edit->insert(pasted);
}

bool TextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit)
        return Control::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->matches(QKeySequence::Paste)) {
        limitPaste();
        return true;
    }
    const QString typed = key->text();
    if (typed.isEmpty())
        return false;
    int keyAscii = typed.at(0).unicode();
    if (onKeyPress && !runHandler(*this, [&] { onKeyPress(keyAscii); }))
        return true; // a key whose handler failed goes no further
    if (keyAscii == 0)
        return true;
    // Enter, Backspace and the like do their usual work.
    if (!QChar(keyAscii).isPrint())
        return false;
    if (!typedKeyAllowed(typed))
        return true;
    if (keyAscii != typed.at(0).unicode()) {
        m_edit->insert(QString(QChar(keyAscii)));
        return true;
    }
    return false;
}
