// SPDX-License-Identifier: GPL-3.0-or-later
// The page viewer and the guide viewer, opened as the menus open them: pages, paging entries,
// captions, the logo animation and the print run.
#include "gallery.h"
#include "menus/intro0.h"
#include "menus/topicmenu.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "programfixture.h"
#include "viewers/guide.h"
#include "viewers/teacher.h"

#include <QPainter>
#include <QTest>
#include <gmock/gmock.h>

using testing::HasSubstr;

namespace
{

class ViewerTest : public ProgramFixture
{
protected:
    ViewerTest()
    {
        stage->show();
        screens->intro0().show();
        sound.played.clear();
    }
    // The viewer's state: caption (empty when hidden), Previous and Next live or not, the files.
    static QString stateOf(PageViewer &viewer)
    {
        const auto live = [](Label &entry) {
            return entry.isVisible() && entry.isEnabled() ? QStringLiteral("on")
                                                          : QStringLiteral("off");
        };
        return (viewer.Label1->isVisible() ? viewer.Label1->Caption() : QString()) + " | " +
               live(viewer.Label3[3]) + " " + live(viewer.Label3[2]) + " | " +
               viewer.Image1->pictureFile() + " " + viewer.Image2->pictureFile();
    }
};

const QStringList printRun{"Print", "PaintPicture 1000 1000", "EndDoc"};

} // namespace

TEST_F(ViewerTest, KeyFactsPageForwardAndBackAndPrintThePageShown)
{
    screens->intro0().Label2_Click(3);
    screens->properties().label3_Click(4);
    Teacher &viewer = screens->teacher();
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(stateOf(viewer),
              "Page 1 of 2 | off on | wmf\\key propertiesa.wmf wmf2\\key propertiesa.wmf");
    viewer.Label3_Click(2);
    EXPECT_EQ(stateOf(viewer),
              "Page 2 of 2 | on off | wmf\\key propertiesb.wmf wmf2\\key propertiesb.wmf");
    EXPECT_FALSE(viewer.Image2->picture().isHeld()) << "the print copy waits on disk";
    sound.played.clear();
    viewer.Label3_Click(0);
    EXPECT_EQ(printer.records(), printRun);
    ASSERT_EQ(printer.pictures().size(), 1);
    EXPECT_FALSE(printer.pictures().front().isNull());
    viewer.Label3_Click(3);
    EXPECT_EQ(stateOf(viewer),
              "Page 1 of 2 | off on | wmf\\key propertiesa.wmf wmf2\\key propertiesa.wmf");
    EXPECT_TRUE(sound.played.isEmpty()) << "the viewer plays no click";
    EXPECT_TRUE(messageBoxes.asked.isEmpty()) << messageBoxes.asked.join('\n').toStdString();
    viewer.Label3_Click(1);
    EXPECT_FALSE(screens->isLoaded("teacher"));
    EXPECT_TRUE(screens->properties().isVisible());
}

TEST_F(ViewerTest, TeachersNotesOpenOnTheirFirstPage)
{
    screens->intro0().Label2_Click(12);
    screens->irreversible().label3_Click(5);
    EXPECT_EQ(stateOf(screens->teacher()),
              "Page 1 of 2 | off on | wmf\\irreversiblea.wmf wmf2\\irreversiblea.wmf");
}

TEST_F(ViewerTest, GuidePagesThroughThreePagesAndLosesItsBoxesOnTheBareScreen)
{
    viewerState().ViewerPage = 3;
    screens->intro0().Label2_Click(20);
    Guide &guide = screens->guide();
    const QString pages[] = {
        "Page 1 of 3 | off on | wmf\\guide1.wmf wmf2\\guide1.wmf",
        "Page 2 of 3 | on on | wmf\\guide2.wmf wmf2\\guide2.wmf",
        "Page 3 of 3 | on off | wmf\\guide3.wmf wmf2\\guide3.wmf",
    };
    EXPECT_EQ(stateOf(guide), pages[0]);
    for (const int step : {2, 2, 3, 3}) {
        guide.Label3_Click(step);
        EXPECT_EQ(stateOf(guide), pages[viewerState().ViewerPage - 1]);
    }
    EXPECT_EQ(viewerState().ViewerPage, 1);

    guide.Form_MouseMove({});
    for (const auto &[index, label] : guide.Label3)
        EXPECT_EQ(label->backStyle(), BackStyle::Transparent) << index;
    guide.Label3_MouseMove(0);
    EXPECT_EQ(guide.Label3[0].backStyle(), BackStyle::Transparent) << "no highlight";
    guide.Label3_Click(0);
    EXPECT_EQ(printer.records(), printRun);
    EXPECT_TRUE(messageBoxes.asked.isEmpty()) << messageBoxes.asked.join('\n').toStdString();

    printer.failOn("EndDoc");
    guide.Label3_Click(0);
    ASSERT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_TRUE(
        messageBoxes.asked.front().startsWith("There was a problem printing to your printer."));
}

// A page whose print copy won't load is told when it is shown and again at "Print", which then
// sends nothing: neither a blank page nor the copy of the page shown before.
TEST_F(ViewerTest, APageWithoutItsPrintCopyIsToldAndNeverPrinted)
{
    classroom.remove("wmf2/guide1.wmf");
    classroom.writeFile("wmf2/guide2.wmf", "not a metafile");
    screens->intro0().Label2_Click(20);
    Guide &guide = screens->guide();
    const auto clickPrint = [&] { QTest::mouseClick(&guide.Label3[0], Qt::LeftButton); };
    const auto lastMessage = [&] { return messageBoxes.asked.last().toStdString(); };
    ASSERT_EQ(messageBoxes.asked.size(), 1);
    EXPECT_THAT(lastMessage(), HasSubstr("guide1.wmf"));
    clickPrint();
    EXPECT_TRUE(printer.records().isEmpty()) << "a blank page went to the printer";
    ASSERT_EQ(messageBoxes.asked.size(), 2);
    EXPECT_THAT(lastMessage(), HasSubstr("This page was not printed, as its print copy could not "
                                         "be loaded: "));
    EXPECT_THAT(lastMessage(), HasSubstr("guide1.wmf"));

    guide.Label3_Click(2);
    guide.Label3_Click(2);
    clickPrint();
    EXPECT_EQ(printer.records(), printRun) << "page 3 prints";
    guide.Label3_Click(3);
    EXPECT_THAT(lastMessage(), HasSubstr("guide2.wmf: damaged metafile"));
    const qsizetype told = messageBoxes.asked.size();
    clickPrint();
    EXPECT_EQ(printer.records(), printRun) << "page 3 printed again in page 2's place";
    ASSERT_EQ(messageBoxes.asked.size(), told + 1);
    EXPECT_THAT(lastMessage(), HasSubstr("guide2.wmf: damaged metafile"));
}

TEST_F(ViewerTest, AcknowledgmentsAreOnePageWithALogoThatCarriesOnAcrossOpenings)
{
    screens->intro0().Label2_Click(19);
    Teacher &viewer = screens->teacher();
    EXPECT_EQ(stateOf(viewer), " | off off | wmf\\acknowledgments.wmf wmf2\\acknowledgments.wmf");
    EXPECT_EQ(viewer.BackColor(), QColor(49, 130, 212));
    EXPECT_FALSE(viewer.Picture1->isVisible());
    QStringList frames;
    for (int tick = 1; tick <= 21; ++tick) {
        clock.advance(25);
        frames.append(viewer.Picture1->pictureFile());
    }
    EXPECT_EQ(frames[0], "logo\\orrb0001.gif");
    EXPECT_EQ(frames[8], "logo\\orrb0009.gif");
    EXPECT_EQ(frames[9], "logo\\orrb0010.gif");
    EXPECT_EQ(frames[18], "logo\\orrb0019.gif");
    EXPECT_EQ(frames[19], "logo\\orrb0000.gif");
    EXPECT_TRUE(viewer.Picture1->isVisible() && viewer.Picture2->isVisible());
    EXPECT_FALSE(viewer.Picture2->picture().isNull());
    ASSERT_TRUE(saveToGallery(viewer, "teacher-acknowledgments"));

    viewer.Label3_Click(1);
    finishHandlers();
    screens->intro0().Label2_Click(19);
    clock.advance(25);
    EXPECT_EQ(screens->teacher().Picture1->pictureFile(), "logo\\orrb0002.gif");
    EXPECT_TRUE(messageBoxes.asked.isEmpty()) << messageBoxes.asked.join('\n').toStdString();
}

TEST_F(ViewerTest, ASetOfOnePageShowsNeitherCaptionNorPaging)
{
    viewerState().ViewerPageCount = 1;
    Teacher &viewer = screens->teacher();
    EXPECT_FALSE(viewer.Label1->isVisibleTo(&viewer));
    EXPECT_FALSE(viewer.Label3[2].isVisibleTo(&viewer));
    EXPECT_FALSE(viewer.Label3[3].isVisibleTo(&viewer));
}

// Every page in both copies, for people to look at: the screen copy as the viewer shows it, the
// print copy on white as it comes out on paper.
TEST_F(ViewerTest, GalleryOfEveryPage)
{
    const QStringList pages{"key propertiesa",
                            "key propertiesb",
                            "key irreversiblea",
                            "key irreversibleb",
                            "propertiesa",
                            "propertiesb",
                            "irreversiblea",
                            "irreversibleb",
                            "guide1",
                            "guide2",
                            "guide3",
                            "acknowledgments"};
    Teacher &viewer = screens->teacher();
    viewer.show();
    for (const QString &page : pages) {
        SCOPED_TRACE(page.toStdString());
        viewer.Image1->LoadPicture("wmf\\" + page + ".wmf");
        viewer.Image2->LoadPicture("wmf2\\" + page + ".wmf");
        ASSERT_TRUE(saveToGallery(viewer, "page-" + page));
        const Picture &print = viewer.Image2->picture();
        QImage paper(toPixels(static_cast<float>(print.sizeTwips().width())),
                     toPixels(static_cast<float>(print.sizeTwips().height())),
                     QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter painter(&paper);
        print.draw(painter, QRectF(paper.rect()));
        painter.end();
        ASSERT_TRUE(paper.save(QStringLiteral(KELVARIN_GALLERY_DIR) + "/print-" + page + ".png"));
    }
}
