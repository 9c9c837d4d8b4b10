// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

class QLineEdit;

// A one-line text box. MaxLength limits only what is typed or pasted; text set by the program is
// kept whole. 0 means no limit. A box can also be told which characters it may take in, when the
// file its text goes to can't store every character; that too limits only typing and pasting.
class TextBox : public Control
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *container);

    QString Text() const;
    void setText(const QString &text);
    int MaxLength() const { return m_maxLength; }
    void setMaxLength(int maxLength) { m_maxLength = maxLength; }
    // Typed text (through the keyboard or an input method) that storable refuses is not taken in;
    // pasted text loses the characters it refuses and keeps the rest.
    void setStorable(std::function<bool(QStringView)> storable);
    void setColours(const QColor &fore, const QColor &back);
    // Shows a dot for each character typed, as a PIN box does; copying out of it is refused.
    void setPasswordEcho(bool masked);
    // What a screen reader calls the box, which has no caption of its own.
    void setSpokenName(const QString &name);
    void SetFocus();
    QLineEdit *editor() const { return m_edit; }

    // The character code Enter gives onKeyPress.
    static constexpr int EnterKey = 13;
    // Called for each typed character with its character code; setting it to 0 swallows it.
    std::function<void(int &keyAscii)> onKeyPress;
    std::function<void()> onChange;

protected:
    void applyFont(const QFont &font) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool typedKeyAllowed(const QString &typed) const;
    void limitPaste();
    QLineEdit *m_edit;
    int m_maxLength = 0;
    std::function<bool(QStringView)> m_storable;
};
