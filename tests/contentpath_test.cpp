#include "platform/contentpath.h"
#include "tempcurrentdir.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace
{

QString canonical(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

TEST(ContentPath, SeparatorsAndLetterCaseReachTheSameFile)
{
    TempCurrentDir dir;
    TempCurrentDir::makeFolder("multiple");
    TempCurrentDir::writeFile("multiple/track.txt", "");
    const QString expected = canonical("multiple/track.txt");
    for (const QString path : {"multiple\\track.txt", "multiple/track.txt", "MULTIPLE\\Track.TXT",
                               "Multiple/TRACK.txt"}) {
        SCOPED_TRACE(path.toStdString());
        const QString resolved = resolveContentPath(path);
        EXPECT_TRUE(QFileInfo(resolved).isAbsolute());
        EXPECT_EQ(canonical(resolved), expected);
    }
}

TEST(ContentPath, ExactSpellingWinsOverOtherCases)
{
    TempCurrentDir dir;
    TempCurrentDir::makeFolder("Images");
    TempCurrentDir::makeFolder("images");
    TempCurrentDir::writeFile("Images/a.jpg", "upper");
    TempCurrentDir::writeFile("images/a.jpg", "lower");
    EXPECT_EQ(TempCurrentDir::readFile(resolveContentPath("Images\\a.jpg")), "upper");
    EXPECT_EQ(TempCurrentDir::readFile(resolveContentPath("images\\a.jpg")), "lower");
}

TEST(ContentPath, MissingComponentsKeepTheirSpelling)
{
    TempCurrentDir dir;
    TempCurrentDir::makeFolder("multiple");
    const QString here = QDir::currentPath();
    EXPECT_EQ(resolveContentPath("MULTIPLE\\New Sheet.txt"), here + "/multiple/New Sheet.txt");
    EXPECT_EQ(resolveContentPath("Nowhere\\Sub/X.txt"), here + "/Nowhere/Sub/X.txt");
}

} // namespace
