// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders.h"
#include "contenterror.h"
#include "iconbuilder.h"
#include "pagebuilder.h"

#include <QGuiApplication>
#include <iostream>

namespace
{

// The output folder is ours to empty only if we made it: it is either new, empty, or marked.
const char *const ownMark = ".contentgen";

void prepareOutput(const QString &path)
{
    QDir out(path);
    const bool ours = !out.exists() ||
                      out.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden) ||
                      out.exists(ownMark);
    if (!ours)
        throw ContentError(path + ": holds files contentgen did not write; not emptying it");
    if (out.exists() && !out.removeRecursively())
        throw ContentError(path + ": cannot empty the folder");
    if (!QDir().mkpath(path) || !QFile(out.filePath(ownMark)).open(QIODevice::WriteOnly))
        throw ContentError(path + ": cannot create the folder");
}

} // namespace

// Builds the classroom content folders from their sources, afresh each time.
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // fonts and painting for the SVG art
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (argc != 3 && !(argc == 4 && mode == "--preview") && !(argc == 5 && mode == "--icons")) {
        std::cerr << "usage: contentgen <content-source-folder> <output-folder>\n"
                     "       contentgen --preview <pages-folder> <png-folder>\n"
                     "       contentgen --icons <emblem.svg> <icon-folder> <icon-name>\n";
        return 2;
    }
    try {
        if (mode == "--icons") {
            buildIcons(QString::fromLocal8Bit(argv[2]), QDir(QString::fromLocal8Bit(argv[3])),
                       QString::fromLocal8Bit(argv[4]));
            return 0;
        }
        if (argc == 4) {
            previewPages(QDir(QString::fromLocal8Bit(argv[2])),
                         QDir(QString::fromLocal8Bit(argv[3])));
            return 0;
        }
        const QDir sources(QString::fromLocal8Bit(argv[1]));
        const QString outPath = QString::fromLocal8Bit(argv[2]);
        if (!sources.exists())
            throw ContentError(sources.path() + ": no such folder");
        prepareOutput(outPath);
        const QDir out(outPath);
        buildArt(sources, out);
        buildClips(sources, out);
        buildTexts(sources, out);
        buildPages(QDir(sources.filePath("pages")), out);
    } catch (const ContentError &e) {
        std::cerr << "contentgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
