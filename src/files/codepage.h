// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Text files are single-byte Windows-1252. Bytes 0x00..0x7F are ASCII; 0x80..0xFF go through our
// own table. The five bytes Windows-1252 leaves undefined map to the C1 code points of the same
// number, so every byte sequence decodes and encodes back unchanged.

QString decodeWindows1252(QByteArrayView bytes);

// Characters with no Windows-1252 byte (including a character outside the basic plane, which
// counts as one) are written as '?'.
QByteArray encodeWindows1252(QStringView text);

// Whether every character of text has a Windows-1252 byte, so that encoding loses nothing.
bool isWindows1252Encodable(QStringView text);
