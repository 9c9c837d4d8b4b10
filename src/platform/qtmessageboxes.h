// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messageboxes.h"

class QWidget;

// Message boxes and the file dialog as Qt's, modal over the stage.
class QtMessageBoxes : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *parent) : m_parent(parent) {}
    MsgResult show(const QString &text, MsgButtons buttons, const QString &caption) override;
    QString chooseFileToSave(const QString &caption, const QString &suggested,
                             const QString &filter) override;

private:
    QWidget *m_parent;
};
