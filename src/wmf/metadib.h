// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>

// Limits on an embedded bitmap: larger ones are treated as damage, so a few bytes of header can
// never make the player allocate gigabytes.
inline constexpr int maxDibSide = 16384;
inline constexpr qint64 maxDibPixels = 16 * 1024 * 1024;

// Decodes a device-independent bitmap (header, colour table, bits) as metafiles embed it:
// uncompressed 1, 4, 8, 16, 24 and 32 bits a pixel, top-down or bottom-up, with a colour table or
// bit-field masks. paletteIndices says the colour table holds 16-bit palette indices instead of
// colours; those are shown as a grey ramp, as the picture's palette is not known here.
// Returns a null image for a compression we do not play (run-length, JPEG, PNG); throws MetaDamage
// when the bitmap does not fit its bytes or breaks the limits above.
QImage decodeDib(QByteArrayView bytes, bool paletteIndices);
