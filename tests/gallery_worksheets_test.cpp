// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the wizard, the catalogue and the class record's teachers' screen for the gallery.
#include "classrecord/classsettings.h"
#include "gallery.h"
#include "platform/multilinebox.h"
#include "worksheets/recordsettings.h"
#include "worksheets_fixture.h"

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
