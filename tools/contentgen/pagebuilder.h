// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagelayout.h"

#include <QByteArray>
#include <QDir>

// The pages the viewers show, from their sources in a pages folder (<name>.page and
// pictures/<picture>.svg). Each throws ContentError naming the page it could not build.

// <pages>/<name>.page -> <out>/wmf/<name>.wmf (the screen copy) and <out>/wmf2/<name>.wmf (the
// print copy, in shades of grey). A missing or empty pages folder builds nothing.
void buildPages(const QDir &pages, const QDir &out);

// Each page as people will see it, for looking at while writing pages:
// <png>/<name>.screen.png, the page on the viewer's screen at one screen pixel to 15 twips, and
// <png>/<name>.print.png, the print copy on an A4 sheet at 12 twips to the pixel.
void previewPages(const QDir &pages, const QDir &png);

// One laid-out page as a metafile.
QByteArray pageMetafile(const LaidOutPage &page, bool greyscale);

// The two layouts of one page source.
LaidOutPage screenCopy(const PageSource &page, const QDir &pictures);
LaidOutPage printCopy(const PageSource &page, const QDir &pictures);
