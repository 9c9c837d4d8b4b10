#include "platform/textbox.h"

#include "platform/handleredge.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>

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

void TextBox::setFontSpec(const FontSpec &font)
{
    m_edit->setFont(toQFont(font));
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
