// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

enum class MsgButtons { Ok, OkCancel };
enum class MsgResult { Ok, Cancel };

// Modal message boxes, behind an interface so tests can answer them from a script.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                           const QString &caption = QString()) = 0;
};
