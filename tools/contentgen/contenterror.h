// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <stdexcept>

// A content source that cannot be built: the message names the file (and line, where there is one).
class ContentError : public std::runtime_error
{
public:
    explicit ContentError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// The text of a content source, which is kept in UTF-8. Throws ContentError when the file can't be
// read or isn't UTF-8.
inline QString readSourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path + ": cannot read: " + file.errorString());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError())
        throw ContentError(path + ": not UTF-8 text");
    return text;
}
