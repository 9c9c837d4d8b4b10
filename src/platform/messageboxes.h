// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

enum class MsgButtons { Ok, OkCancel };
enum class MsgResult { Ok, Cancel };

// Modal message boxes, and the dialog that asks where to save a file, behind an interface so
// tests can answer them from a script.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                           const QString &caption = QString()) = 0;
    // The file the user chose to save to, starting from the suggested path; empty when they
    // cancelled. The filter reads as Qt's file dialogs take it: "CSV files (*.csv)".
    virtual QString chooseFileToSave(const QString &caption, const QString &suggested,
                                     const QString &filter) = 0;
};
