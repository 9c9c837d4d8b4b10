// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>

// Chooses at most `maxColours` colours for a set of opaque pictures, by median cut over every
// pixel of all of them, refined by a few rounds of moving each colour to the mean of the pixels
// it stands for. The most frequent colour (the background) is kept exactly, so it matches the
// panel the pictures sit on. Pictures that share one palette keep their still parts identical
// from one to the next: an animation's background does not shimmer.
QList<QRgb> medianCutPalette(const QList<QImage> &pictures, int maxColours);

// The picture as 8-bit indices into `palette`, each pixel taking its nearest colour. No
// dithering: a pixel that does not change between frames keeps its index.
QImage toIndexed(const QImage &picture, const QList<QRgb> &palette);
