#pragma once

#include <QString>

// Resolves a content path such as "Images\lampsm.jpg" or "multiple/track.txt" against the working
// directory. Either separator is accepted and every component is matched without regard to letter
// case. Components that do not exist yet (a file about to be written) keep the spelling given.
QString resolveContentPath(const QString &path);

// The same, against the given folder instead of the working directory.
QString resolveContentPathIn(const QString &folder, const QString &path);
