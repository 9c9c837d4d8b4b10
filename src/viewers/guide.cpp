// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/guide.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "viewers/viewerstate.h"

Guide::Guide(Screens &screens) : PageViewer(screens, {120, -240, 0, 0})
{
    Label1->setCaption("Page 1 of 3");
}

void Guide::Form_Load()
{
    ApplyScreenStyle(*this);
}

void Guide::open()
{
    carryOn(*this, [this] { Image1->LoadPicture("wmf\\guide1.wmf"); });
    loadPrintCopy("wmf2\\guide1.wmf");
    m_screens.state<ViewerState>().ViewerPage = 1;
    show();
}

void Guide::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

void Guide::pageTurned(Turn)
{
    const int page = m_screens.state<ViewerState>().ViewerPage;
    if (page < 1 || page > 3)
        return;
    Label3[PreviousPage].setEnabled(page != 1);
    if (page != 1)
        Label3[NextPage].setEnabled(page != 3);
    const QString name = QStringLiteral("guide") + QString::number(page) + QStringLiteral(".wmf");
    loadPage(QStringLiteral("wmf\\") + name, QStringLiteral("wmf2\\") + name);
    Label1->setCaption("Page " + QString::number(page) + " of 3");
}

Guide &Screens::guide()
{
    return get<Guide>("guide");
}
