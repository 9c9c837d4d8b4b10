// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class ContentFolder;

// The classroom folder, handed to everything that opens content: the installed pictures, pages and
// sounds, and in multiple/ the worksheets teachers write and their index. Several machines and
// several teachers may use one folder on a network share at the same time.

// ${XDG_DATA_HOME:-~/.local/share}/kelvarin
QString defaultClassroomFolder();

// Reads a question set as the quiz does; throws FileError when it can't be read whole.
using QuestionSetCheck = std::function<void(const ContentFolder &folder, const QString &path)>;

// Makes the folder when it is missing and brings the installed content into it. A file outside
// multiple/ is added, or replaced when its bytes differ from the installed one; in multiple/ a
// file is only ever added, so the teachers' worksheets and the index stay theirs, except that a
// topic's own question set that checkQuestionSet can't read is restored, the damaged one kept
// beside it with ".damaged" added to its name. Every file is written aside, synced and renamed into
// place whole, so a machine starting at the same moment never reads half a picture and a full disk
// leaves no half file. No symbolic link in the folder is written through: a link in place of a
// content file or folder is replaced, a linked multiple/ refused. Throws FileError naming the
// folder or file and the system's reason, also when the folder can be read but not written.
void prepareClassroom(const QString &installedContent, const ContentFolder &classroomFolder,
                      const QuestionSetCheck &checkQuestionSet);
