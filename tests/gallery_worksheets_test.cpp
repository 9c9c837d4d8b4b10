// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the wizard, the catalogue, the class record's teachers' screen and the Class Record
// for the gallery.
#include "classrecord/classrecord.h"
#include "classrecord/classsettings.h"
#include "gallery.h"
#include "platform/multilinebox.h"
#include "platform/tablebox.h"
#include "quiz/questionset.h"
#include "worksheets/classrecordscreen.h"
#include "worksheets/recordsettings.h"
#include "worksheets_fixture.h"

#include <QTableWidget>

#include <QImage>

namespace
{

using GalleryWorksheets = WorksheetsFixture;

QColor colourAt(const QImage &image, float x, float y)
{
    return image.pixelColor(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

} // namespace

TEST_F(GalleryWorksheets, WizardEmptyAndFilled)
{
    Wizard &wizard = screens->wizard();
    wizard.show();
    ASSERT_TRUE(saveToGallery(wizard, "wizard_empty"));
    const QImage empty = wizard.grab().toImage();
    EXPECT_EQ(colourAt(empty, 6000, 8400), QColor(0, 78, 152));
    // Inside question 1's box and inside "Exit", away from text.
    EXPECT_EQ(colourAt(empty, 5000, 1000), QColor(255, 255, 255));
    EXPECT_EQ(colourAt(empty, 10600, 7980), QColor(0, 0, 0));

    fillWizard("Properties of Materials, 2");
    ASSERT_TRUE(saveToGallery(wizard, "wizard_filled"));
}

TEST_F(GalleryWorksheets, CatalogueFirstAndLastPage)
{
    writeIndex(1000);
    Worksheets &catalogue = screens->worksheets();
    catalogue.show();
    ASSERT_TRUE(saveToGallery(catalogue, "worksheets_first"));
    const QImage first = catalogue.grab().toImage();
    EXPECT_EQ(colourAt(first, 300, 7950), QColor(255, 255, 255)) << "the page caption's box";
    for (int page = 2; page <= 42; ++page)
        click(catalogue.Label3[1]);
    ASSERT_TRUE(saveToGallery(catalogue, "worksheets_last"));
}

// "Rebuild the list" sits under the bottom row, clear of the page buttons and "Exit".
TEST_F(GalleryWorksheets, CatalogueOfferingToRebuildADamagedList)
{
    writeIndex(30);
    writeFile("multiple/track.txt", fileBytes("multiple/track.txt").replace(" 30 ", " 31 "));
    Worksheets &catalogue = screens->worksheets();
    catalogue.show();
    ASSERT_TRUE(saveToGallery(catalogue, "worksheets_damaged"));
    const QImage damaged = catalogue.grab().toImage();
    EXPECT_EQ(colourAt(damaged, 4500, 8500), QColor(0, 0, 0)) << "inside the button's box";
}

// The teachers' screen asking for the PIN, open with a class list, and choosing a new PIN.
TEST_F(GalleryWorksheets, ClassRecordSettingsLockedOpenAndChoosingAPin)
{
    ClassRecordSettings settings(classroom.folder());
    settings.setClassList("Amira\nBen\nZoë\nMohammed\nOlek\n");
    settings.setPin("4821");
    RecordSettings &screen = screens->recordSettings();
    screen.open();
    screen.Text1->setText("48");
    ASSERT_TRUE(saveToGallery(screen, "recordsettings_locked"));
    EXPECT_EQ(colourAt(screen.grab().toImage(), 7200, 3360), QColor(255, 255, 255))
        << "inside the PIN box, clear of the dots";

    screen.Text1->setText("4821");
    click(screen.Label3[RecordSettings::Ok]);
    ASSERT_TRUE(saveToGallery(screen, "recordsettings_open"));
    EXPECT_EQ(colourAt(screen.grab().toImage(), 3000, 7000), QColor(255, 255, 255))
        << "inside the class list, below the names";

    click(screen.Label3[RecordSettings::ChangePin]);
    ASSERT_TRUE(saveToGallery(screen, "recordsettings_newpin"));
}

namespace
{

// A class of 28 a few weeks into term: two topic quizzes, two worksheets and three activities,
// some done more than once, three children who have not started.
void writeClassRecord(const ContentFolder &classroom)
{
    const QStringList names{"Aisha",  "Ben",   "Chloe", "Daniel", "Ella", "Finn",  "Grace",
                            "Harry",  "Isla",  "Jack",  "Keira",  "Leo",  "Maya",  "Noah",
                            "Olivia", "Priya", "Quinn", "Ruby",   "Sam",  "Tia",   "Umar",
                            "Violet", "Will",  "Xena",  "Yusuf",  "Zoë",  "Alfie", "Bea"};
    ClassRecordSettings(classroom).setClassList(names.join('\n'));
    struct Item {
        AttemptKind kind;
        QString title;
    };
    const Item items[] = {{AttemptKind::Quiz, "Properties of Materials"},
                          {AttemptKind::Quiz, "Changes in Materials"},
                          {AttemptKind::Worksheet, "Magnets"},
                          {AttemptKind::Worksheet, "Rocks and Soils"},
                          {AttemptKind::Activity, "Properties of Materials: Labelling"},
                          {AttemptKind::Activity, "Properties of Materials: Sorting"},
                          {AttemptKind::Activity, "Changes in Materials: Labelling"}};
    const ClassRecord record(classroom);
    const QDateTime start = periodStart(Period::ThisTerm, QDateTime::currentDateTime()).addDays(7);
    // The topics' sets were in the folder before the term began.
    for (const char *topic : {"Properties of Materials", "Changes in Materials"}) {
        QFile set(classroom.resolve(topicQuestionSetFile(topic)));
        if (set.open(QIODevice::Append))
            set.setFileTime(start.addDays(-30), QFileDevice::FileModificationTime);
    }
    int n = 0;
    for (int pupil = 0; pupil < names.size() - 3; ++pupil) {
        for (const Item &item : items) {
            const int tries = (pupil + n) % 5 == 0 ? 0 : 1 + (pupil * 7 + n) % 3;
            ++n;
            for (int go = 0; go < tries; ++go, ++n) {
                Attempt attempt{start.addSecs(qint64(n) * 3700),
                                names[pupil],
                                "room-1",
                                item.kind,
                                item.title,
                                0,
                                10,
                                {}};
                attempt.outOf = item.kind == AttemptKind::Activity ? 12 : 10;
                attempt.score = std::min(attempt.outOf, (pupil * 5 + n * 3) % 7 + 3 + go * 2);
                if (item.kind != AttemptKind::Activity)
                    for (int q = 1; q <= 10 - attempt.score; ++q)
                        attempt.wrong.append(
                            {(q * 3 + pupil) % 10 + 1, QString(QChar(u'A' + (q + pupil) % 4))});
                record.append(attempt);
            }
        }
    }
}

} // namespace

TEST_F(GalleryWorksheets, ClassRecordEmptyAndInTerm)
{
    ClassRecordScreen &screen = screens->classRecordScreen();
    screen.open();
    ASSERT_TRUE(saveToGallery(screen, "classrecord_empty"));

    writeClassRecord(classroom.folder());
    screen.open();
    QTableWidget &table = *screen.Table1->table();
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualItemRect(table.item(3, 1)).center());
    ASSERT_TRUE(saveToGallery(screen, "classrecord"));
    const QImage shown = screen.grab().toImage();
    EXPECT_EQ(colourAt(shown, 10425, 1020), Colour::bandHigh) << "the key's top band";
}
