// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fuzzsupport.h"
#include "worksheets/worksheetlist.h"

#include <QStringList>
#include <memory>

// The worksheet list in memory, checked for entries that no file gave it: every slot starts out
// holding a title that no file can hold, since every byte decodes to a character Windows-1252 has.

inline const QString &leftOver()
{
    static const QString title(QChar(0xFFFE));
    return title;
}

inline std::unique_ptr<WorksheetList> withLeftOvers()
{
    auto m = std::make_unique<WorksheetList>();
    for (int i = 1; i <= MaxWorksheets; ++i)
        m->WorksheetTitles[i] = leftOver();
    return m;
}

// The list in memory, after checking that it is one and that every entry in it came from a file.
inline QStringList shownList(const WorksheetList &m)
{
    FUZZ_CHECK(m.WorksheetCount >= 0 && m.WorksheetCount <= MaxWorksheets);
    QStringList titles;
    for (int i = 1; i <= m.WorksheetCount; ++i) {
        FUZZ_CHECK(m.WorksheetTitles[i] != leftOver());
        titles.append(m.WorksheetTitles[i]);
    }
    return titles;
}
