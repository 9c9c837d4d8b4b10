// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messageboxes.h"

class QWidget;

// Message boxes as Qt dialogs, modal over the stage.
class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *parent) : m_parent(parent) {}
    MsgResult show(const QString &text, MsgButtons buttons, const QString &caption) override;

private:
    QWidget *m_parent;
};
