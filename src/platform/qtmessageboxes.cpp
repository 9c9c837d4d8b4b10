// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtmessageboxes.h"

#include <QFileDialog>
#include <QMessageBox>

MsgResult QtMessageBoxes::show(const QString &text, MsgButtons buttons, const QString &caption)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(caption.isEmpty() ? QStringLiteral("Kelvarin") : caption);
    box.setText(text);
    if (buttons == MsgButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setIcon(QMessageBox::Question);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setIcon(QMessageBox::Information);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

QString QtMessageBoxes::chooseFileToSave(const QString &caption, const QString &suggested,
                                         const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, suggested, filter);
}
