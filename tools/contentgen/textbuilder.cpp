// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders.h"

#include "contenterror.h"
#include "files/codepage.h"

#include <QFile>

namespace
{

// Sources keep LF line ends in git; the program reads and writes CR LF, every line ended.
QByteArray classroomText(QString text, const QString &path)
{
    text.replace("\r\n", "\n");
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    text.replace("\n", "\r\n");
    // C1 control characters have bytes of their own in the table but no place in a question set.
    for (const QChar c : text) {
        const bool control = c.unicode() >= 0x80 && c.unicode() < 0xA0;
        if (control || !isWindows1252Encodable(QStringView(&c, 1)))
            throw ContentError(path + ": \"" + QString(c) + "\" has no place in Windows-1252");
    }
    return encodeWindows1252(text);
}

} // namespace

void buildTexts(const QDir &sources, const QDir &out)
{
    const QDir texts(sources.filePath("multiple"));
    if (!texts.exists())
        return;
    out.mkpath("multiple");
    for (const QFileInfo &info : texts.entryInfoList({"*.txt"}, QDir::Files, QDir::Name)) {
        const QByteArray bytes = classroomText(readSourceText(info.filePath()), info.filePath());
        QFile file(out.filePath("multiple/" + info.fileName()));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw ContentError(file.fileName() + ": cannot write");
    }
}
