// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/boundedarray.h"

#include <QString>

inline constexpr int MaxWorksheets = 1000;

// The worksheet index as the program last read it, and the catalogue's place in it. It starts
// empty and lasts as long as the program, so the catalogue opens on the list as it was when the
// index can't be read.
struct WorksheetList {
    // Titles occupy slots 1 to WorksheetCount.
    int WorksheetCount = 0;
    BoundedArray<QString, 0, MaxWorksheets> WorksheetTitles;
    QString SelectedWorksheet;
    int CataloguePage = 0;
};
