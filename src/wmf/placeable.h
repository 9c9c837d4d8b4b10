// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRectF>
#include <QSize>

class MetaReader;

// The placeable header some metafiles begin with: a key, the picture's bounding box in logical
// units, how many of those make an inch, and a checksum of the words before it.
namespace wmf
{

inline constexpr quint32 placeableKey = 0x9AC6CDD7;
inline constexpr int placeableHeaderBytes = 22;

struct PlaceableHeader {
    QRectF frame; // the bounding box, normalised
    int unitsPerInch = 0;
};

// Whether the bytes begin with the placeable header's key.
bool startsPlaceable(QByteArrayView bytes);

// Reads the header, key first. Throws MetaDamage when it runs past the end, gives no units per
// inch or an empty bounding box.
PlaceableHeader readPlaceableHeader(MetaReader &r);

// The header of a picture whose bounding box runs from the origin to size, checksum included.
QByteArray placeableHeader(QSize size, int unitsPerInch);

} // namespace wmf
