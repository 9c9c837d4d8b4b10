#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <cmath>

// Geometry is kept in twips (1440 to the inch) as floats; pixels exist only when painting.
inline constexpr float TwipsPerPixel = 15.0f; // 96 dots per inch
inline constexpr float TwipsPerPoint = 20.0f;

inline int toPixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
inline float toTwips(double pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}
// The size in whole pixels of something whose size is given in twips.
inline QSize toPixels(const QSizeF &twips)
{
    return QSize(toPixels(static_cast<float>(twips.width())),
                 toPixels(static_cast<float>(twips.height())));
}

// A place and size in twips, as the screens' design tables give them.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// Pixels for a place in twips. The edges are rounded, not the size, so neighbouring controls
// meet without gaps.
inline QRect pixelRect(const TwipsRect &rect)
{
    const int left = toPixels(rect.left);
    const int top = toPixels(rect.top);
    return QRect(left, top, toPixels(rect.left + rect.width) - left,
                 toPixels(rect.top + rect.height) - top);
}

// A font as the screens' design tables give it: face, size in points, bold or not.
struct FontSpec {
    QString name = "MS Sans Serif";
    float size = 8.25f;
    bool bold = false;
};

// The installed family for a Windows face name: the free faces drawn to the same measures, so
// captions keep to their boxes. Tahoma is a narrow Verdana, and DejaVu Sans Condensed is cut the
// same way. Naming the installed family spares the font system a search for a stand-in (about a
// tenth of start-up); the search still runs for a face not in this table or not installed.
inline QString fontFamilyFor(const QString &face)
{
    static const std::pair<QLatin1String, QLatin1String> twins[] = {
        {QLatin1String("Tahoma"), QLatin1String("DejaVu Sans Condensed")},
        {QLatin1String("Arial"), QLatin1String("Liberation Sans")},
        {QLatin1String("Times New Roman"), QLatin1String("Liberation Serif")},
        {QLatin1String("MS Sans Serif"), QLatin1String("DejaVu Sans")},
    };
    for (const auto &[windowsFace, installed] : twins) {
        if (face.compare(windowsFace, Qt::CaseInsensitive) == 0)
            return installed;
    }
    return face;
}

// Point sizes become pixel sizes through the same twips factor, so text keeps its place in a box
// whatever the screen's own dots per inch.
inline QFont toQFont(const FontSpec &spec)
{
    QFont font(fontFamilyFor(spec.name));
    font.setPixelSize(
        std::max(1, static_cast<int>(std::lround(spec.size * TwipsPerPoint / TwipsPerPixel))));
    font.setBold(spec.bold);
    return font;
}
