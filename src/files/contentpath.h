// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The classroom folder that every content path is found in: the installed pictures, pages and
// sounds, and the teachers' worksheets. It is handed down from main to whatever opens content,
// so the program never depends on its working directory.
class ContentFolder
{
public:
    // The folder's absolute path; main makes a relative one absolute before it gets here.
    explicit ContentFolder(const QString &absolutePath);

    const QString &path() const { return m_path; }

    // Resolves a content path such as "Images\lampsm.jpg" or "multiple/track.txt" in this folder.
    // Either separator is accepted and every component is matched without regard to letter case;
    // an existing spelling wins. Components that do not exist yet (a file about to be written)
    // keep the spelling given. An absolute path is resolved from the root the same way.
    QString resolve(const QString &contentPath) const;

private:
    QString m_path;
};
