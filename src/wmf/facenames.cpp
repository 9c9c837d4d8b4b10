// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmf/facenames.h"

#include <QLatin1String>
#include <utility>

namespace
{

struct FaceTwin {
    QLatin1String windowsFace;
    QLatin1String installed;
};

// Tahoma is a narrow Verdana, and DejaVu Sans Condensed is cut the same way.
constexpr FaceTwin twins[] = {
    {QLatin1String("Tahoma"), QLatin1String("DejaVu Sans Condensed")},
    {QLatin1String("Arial"), QLatin1String("Liberation Sans")},
    {QLatin1String("Times New Roman"), QLatin1String("Liberation Serif")},
    {QLatin1String("MS Sans Serif"), QLatin1String("DejaVu Sans")},
    {QLatin1String("Courier New"), QLatin1String("Liberation Mono")},
};

// Names a font may be asked for by that stand for a kind of face rather than one face.
constexpr std::pair<QLatin1String, QLatin1String> generics[] = {
    {QLatin1String(""), QLatin1String("Arial")},
    {QLatin1String("sans-serif"), QLatin1String("Arial")},
    {QLatin1String("sans"), QLatin1String("Arial")},
    {QLatin1String("helvetica"), QLatin1String("Arial")},
    {QLatin1String("serif"), QLatin1String("Times New Roman")},
    {QLatin1String("monospace"), QLatin1String("Courier New")},
};

} // namespace

QString installedFamilyFor(const QString &windowsFace)
{
    for (const FaceTwin &twin : twins) {
        if (windowsFace.compare(twin.windowsFace, Qt::CaseInsensitive) == 0)
            return twin.installed;
    }
    return windowsFace;
}

QString windowsFaceFor(const QString &family)
{
    const QString name = family.trimmed();
    for (const FaceTwin &twin : twins) {
        if (name.compare(twin.windowsFace, Qt::CaseInsensitive) == 0 ||
            name.compare(twin.installed, Qt::CaseInsensitive) == 0)
            return twin.windowsFace;
    }
    for (const auto &[generic, face] : generics) {
        if (name.compare(generic, Qt::CaseInsensitive) == 0)
            return face;
    }
    return name;
}
