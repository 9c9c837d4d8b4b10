// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/teacher.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/palette.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "viewers/viewerstate.h"

namespace
{

// Page 1 is "a", page 2 "b", page 3 "c"; a set has at most three pages.
QString pageFile(const QString &folder, const QString &setName, int page)
{
    return folder + u'\\' + setName + QChar(u'a' + page - 1) + QStringLiteral(".wmf");
}

QString logoFrameFile(int frame)
{
    return QStringLiteral("logo\\orrb00%1.gif").arg(frame, 2, 10, QChar(u'0'));
}

} // namespace

Teacher::Teacher(Screens &screens) : PageViewer(screens, {0, 0, 0, 0})
{
    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setPlace({9000, 4320, 1800, 1800});
    Picture1->hide();
    Picture2 = new PictureBox(this);
    Picture2->setPlace({9030, 6240, 1800, 1335});
    Picture2->hide();
    Timer1 = &addTimer(25);
    Timer1->onTimer = [this] { Timer1_Timer(); };
}

void Teacher::Form_Load()
{
    ApplyScreenStyle(*this);
    hidePagingOfASinglePage();
    m_screens.state<ViewerState>().ViewerPage = 1;
    captionThePage();
}

void Teacher::hidePagingOfASinglePage()
{
    if (m_screens.state<ViewerState>().ViewerPageCount == 1) {
        Label1->hide();
        Label3[NextPage].hide();
        Label3[PreviousPage].hide();
    }
}

void Teacher::openPageSet(const QString &setName, int pageCount)
{
    ViewerState &m = m_screens.state<ViewerState>();
    m.ViewerPageCount = pageCount;
    m.PageSetName = setName;
    hidePagingOfASinglePage();
    captionThePage();
    carryOn(*this, [&] { Image1->LoadPicture(pageFile("wmf", setName, 1)); });
    loadPrintCopy(pageFile("wmf2", setName, 1));
    show();
}

// A single page: no caption, no paging, the logo animated beside it.
void Teacher::openAcknowledgments()
{
    Label1->hide();
    Label3[NextPage].hide();
    Label3[PreviousPage].hide();
    carryOn(*this, [this] { Image1->LoadPicture("wmf\\acknowledgments.wmf"); });
    carryOn(*this, [this] { Picture2->LoadPicture("logo\\orrowby2.bmp"); });
    loadPrintCopy("wmf2\\acknowledgments.wmf");
    setBackColor(Colour::viewerBlue);
    Timer1->setEnabled(true);
    show();
}

// Leaving a page always makes the way back live.
void Teacher::pageTurned(Turn turn)
{
    Label3[turn == Forward ? PreviousPage : NextPage].setEnabled(true);
    showCurrentPage();
}

void Teacher::showCurrentPage()
{
    const ViewerState &m = m_screens.state<ViewerState>();
    if (m.ViewerPage == m.ViewerPageCount)
        Label3[NextPage].setEnabled(false);
    if (m.ViewerPage == 1)
        Label3[PreviousPage].setEnabled(false);
    if (m.ViewerPage >= 1 && m.ViewerPage <= 3) {
        loadPage(pageFile("wmf", m.PageSetName, m.ViewerPage),
                 pageFile("wmf2", m.PageSetName, m.ViewerPage));
    } else {
        loadPage({}, {});
    }
    captionThePage();
}

void Teacher::captionThePage()
{
    const ViewerState &m = m_screens.state<ViewerState>();
    Label1->setCaption("Page " + QString::number(m.ViewerPage) + " of " +
                       QString::number(m.ViewerPageCount));
}

void Teacher::Timer1_Timer()
{
    int &frame = m_screens.state<ViewerState>().LogoFrame;
    frame += 1;
    if (frame == 20)
        frame = 0;
    Picture1->LoadPicture(logoFrameFile(frame));
    Picture1->show();
    Picture2->show();
}

Teacher &Screens::teacher()
{
    return get<Teacher>("teacher");
}
