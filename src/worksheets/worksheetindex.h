// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/errors.h"

#include <QString>
#include <functional>

class ContentFolder;
struct WorksheetList;

// The index can't be read well enough to base a change on it. The catalogue offers to rebuild it.
class DamagedIndexError : public FileError
{
public:
    using FileError::FileError;
};

// The index already lists as many worksheets as it can hold; the text says so to the teacher.
class WorksheetListFull : public FileError
{
public:
    using FileError::FileError;
};

// The worksheet index "multiple\track.txt" in the classroom folder and the list it fills in the
// worksheet list (WorksheetCount, WorksheetTitles slots 1 to N). The file holds the count N as " 3
// ", then one title per line in the order the worksheets were added. A title that the field rule
// would cut or shift (one with a comma or a leading blank) is stored in double quotes, so every
// title reads back whole. Older copies of the program wrote titles with commas unquoted, so every
// reading takes a line as one title, commas and all, unless it opens with a quote; the next change
// writes such a title quoted. Titles that differ only in letter case name one file, so the index
// lists only one of them.

// A missing index, or one that holds nothing at all, lists no entries. A count must be 0 to 1000.

// The main menu's reading: the count and that many title lines. Throws FileError when the count
// can't be read or fewer lines follow; the list in memory changes only when the reading succeeds.
void readIndex(const ContentFolder &classroom, WorksheetList &m);

// The catalogue's reading: never throws. A file that can't be read leaves the list as it was
// (the reason is logged); a short file lists just the titles it holds.
void readIndexSkippingFailures(const ContentFolder &classroom, WorksheetList &m);

// Whether a title can be stored in the index so that it reads back exactly.
bool canStoreTitle(const QString &title);

// Adding and removing rewrite the whole file from a strict reading of it: the count must agree
// with the lines that follow, one title a line, so a rewrite never drops an entry it wasn't asked
// to remove. A damaged index is a DamagedIndexError and stays as it is.
//
// Several machines may share the classroom folder, so each change holds the lock
// multiple/track.lock (see indexlock.h) from its reading to its rewrite, and the list in memory is
// never the base of a rewrite. A lock another machine holds for more than a few seconds is a
// FileError, the index untouched; a lock left by a machine that stopped mid-change is taken over
// once it is stale. The errors' texts are worded for the teacher.

// Reads the index and, unless a slot holds this title in any letter case, puts it in slot N+1 and
// rewrites the file; WorksheetCount keeps N until the next reading. A missing index counts as an
// empty one. Throws DamagedIndexError, FileError (a title that can't be stored, a failed write) or
// WorksheetListFull (a 1001st entry); the file is left untouched then.
void addEntry(const ContentFolder &classroom, WorksheetList &m, const QString &title);

// The wizard's save: writeWorksheet writes the title's question-set file between the checks that
// can be made first (the index readable, not full, the title storable) and the index's rewrite,
// all under the lock. When the entry can't be added after all, a file that the writing created is
// removed again, so no worksheet is left that the catalogue can't reach; one that was there before
// stays.
void addEntry(const ContentFolder &classroom, WorksheetList &m, const QString &title,
              const std::function<void()> &writeWorksheet);

// Reads the index and removes the last entry equal to SelectedWorksheet, moving later entries down
// and rewriting the file; WorksheetCount becomes N-1. No matching entry: nothing changes.
// Throws FileError (a missing index, a failed write) or DamagedIndexError; the file is left
// untouched then.
void removeEntry(const ContentFolder &classroom, WorksheetList &m);

// Whether the index exists but can't be read well enough to change it (the reason is logged).
bool indexIsDamaged(const ContentFolder &classroom);

// Writes a new index from the titles that can still be read from the old one, in its order, then
// the worksheet files in multiple/ that it doesn't list, by name (not the topics' own quizzes);
// the old index is kept first as multiple/track.txt.bak. Titles that can't name a worksheet or be
// stored are left out, as are entries past the 1000th (each is logged). Throws FileError when the
// copy or the new index can't be written, the index then as it was.
void rebuildIndex(const ContentFolder &classroom, WorksheetList &m);
