// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the four activity boards, at the start and completed, for people to look at; they
// also catch a board whose labels or boxes paint nothing.
#include "activities/activityboard.h"
#include "gallery.h"
#include "platform/label.h"
#include "programfixture.h"

#include <QImage>

namespace
{

struct Board {
    const char *name;
    ActivityBoard &(Screens::*open)();
    const char *title;
};

const Board boards[] = {
    {"propertieslab", &Screens::propertieslab, "Properties of Materials"},
    {"irreversiblelab", &Screens::irreversiblelab, "Changes in Materials"},
    {"propertiesord", &Screens::propertiesord, "Properties of Materials"},
    {"irreversibleord", &Screens::irreversibleord, "Changes in Materials"},
};

// Colour a few pixels inside a control's top-left corner, past its border.
QColor insideCorner(const QImage &shot, const Label &label)
{
    return shot.pixelColor(toPixels(label.Left()) + 3, toPixels(label.Top()) + 3);
}

using GalleryActivities = ProgramFixture;

} // namespace

TEST_F(GalleryActivities, EveryBoardAtTheStartAndCompleted)
{
    for (const Board &b : boards) {
        ActivityBoard &board = (screens.get()->*b.open)();
        board.open(b.title);
        ASSERT_TRUE(saveToGallery(board, QString(b.name) + "_start"));
        QImage shot = board.grab().toImage();
        // A label in its home box paints its black box; an empty target box shows the screen.
        EXPECT_EQ(insideCorner(shot, board.Label2[0]), QColor(0, 0, 0)) << b.name;
        EXPECT_EQ(insideCorner(shot, board.Label1[0]).blue(), 152) << b.name;

        for (int i = 0; i < board.count(); ++i) {
            board.Label2[i].setLeft(board.Label1[i].Left());
            board.Label2[i].setTop(board.Label1[i].Top());
            board.Label2_MouseUp(i, {1, 0, 0, 0});
        }
        ASSERT_TRUE(saveToGallery(board, QString(b.name) + "_completed"));
        shot = board.grab().toImage();
        EXPECT_EQ(insideCorner(shot, board.Label1[0]), QColor(0, 0, 0)) << b.name;
        EXPECT_TRUE(board.Label3[2].Visible()) << b.name;
        screens->unload(board);
        finishHandlers();
    }
}
