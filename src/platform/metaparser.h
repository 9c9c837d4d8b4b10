#pragma once

#include "platform/metarecords.h"

#include <QByteArrayView>

// Limits that keep a damaged or hostile file from costing unbounded memory or time.
inline constexpr qsizetype maxMetafileBytes = 64 * 1024 * 1024;
inline constexpr qsizetype maxMetaRecords = 1000000;

// Reads a whole metafile: the placeable header if there is one, the metafile header, then every
// record up to the end record. Records the player draws are decoded into meta::Record; others are
// skipped (and logged once at debug level). Throws MetaDamage with the reason for anything that
// does not fit: a length or count running past its record or the file, a missing end record.
// The frame of a file without a placeable header is left for the player to work out.
MetaDocument parseMetafile(QByteArrayView bytes);
