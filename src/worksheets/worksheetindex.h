#pragma once

#include <QString>

struct Module1;

// The worksheet index "multiple\track.txt" and the list it fills in Module1 (WorksheetCount,
// WorksheetTitles slots 1 to N). The file holds the count N as " 3 ", then one title per line in
// the order the worksheets were added. A title that the field rule would cut or shift (one with a
// comma or a leading blank) is stored in double quotes, so every title reads back whole.

// A missing index, or one that holds nothing at all, lists no entries. A count must be 0 to 1000.

// The main menu's reading: the count and that many titles by the field rule. Throws FileError at
// the first failure; the list in memory changes only when the whole reading succeeds.
void readIndex(Module1 &m);

// The catalogue's reading: never throws. A file that can't be read leaves the list as it was
// (the reason is logged); a short file lists just the titles it holds.
void readIndexSkippingFailures(Module1 &m);

// Whether a title can be stored in the index so that it reads back exactly.
bool canStoreTitle(const QString &title);

// Adding and removing rewrite the whole file from a strict reading of it: the count must agree
// with the lines that follow, one title a line, so a rewrite never drops an entry it wasn't asked
// to remove. A damaged index is a FileError and stays as it is.

// Reads the index and, unless a slot holds exactly this title, puts it in slot N+1 and rewrites
// the file; WorksheetCount keeps N until the next reading. A missing index counts as an empty one.
// Throws FileError (a damaged index, a title that can't be stored, a failed write) or IndexError
// (a 1001st entry); the file is left untouched then.
void addEntry(Module1 &m, const QString &title);

// Reads the index and removes the last entry equal to SelectedWorksheet, moving later entries down
// and rewriting the file; WorksheetCount becomes N-1. No matching entry: nothing changes.
// Throws FileError (a missing or damaged index, a failed write); the file is left untouched then.
void removeEntry(Module1 &m);
