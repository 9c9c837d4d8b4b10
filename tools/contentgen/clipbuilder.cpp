#include "builders.h"

#include "contenterror.h"
#include "recipe.h"
#include "synth.h"
#include "wavfile.h"

#include <QFile>
#include <QFileInfo>

namespace
{

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ContentError(path + ": cannot read");
    return QString::fromUtf8(file.readAll());
}

} // namespace

void buildClips(const QDir &sources, const QDir &out)
{
    const QDir clips(sources.filePath("clips"));
    if (!clips.exists())
        return;
    out.mkpath("wav");
    for (const QFileInfo &info : clips.entryInfoList({"*.clip"}, QDir::Files, QDir::Name)) {
        const QString path = info.filePath();
        const Recipe recipe = parseRecipe(readText(path), path);
        writeWav(out.filePath("wav/" + info.completeBaseName() + ".wav"),
                 renderRecipe(recipe, path), recipe.rate);
    }
}
