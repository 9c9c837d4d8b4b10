// SPDX-License-Identifier: GPL-3.0-or-later
#include "classrecord/classsettings.h"

#include "classrecord/pin.h"
#include "classrecord/recordfolder.h"
#include "files/fileaside.h"

#include <QRegularExpression>
#include <QSet>

namespace
{

const QString settingsFile = QStringLiteral("settings.txt");
const QString classFile = QStringLiteral("class.txt");
const QString onKey = QStringLiteral("on");
const QString pinKey = QStringLiteral("pin");

QString textOf(const std::optional<QByteArray> &bytes)
{
    QString text = bytes ? QString::fromUtf8(*bytes) : QString();
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text;
}

} // namespace

ClassRecordSettings::ClassRecordSettings(const ContentFolder &classroom)
    : m_classroom(classroom.path())
{
    const QStringList lines =
        textOf(RecordFolder::read(m_classroom, settingsFile)).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == onKey)
            m_on = value == QStringLiteral("yes");
        else if (key == pinKey)
            m_pinHash = value;
    }
    m_names = tidyNames(textOf(RecordFolder::read(m_classroom, classFile)));
}

void ClassRecordSettings::setOn(bool on)
{
    saveSettings(on, m_pinHash);
    m_on = on;
}

void ClassRecordSettings::setClassList(const QString &typed)
{
    const QStringList names = tidyNames(typed);
    save(classFile,
         names.isEmpty() ? QByteArray() : names.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    m_names = names;
}

void ClassRecordSettings::setPin(const QString &pin)
{
    const QString pinHash = Pin::hash(pin);
    saveSettings(m_on, pinHash);
    m_pinHash = pinHash;
}

bool ClassRecordSettings::hasPin() const
{
    return Pin::isOurs(m_pinHash);
}

bool ClassRecordSettings::checkPin(const QString &pin) const
{
    return Pin::matches(pin, m_pinHash);
}

QStringList ClassRecordSettings::tidyNames(const QString &typed)
{
    QStringList names;
    QSet<QString> seen;
    for (const QString &line : typed.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
        const QString name = line.trimmed();
        if (!name.isEmpty() && !seen.contains(name.toCaseFolded())) {
            seen.insert(name.toCaseFolded());
            names.append(name);
        }
    }
    return names;
}

void ClassRecordSettings::saveSettings(bool on, const QString &pinHash) const
{
    QByteArray bytes = (onKey + u'=' + (on ? QStringLiteral("yes") : QStringLiteral("no")) +
                        QStringLiteral("\r\n"))
                           .toUtf8();
    if (!pinHash.isEmpty())
        bytes += (pinKey + u'=' + pinHash + QStringLiteral("\r\n")).toUtf8();
    save(settingsFile, bytes);
}

void ClassRecordSettings::save(const QString &fileName, const QByteArray &bytes) const
{
    RecordFolder::make(m_classroom);
    FileAside file(m_classroom, QLatin1String(RecordFolder::Name) + u'/' + fileName);
    file.write(bytes);
    file.replace();
}
