// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>

// Each builder reads one kind of source under `sources` and writes its classroom files under
// `out`. They throw ContentError, naming the file, on the first source they cannot build.

// content/art/<Folder>/<name>.svg -> <Folder>/<name>.jpg, at the size the SVG declares;
// <name>.gif.svg and <name>.bmp.svg become <name>.gif and <name>.bmp. The GIFs of one folder
// share one palette.
void buildArt(const QDir &sources, const QDir &out);

// content/clips/<name>.clip -> wav/<name>.wav
void buildClips(const QDir &sources, const QDir &out);

// content/multiple/<name>.txt -> multiple/<name>.txt, in Windows-1252 with CR LF line ends.
void buildTexts(const QDir &sources, const QDir &out);
