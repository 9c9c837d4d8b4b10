// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

class QPlainTextEdit;

// A box of several lines of plain text, for a list typed or pasted one item a line. Tab and
// Shift+Tab go on to the screen's next or previous control, as from every other box, rather
// than typing a tab; Enter starts a new line.
class MultiLineBox : public Control
{
    Q_OBJECT
public:
    explicit MultiLineBox(QWidget *container);

    QString Text() const;
    void setText(const QString &text);
    void setColours(const QColor &fore, const QColor &back);
    // What a screen reader calls the box, which has no caption of its own.
    void setSpokenName(const QString &name);
    void SetFocus();
    QPlainTextEdit *editor() const { return m_edit; }

protected:
    void applyFont(const QFont &font) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QPlainTextEdit *m_edit;
};
