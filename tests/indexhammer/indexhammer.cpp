// SPDX-License-Identifier: GPL-3.0-or-later
// Changes the worksheet index of the classroom folder it runs in as a second machine sharing that
// folder would: adds "<name> 1" to "<name> <count>" and, after each even one, removes the one
// before it. Exits with 1 and the reason on stderr at the first change that fails.
#include "files/contentpath.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

namespace
{

// Teachers take far longer between two saves; a short pause is enough to give the other process
// its turns, as it would have them.
void takeABreath()
{
    QThread::msleep(QRandomGenerator::global()->bounded(2, 7));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: index_hammer <name> <count>\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    const int count = QString::fromLocal8Bit(argv[2]).toInt();
    auto title = [&name](int n) { return name + " " + QString::number(n); };
    const ContentFolder classroom(QDir::currentPath());
    WorksheetList m;
    try {
        for (int n = 1; n <= count; ++n) {
            addEntry(classroom, m, title(n));
            takeABreath();
            if (n % 2 == 0) {
                m.SelectedWorksheet = title(n - 1);
                removeEntry(classroom, m);
                takeABreath();
            }
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
