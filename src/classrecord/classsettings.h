// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/contentpath.h"

#include <QString>
#include <QStringList>

// The class record's settings for one classroom folder, shared by every machine that uses it:
// whether the record is on (it is off until a teacher turns it on), the class list of first
// names and the teacher's PIN. They are read when made; each change is saved at once, written
// aside and put in place whole, so a failed save leaves the old file as it was. A failed read
// or save throws FileError naming the file.
class ClassRecordSettings
{
public:
    explicit ClassRecordSettings(const ContentFolder &classroom);

    bool isOn() const { return m_on; }
    void setOn(bool on);

    const QStringList &classList() const { return m_names; }
    // Takes the names as a teacher typed or pasted them, one a line (see tidyNames).
    void setClassList(const QString &typed);

    // A PIN that can be checked: a damaged pin line counts as none, so the teacher is asked to
    // choose a new PIN rather than shut out for good.
    bool hasPin() const;
    void setPin(const QString &pin);
    bool checkPin(const QString &pin) const;

    // Each line's name without the blanks around it; blank lines and names met before (in any
    // letter case) are dropped, and the order kept.
    static QStringList tidyNames(const QString &typed);

private:
    void saveSettings(bool on, const QString &pinHash) const;
    void save(const QString &fileName, const QByteArray &bytes) const;

    QString m_classroom;
    bool m_on = false;
    QString m_pinHash;
    QStringList m_names;
};
