// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/pageviewer.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "files/errors.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "printing/printer.h"
#include "printing/printrun.h"
#include "viewers/viewerslog.h"
#include "viewers/viewerstate.h"

namespace
{

const ButtonSpec entries[] = {
    {PageViewer::Print, {10680, 120, 1125, 495}, "Print"},
    {PageViewer::Exit, {10680, 7920, 1125, 495}, "Exit"},
    {PageViewer::NextPage, {6720, 7920, 2685, 495}, "Next Page"},
    {PageViewer::PreviousPage, {1320, 7920, 2685, 495}, "Previous Page", true, false},
};

} // namespace

PageViewer::PageViewer(Screens &screens, TwipsRect printCopyPlace)
    : Form(screens.stage(), lcViewers()), m_screens(screens)
{
    // The page comes first, so the caption and the entries always lie above it.
    Image1 = new Image(this);
    Image1->setPlace({120, 0, 0, 0});
    Image1->onMouseMove = [this](const MouseArgs &) { Image1_MouseMove(); };
    Image2 = new Image(this);
    Image2->setPlace(printCopyPlace);
    Image2->hide();
    // Only the page on screen is held in memory; its print copy is read again to print.
    Image2->setLeavesOnDisk(true);
    Label1 = makeLabel(this, {"",
                              {4200, 7920, 2295, 495},
                              {"Tahoma", 15.75f, true},
                              Colour::black,
                              Colour::white,
                              BackStyle::Opaque,
                              Alignment::Center});
    makeButtons(
        this, Label3, entries, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); }, ButtonEdge::Plain);
}

void PageViewer::Label3_Click(int index)
{
    ViewerState &m = m_screens.state<ViewerState>();
    switch (index) {
    case Print:
        Printpage();
        break;
    case Exit:
        m_screens.unload(*this);
        break;
    case NextPage:
        m.ViewerPage += 1;
        pageTurned(Forward);
        break;
    case PreviousPage:
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
    loadPrintCopy(printFile);
}

void PageViewer::loadPrintCopy(const QString &file)
{
    m_printCopyFault.clear();
    carryOn(*this, [&] {
        try {
            Image2->LoadPicture(file);
        } catch (const std::exception &error) {
            Image2->setPicture(Picture());
            m_printCopyFault = QString::fromLocal8Bit(error.what());
            throw;
        }
    });
}

// An empty line starts the document; the print copy goes on at its own size.
void PageViewer::Printpage()
{
    // A page without its print copy would come out blank, and look like it had printed.
    if (Image2->picture().isNull()) {
        throw FileError(m_printCopyFault.isEmpty()
                            ? "This page was not printed, as it has no print copy."
                            : "This page was not printed, as its print copy could not be loaded: " +
                                  m_printCopyFault.toStdString());
    }
    // The viewers say nothing when printing works, but a teacher must hear when it didn't.
    Platform &platform = m_screens.platform();
    // Read before the document starts, so a copy gone since it was shown leaves no half job.
    const Picture printCopy = Image2->picture().held();
    printRun(platform.printer, platform.messageBoxes, [&] {
        platform.printer.Print();
        platform.printer.PaintPicture(printCopy, 1000, 1000);
    });
}
