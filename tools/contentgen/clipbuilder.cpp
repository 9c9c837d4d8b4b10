// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders.h"

#include "contenterror.h"
#include "recipe.h"
#include "synth.h"
#include "wavfile.h"

#include <QFileInfo>

void buildClips(const QDir &sources, const QDir &out)
{
    const QDir clips(sources.filePath("clips"));
    if (!clips.exists())
        return;
    out.mkpath("wav");
    for (const QFileInfo &info : clips.entryInfoList({"*.clip"}, QDir::Files, QDir::Name)) {
        const QString path = info.filePath();
        const Recipe recipe = parseRecipe(readSourceText(path), path);
        writeWav(out.filePath("wav/" + info.completeBaseName() + ".wav"),
                 renderRecipe(recipe, path), recipe.rate);
    }
}
