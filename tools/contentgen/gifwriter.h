// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// Writes an 8-bit indexed picture as a single-image GIF89a file through giflib, with its colour
// table as the global palette. Throws ContentError naming the file and giflib's reason.
void writeGif(const QImage &indexed, const QString &path);
