// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The printer works in twips, so its fonts are sized in twips (20 to the point) and measured
// without hinting: the same text then has the same width on every device, the real printer and
// the test double alike, and callers' centring comes out the same on paper as in the tests.
QFont printerFont(const QString &name, float points);

// Width of the text in twips in that font.
float printerTextWidth(const QFont &font, const QString &text);

// How far down the printer moves for each line ended in that font, in twips.
float printerLineHeight(const QFont &font);
