// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metarecords.h"

#include <vector>

// Decodes one record's parameters into out. Returns false for a record the player does not draw.
// Throws MetaDamage when a field runs past the record or breaks a limit.
bool decodeRecord(uint16_t function, uint32_t sizeWords, MetaReader &params,
                  std::vector<meta::Record> &out);

// The records with structure beyond a few fixed fields, each read from its parameters.
namespace metadecode
{

QColor colourRef(MetaReader &r);
meta::Record poly(MetaReader &r, meta::PolyKind kind);
meta::Record polyPolygonRecord(MetaReader &r);
meta::Record shape(MetaReader &r, meta::ShapeKind kind);
meta::Record textOutRecord(MetaReader &r);
meta::Record extTextOutRecord(MetaReader &r);
meta::Record fontRecord(MetaReader &r);
meta::Record paletteRecord(MetaReader &r);
meta::Record patternBrushRecord(MetaReader &r);
// The three bitmap records, each with its own order of fields; the two older ones also come
// without a bitmap, meaning a fill of the destination with the brush.
meta::Record stretchDibRecord(MetaReader &r);
meta::Record dibBlitRecord(MetaReader &r, bool stretch, bool withBitmap);
meta::Record patBltRecord(MetaReader &r);

} // namespace metadecode
