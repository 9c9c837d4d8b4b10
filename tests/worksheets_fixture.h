// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "menus/intro0.h"
#include "platform/checkbox.h"
#include "quiz_fixture.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheets.h"

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

// The teachers' tools in a fresh classroom folder: the wizard filled as a teacher fills it, the
// worksheet index written as the tests need it, and what the folder holds afterwards.
class WorksheetsFixture : public ProgramFixture
{
protected:
    WorksheetsFixture()
    {
        stage->show();
        settings().SoundOn = 1;
    }

    // The wizard showing the sample set of the quiz tests under this title, the right answers
    // ticked.
    void fillWizard(const QString &title)
    {
        Wizard &wizard = screens->wizard();
        wizard.show();
        wizard.Text1->setText(title);
        for (int q = 0; q < 10; ++q) {
            wizard.Text2[q].setText(sampleSet[q][0]);
            for (int a = 0; a < 4; ++a) {
                wizard.Text3[4 * q + a].setText(sampleSet[q][a + 1]);
                wizard.Check1[4 * q + a].setValue(a + 1 == QString(sampleSet[q][5]).toInt());
            }
        }
    }

    void click(QWidget &control) { QTest::mouseClick(&control, Qt::LeftButton, {}, {8, 8}); }

    // An index listing "Worksheet 1" to "Worksheet <count>".
    void writeIndex(int count) const
    {
        QByteArray bytes = " " + QByteArray::number(count) + " \r\n";
        for (int n = 1; n <= count; ++n)
            bytes += "Worksheet " + QByteArray::number(n) + "\r\n";
        writeFile("multiple/track.txt", bytes);
    }

    void writeFile(const QString &path, const QByteArray &bytes) const
    {
        classroom.writeFile(path, bytes);
    }

    QByteArray fileBytes(const QString &path) const
    {
        QFile file(classroom.filePath(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file in the classroom folder with its size and time, to see that nothing was written.
    QStringList everyFile() const
    {
        QStringList files;
        QDirIterator it(classroom.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            files.append(file.filePath() + " " + QString::number(file.size()) + " " +
                         QString::number(file.lastModified().toMSecsSinceEpoch()));
        }
        files.sort();
        return files;
    }

    // The captions of the catalogue's visible title slots, slot 1 first.
    QStringList visibleSlots()
    {
        QStringList titles;
        for (int i = 1; i <= 24; ++i) {
            if (screens->worksheets().Label2[i].Visible())
                titles.append(screens->worksheets().Label2[i].Caption());
        }
        return titles;
    }
};
