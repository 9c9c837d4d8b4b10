// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the wizard and the catalogue for the gallery.
#include "gallery.h"
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
