// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

// What a check box and an option button share: a caption beside a mark that Space or a click
// chooses, painted in the control's colours.
class ChoiceButton : public Control
{
    Q_OBJECT
public:
    ChoiceButton(QWidget *container, bool round);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setColours(const QColor &fore, const QColor &back);

protected:
    bool isChecked() const { return m_checked; }
    // Returns whether the mark changed.
    bool setChecked(bool checked);
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_round;
    bool m_checked = false;
    QString m_caption;
    QColor m_foreColor = Colour::black;
};
