#pragma once

#include <QString>

struct Module1;

// The worksheet index "multiple\track.txt" and the list it fills in Module1 (WorksheetCount,
// WorksheetTitles slots 1 to N). The file holds the count N as " 3 ", then one title per line in
// the order the worksheets were added. A title that the field rule would cut or shift (one with a
// comma or a leading blank) is stored in double quotes, so every title reads back whole.

// The main menu's reading: stops at the first failure (FileError or IndexError) and throws it,
// keeping in memory whatever was read before it.
void readIndex(Module1 &m);

// The catalogue's reading: a step that fails is skipped and the next one runs, so a missing file
// leaves the list as it was and a short file fills only the slots it has. Never throws.
void readIndexSkippingFailures(Module1 &m);

// Whether a title can be stored in the index so that it reads back exactly.
bool canStoreTitle(const QString &title);

// Reads the index and, unless a slot holds exactly this title, puts it in slot N+1 and rewrites
// the file; WorksheetCount keeps N until the next reading. A missing index counts as an empty one.
// Throws FileError (unreadable index, a title that can't be stored, a failed write) or IndexError
// (a 1001st entry); the file is left untouched then.
void addEntry(Module1 &m, const QString &title);

// Reads the index and removes the last entry equal to SelectedWorksheet, moving later entries down
// and rewriting the file; WorksheetCount becomes N-1. No matching entry: nothing changes.
// Throws FileError or IndexError on failure; the file is left untouched then.
void removeEntry(Module1 &m);
