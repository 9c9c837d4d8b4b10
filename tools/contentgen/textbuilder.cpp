#include "builders.h"

#include "contenterror.h"

#include <QFile>
#include <QStringDecoder>

namespace
{

// The characters that Windows-1252 keeps in 0x80 to 0x9F; 0xA0 to 0xFF match Latin-1.
const char16_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toWindows1252(QChar c, const QString &path)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (windows1252High[i] == u)
            return char(0x80 + i);
    throw ContentError(path + ": \"" + QString(c) + "\" has no place in Windows-1252");
}

QString readUtf8(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path + ": cannot read");
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(file.readAll());
    if (decoder.hasError())
        throw ContentError(path + ": not UTF-8 text");
    return text;
}

// Sources keep LF line ends in git; the program reads and writes CR LF, every line ended.
QByteArray classroomText(QString text, const QString &path)
{
    text.replace("\r\n", "\n");
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    text.replace("\n", "\r\n");
    QByteArray bytes;
    for (QChar c : text)
        bytes.append(toWindows1252(c, path));
    return bytes;
}

} // namespace

void buildTexts(const QDir &sources, const QDir &out)
{
    const QDir texts(sources.filePath("multiple"));
    if (!texts.exists())
        return;
    out.mkpath("multiple");
    for (const QFileInfo &info : texts.entryInfoList({"*.txt"}, QDir::Files, QDir::Name)) {
        const QByteArray bytes = classroomText(readUtf8(info.filePath()), info.filePath());
        QFile file(out.filePath("multiple/" + info.fileName()));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw ContentError(file.fileName() + ": cannot write");
    }
}
