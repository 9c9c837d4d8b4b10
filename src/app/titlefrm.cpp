// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/titlefrm.h"

#include "app/animationframes.h"
#include "app/applog.h"
#include "app/grey.h"
#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "platform/commandbutton.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/stage.h"

namespace
{

LabelDesign credit(const QString &caption, TwipsRect place, float size)
{
    return textLabel(caption, place, {"Times New Roman", size, false}, Colour::blue,
                     Colour::buttonFace);
}

CommandButton *makeButton(QWidget *container, const QString &caption, TwipsRect place)
{
    auto *button = new CommandButton(container);
    button->setCaption(caption);
    button->setPlace(place);
    button->setBackColor(Colour::buttonFace);
    return button;
}

} // namespace

Titlefrm::Titlefrm(Screens &screens) : Form(screens.stage(), lcApp()), m_screens(screens)
{
    setCaption(" ");
    setWidth(5460);
    setHeight(6570);
    setBackColor(Colour::buttonFace);

    Frame1 = new Frame(this);
    Frame1->setPlace({0, -90, 5480, 6660});
    Label4 = makeLabel(Frame1, textLabel("Kelvarin", {60, 360, 5355, 1065},
                                         {"Times New Roman", 27.75f, true}, Colour::blue,
                                         Colour::buttonFace));
    Picture1 = new PictureBox(Frame1);
    Picture1->setObjectName("Picture1");
    Picture1->setPlace({300, 1200, 4800, 3600});
    Label1 =
        makeLabel(Frame1, credit("Primary Science: Materials", {360, 4980, 4695, 375}, 14.25f));
    Label5 = makeLabel(Frame1, credit("Properties and Changes", {480, 5310, 4455, 375}, 12));
    Label3 = makeLabel(Frame1, credit("For pupils aged 7 to 11", {480, 5640, 4455, 375}, 12));
    Command1 = makeButton(Frame1, "OK", {1320, 6000, 1335, 375});
    Command2 = makeButton(Frame1, "Exit", {2760, 6000, 1335, 375});
    Label2 = makeLabel(Frame1, textLabel("Made for primary classrooms, free to copy and share.",
                                         {0, 6420, 5415, 255}, {"Arial", 8.25f, false},
                                         Colour::darkGreen, Colour::buttonFace));

    Command1->onClick = [this] { Command1_Click(); };
    Command2->onClick = [this] { Command2_Click(); };
}

void Titlefrm::Form_Load()
{
    try {
        setTop(stage().displayHeight() / 2 - Height() / 2);
        setLeft(stage().displayWidth() / 2 - Width() / 2);
        m_screens.state<AnimationFrames>().CandleFrame = 0;
        m_screens.grey().show();
        Picture1->LoadPicture("images\\lampsm.jpg");
    } catch (const std::exception &error) {
        // Without its picture the title screen is still usable, styled like the other screens.
        qCWarning(lcApp) << "title screen shown without its picture:" << error.what();
        ApplyScreenStyle(*this);
        Frame1->raise();
    }
}

void Titlefrm::Command1_Click()
{
    m_screens.showMainMenu();
    m_screens.unload(*this);
    playClick(m_screens);
}

void Titlefrm::showAsExitScreen()
{
    Command1->setCaption("Cancel");
    show();
}

void Titlefrm::Command2_Click()
{
    playClick(m_screens);
    m_screens.platform().endProgram();
}

Titlefrm &Screens::titlefrm()
{
    return get<Titlefrm>("Titlefrm");
}
