// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/placeable.h"

#include "wmf/metareader.h"

#include <QtEndian>

namespace wmf
{

bool startsPlaceable(QByteArrayView bytes)
{
    return bytes.size() >= 4 && MetaReader(bytes).u32("header") == placeableKey;
}

PlaceableHeader readPlaceableHeader(MetaReader &r)
{
    r.u32("placeable header");
    r.u16("placeable header");
    const MetaBox box = r.boxLTRB("bounding box");
    PlaceableHeader header;
    header.unitsPerInch = r.u16("units per inch");
    r.skip(6, "placeable header");
    header.frame = box.toRectF().normalized();
    if (header.unitsPerInch == 0)
        throw MetaDamage("placeable header gives no units per inch");
    if (header.frame.isEmpty())
        throw MetaDamage("placeable header has an empty bounding box");
    return header;
}

QByteArray placeableHeader(QSize size, int unitsPerInch)
{
    QByteArray header(placeableHeaderBytes, '\0');
    char *at = header.data();
    qToLittleEndian<quint32>(placeableKey, at);
    // The handle and the box's left and top stay zero, as does the reserved long after the units.
    qToLittleEndian<quint16>(quint16(size.width()), at + 10);
    qToLittleEndian<quint16>(quint16(size.height()), at + 12);
    qToLittleEndian<quint16>(quint16(unitsPerInch), at + 14);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(at + i);
    qToLittleEndian<quint16>(checksum, at + 20);
    return header;
}

} // namespace wmf
