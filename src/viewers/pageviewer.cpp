#include "viewers/pageviewer.h"

#include "app/screens.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/printer.h"
#include "platform/printrun.h"

namespace
{

const QColor yellow(255, 255, 0);
const QColor black(0, 0, 0);
const QColor white(255, 255, 255);

struct Entry {
    int index;
    const char *caption;
    TwipsRect place;
    bool enabled;
};

const Entry entries[] = {
    {0, "Print", {10680, 120, 1125, 495}, true},
    {1, "Exit", {10680, 7920, 1125, 495}, true},
    {2, "Next Page", {6720, 7920, 2685, 495}, true},
    {3, "Previous Page", {1320, 7920, 2685, 495}, false},
};

} // namespace

PageViewer::PageViewer(Screens &screens, TwipsRect printCopyPlace)
    : Form(screens.stage()), m_screens(screens)
{
    // The page comes first, so the caption and the entries always lie above it.
    Image1 = new Image(this);
    Image1->setPlace({120, 0, 0, 0});
    Image1->onMouseMove = [this](const MouseArgs &) { Image1_MouseMove(); };
    Image2 = new Image(this);
    Image2->setPlace(printCopyPlace);
    Image2->hide();
    Label1 = makeLabel(this, {"",
                              {4200, 7920, 2295, 495},
                              {"Tahoma", 15.75f, true},
                              black,
                              white,
                              BackStyle::Opaque,
                              Alignment::Center});
    for (const Entry &entry : entries) {
        Label *label = makeLabel(this, {entry.caption,
                                        entry.place,
                                        {"Tahoma", 15.75f, true},
                                        yellow,
                                        black,
                                        BackStyle::Opaque,
                                        Alignment::Center});
        label->setEnabled(entry.enabled);
        const int index = entry.index;
        label->onClick = [this, index] { Label3_Click(index); };
        label->onMouseMove = [this, index](const MouseArgs &) { Label3_MouseMove(index); };
        Label3.add(index, label);
    }
}

void PageViewer::Label3_Click(int index)
{
    Module1 &m = m_screens.module1();
    switch (index) {
    case 0:
        Printpage();
        break;
    case 1:
        m_screens.unload(*this);
        break;
    case 2:
        m.ViewerPage += 1;
        pageTurned(Forward);
        break;
    case 3:
        m.ViewerPage -= 1;
        pageTurned(Back);
        break;
    default:
        break;
    }
}

void PageViewer::loadPage(const QString &screenFile, const QString &printFile)
{
    carryOn(*this, [&] { Image1->LoadPicture(screenFile); });
    carryOn(*this, [&] { Image2->LoadPicture(printFile); });
}

// An empty line starts the document; the print copy goes on at its own size.
void PageViewer::Printpage()
{
    // The viewers say nothing when printing works, but a teacher must hear when it didn't.
    Platform &platform = m_screens.platform();
    printRun(platform.printer, platform.messageBoxes, [&] {
        platform.printer.Print();
        platform.printer.PaintPicture(Image2->picture(), 1000, 1000);
    });
}
