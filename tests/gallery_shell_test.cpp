// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the shell's screens for the gallery; they also catch a screen that paints nothing.
#include "app/titlefrm.h"
#include "gallery.h"
#include "menus/intro0.h"
#include "programfixture.h"

#include <QImage>

namespace
{

using GalleryShell = ProgramFixture;

// Colour at a point given in twips on a screen.
QColor colourAt(const QImage &image, float x, float y)
{
    return image.pixelColor(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

} // namespace

TEST_F(GalleryShell, TitleScreenOverTheBackdrop)
{
    stage->resize(1024, 768);
    startProgram();
    ASSERT_TRUE(saveToGallery(*stage, "Titlefrm"));
    const QImage shot = stage->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(48, 133, 214));
    const Titlefrm &title = screens->titlefrm();
    // Inside the title screen, away from text: its grey.
    EXPECT_EQ(colourAt(shot, title.Left() + 100, title.Top() + 6300), QColor(192, 192, 192));
}

TEST_F(GalleryShell, MainMenu)
{
    startProgram();
    screens->titlefrm().Command1_Click();
    Intro0 &menu = screens->intro0();
    ASSERT_TRUE(saveToGallery(menu, "intro0"));
    const QImage shot = menu.grab().toImage();
    EXPECT_EQ(colourAt(shot, 6000, 2000), QColor(49, 27, 110));
    // Inside "Exit", left of its caption: the entry's black box.
    EXPECT_EQ(colourAt(shot, 10600, 8000), QColor(0, 0, 0));
    EXPECT_EQ(colourAt(shot, 200, 1150), QColor(0, 0, 128));
}
