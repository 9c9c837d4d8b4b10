// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/classrecordscreen.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "platform/label.h"
#include "worksheets/worksheetslog.h"

namespace
{

const ButtonSpec buttons[] = {
    {ClassRecordScreen::Exit, {10560, 7920, 1245, 495}, "Exit"},
};

} // namespace

ClassRecordScreen::ClassRecordScreen(Screens &screens)
    : Form(screens.stage(), lcWorksheets()), m_screens(screens)
{
    Label1 = makeLabel(this, textLabel("Class Record", {0, 0, 12000, 780}, {"Tahoma", 24, true},
                                       Colour::yellow, Colour::screenBlue));
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
}

void ClassRecordScreen::Form_Load()
{
    ApplyScreenStyle(*this);
}

void ClassRecordScreen::open()
{
    show();
}

void ClassRecordScreen::Label3_Click(int index)
{
    if (index == Exit)
        m_screens.unload(*this);
    playClick(m_screens);
}

void ClassRecordScreen::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void ClassRecordScreen::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

ClassRecordScreen &Screens::classRecordScreen()
{
    return get<ClassRecordScreen>("ClassRecord");
}
