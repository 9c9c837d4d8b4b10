// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wmf/metarecords.h"

#include <QByteArrayView>

// With maxMetafileBytes, a limit that keeps a damaged or hostile file from costing unbounded memory
// or time: the largest page the program has, or a drawing program writes, is in under a thousand
// records.
inline constexpr qsizetype maxMetaRecords = 200000;

// Reads a whole metafile: the placeable header if there is one, the metafile header, then every
// record up to the end record. Records the player draws are decoded into meta::Record; others are
// skipped (and logged once at debug level). Throws MetaDamage with the reason for anything that
// does not fit: a length or count running past its record or the file, a missing end record;
// MetaTooComplex for a file past the limits.
// The frame of a file without a placeable header is left for the player to work out.
MetaDocument parseMetafile(QByteArrayView bytes);
