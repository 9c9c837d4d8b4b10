// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Windows face names and the free families installed in their place, drawn to the same measures so
// text keeps to its boxes. One table serves both ways: a file's face to the family that draws it,
// and a family drawn with back to the face name a file should carry.

// The installed family for a Windows face, or the face itself when it has no twin here. Naming
// the installed family spares the font system a search for a stand-in (about a tenth of the
// program's start-up); the search still runs for a face not in the table or not installed.
QString installedFamilyFor(const QString &windowsFace);

// The Windows face a family is written as: players of these files know Arial, not its stand-ins.
// A generic family ("sans-serif", "serif", "monospace") becomes the face it names on Windows;
// a family with no twin is written as it is.
QString windowsFaceFor(const QString &family);
