// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/contentpath.h"
#include "tempclassroom.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace
{

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

QByteArray readAbsolute(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ContentPath, SeparatorsAndLetterCaseReachTheSameFile)
{
    const TempClassroom dir;
    dir.makeFolder("multiple");
    dir.writeFile("multiple/track.txt", "");
    const QString expected = canonical(dir.filePath("multiple/track.txt"));
    for (const QString path : {"multiple\\track.txt", "multiple/track.txt", "MULTIPLE\\Track.TXT",
                               "Multiple/TRACK.txt"}) {
        SCOPED_TRACE(path.toStdString());
        const QString resolved = dir.folder().resolve(path);
        EXPECT_TRUE(QFileInfo(resolved).isAbsolute());
        EXPECT_EQ(canonical(resolved), expected);
    }
}

TEST(ContentPath, ExactSpellingWinsOverOtherCases)
{
    const TempClassroom dir;
    dir.makeFolder("Images");
    dir.makeFolder("images");
    dir.writeFile("Images/a.jpg", "upper");
    dir.writeFile("images/a.jpg", "lower");
    EXPECT_EQ(readAbsolute(dir.folder().resolve("Images\\a.jpg")), "upper");
    EXPECT_EQ(readAbsolute(dir.folder().resolve("images\\a.jpg")), "lower");
}

TEST(ContentPath, MissingComponentsKeepTheirSpelling)
{
    const TempClassroom dir;
    dir.makeFolder("multiple");
    const QString here = dir.path();
    EXPECT_EQ(dir.folder().resolve("MULTIPLE\\New Sheet.txt"), here + "/multiple/New Sheet.txt");
    EXPECT_EQ(dir.folder().resolve("Nowhere\\Sub/X.txt"), here + "/Nowhere/Sub/X.txt");
}

} // namespace
