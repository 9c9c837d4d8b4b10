// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheettitle.h"

#include <QStringList>
#include <algorithm>

namespace
{

const QString forbiddenCharacters = QStringLiteral("/\\:*?\"<>|");

bool hasForbiddenCharacter(const QString &title)
{
    return std::any_of(title.begin(), title.end(), [](QChar c) {
        return forbiddenCharacters.contains(c) || c.category() == QChar::Other_Control;
    });
}

bool onlyDots(const QString &title)
{
    return !title.isEmpty() &&
           std::all_of(title.begin(), title.end(), [](QChar c) { return c == u'.'; });
}

// Windows opens a device, not a file, for these names whatever extension follows them.
bool namesWindowsDevice(const QString &title)
{
    static const QStringList devices = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    QString base = title.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    return devices.contains(base, Qt::CaseInsensitive);
}

} // namespace

QString worksheetFile(const QString &title)
{
    return "multiple/" + title + ".txt";
}

QString titleProblem(const QString &title)
{
    if (hasForbiddenCharacter(title))
        return QStringLiteral("The title can't contain / \\ : * ? \" < > | or a tab.");
    if (onlyDots(title))
        return QStringLiteral("The title can't be only dots.");
    if (namesWindowsDevice(title))
        return "Windows keeps the name " + title.section(u'.', 0, 0).trimmed() +
               " for itself; please choose another title.";
    // Letter case doesn't tell files apart in a classroom folder.
    if (title.compare(QStringLiteral("track"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("The name track is kept for the list of worksheets; please choose "
                              "another title.");
    return {};
}

bool isTopicQuiz(const QString &title)
{
    static const QStringList topicQuizzes = {QStringLiteral("Properties of Materials"),
                                             QStringLiteral("Changes in Materials")};
    return topicQuizzes.contains(title, Qt::CaseInsensitive);
}
