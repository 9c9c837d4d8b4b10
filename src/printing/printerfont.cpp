// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printerfont.h"

#include "platform/units.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

QFont printerFont(const QString &name, float points)
{
    QFont font(name);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * TwipsPerPoint))));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

float printerTextWidth(const QFont &font, const QString &text)
{
    return static_cast<float>(QFontMetricsF(font).horizontalAdvance(text));
}

float printerLineHeight(const QFont &font)
{
    return static_cast<float>(QFontMetricsF(font).lineSpacing());
}
