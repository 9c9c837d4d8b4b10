// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/intro0.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/settings.h"
#include "app/sounds.h"
#include "app/titlefrm.h"
#include "menus/menuslog.h"
#include "menus/topicmenu.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/timer.h"
#include "viewers/guide.h"
#include "viewers/teacher.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheets.h"

namespace
{

enum class EntryState { Live, Off, Hidden };

struct Entry {
    int index;
    const char *caption;
    TwipsRect place;
    float fontSize;
    QColor back;
    EntryState state;
};

using Colour::black;
using Colour::navy;
using enum EntryState;
using enum Intro0::Label2Entry;

// The menu entries as designed; there is no index 14.
const Entry entries[] = {
    {TeachersGuide, "Teachers' Guide", {120, 1080, 3195, 495}, 14.25f, navy, Live},
    {13, "Introduction", {1800, 2280, 3195, 375}, 12, black, Off},
    {15, "Materials from Plants", {120, 3000, 3195, 375}, 12, black, Off},
    {0, "Materials from Animals", {120, 3720, 3195, 375}, 12, black, Off},
    {1, "Materials from the Earth", {120, 4440, 3195, 375}, 12, black, Off},
    {PropertiesOfMaterials, "Properties of Materials", {120, 5160, 3195, 375}, 12, black, Live},
    {4, "Wood", {120, 5880, 3195, 375}, 12, black, Off},
    {5, "Metal", {120, 6600, 3195, 375}, 12, black, Off},
    {6, "Fabrics", {3480, 3000, 3195, 375}, 12, black, Off},
    {7, "Plastic", {3480, 3720, 3195, 375}, 12, black, Off},
    {8, "Glass", {3480, 4440, 3195, 375}, 12, black, Off},
    {9, "Clay", {3480, 5160, 3195, 375}, 12, black, Off},
    {10, "Rubber", {3480, 5880, 3195, 375}, 12, black, Off},
    {ChangesInMaterials, "Changes in Materials", {3480, 6600, 3195, 375}, 12, black, Live},
    {2, "Appearance of Materials", {3480, 7680, 3195, 375}, 12, black, Hidden},
    {11, "Reversible Changes", {4680, 7680, 3195, 375}, 12, black, Hidden},
    {MultipleChoiceWizard, "Multiple Choice Wizard", {7080, 5640, 4635, 495}, 18, navy, Live},
    {WorksheetCatalogue, "Worksheet Catalogue", {7080, 6480, 4635, 495}, 18, navy, Live},
    {Acknowledgments, "Acknowledgments", {120, 7920, 3195, 495}, 14.25f, navy, Live},
    {ExitProgram, "Exit", {10560, 7920, 1245, 495}, 18, black, Live},
};

LabelDesign caption(const QString &text, TwipsRect place, float size, bool bold)
{
    return textLabel(text, place, {"Tahoma", size, bold}, Colour::yellow, Colour::purple);
}

OptionButton *makeSoundOption(QWidget *container, const QString &caption, TwipsRect place)
{
    auto *option = new OptionButton(container);
    option->setCaption(caption);
    option->setPlace(place);
    option->setFontSpec({"Tahoma", 9.75f, true});
    option->setColours(Colour::yellow, Colour::buttonFace);
    return option;
}

} // namespace

Intro0::Intro0(Screens &screens) : Form(screens.stage(), lcMenus()), m_screens(screens)
{
    Label1 = makeLabel(this, caption(MainMenuHeading, {0, 120, 12000, 900}, 32.25f, true));
    Image1 = new Image(this);
    Image1->setStretch(true);
    Image1->setPlace({6960, 1680, 4860, 3660});
    Option1 = makeSoundOption(this, "Sound On", {10440, 120, 1455, 255});
    Option2 = makeSoundOption(this, "Sound Off", {10440, 480, 1455, 255});
    Option1->setValue(true);
    Label3 = makeLabel(this, caption("Move the pointer over a topic and click to begin.",
                                     {0, 8280, 12000, 375}, 9.75f, false));
    Timer1 = &addTimer(1);
    makeEntries();

    Option1->onClick = [this] { Option1_Click(); };
    Option2->onClick = [this] { Option2_Click(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };
    connect(&screens.state<Settings>(), &Settings::soundSwitched, this, &Intro0::followSoundSwitch);
}

void Intro0::makeEntries()
{
    for (const Entry &entry : entries) {
        LabelDesign design = buttonLabel(entry.caption, entry.place, ButtonEdge::Plain);
        design.font.size = entry.fontSize;
        design.backColor = entry.back;
        Label *label = makeLabel(this, design);
        label->setEnabled(entry.state == Live);
        label->setVisible(entry.state != Hidden);
        addButton(
            Label2, entry.index, label, [this](int index) { Label2_Click(index); },
            [this](int index) { Label2_MouseMove(index); });
    }
}

void Intro0::Form_Load()
{
    ApplyScreenStyle(*this);
    carryOn(*this, [this] { Image1->LoadPicture(MainMenuPicture); });
    Option1->setBackColor(Colour::purple);
    Option2->setBackColor(Colour::purple);
    setBackColor(Colour::purple);
    m_screens.state<Settings>().SoundOn = 1;
    Timer1->setEnabled(true);
}

void Intro0::Timer1_Timer()
{
    try {
        readIndex(m_screens.classroom(), m_screens.state<WorksheetList>());
    } catch (const std::exception &error) {
        // A missing or damaged index leaves the worksheet list as it was; the menu works on.
        qCWarning(lcMenus) << "worksheet index not read:" << error.what();
    }
    Timer1->setEnabled(false);
}

void Intro0::Option1_Click()
{
    m_screens.state<Settings>().SoundOn = 1;
}
void Intro0::Option2_Click()
{
    m_screens.state<Settings>().SoundOn = 0;
}

// The buttons set the same value through their click handlers.
void Intro0::followSoundSwitch()
{
    (m_screens.state<Settings>().SoundOn == 1 ? Option1 : Option2)->setValue(true);
}

void Intro0::Label2_MouseMove(int index)
{
    highlightButton(Label2, index);
}

void Intro0::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label2);
}

void Intro0::Label2_Click(int index)
{
    switch (index) {
    case PropertiesOfMaterials:
        m_screens.properties().show();
        break;
    case ChangesInMaterials:
        m_screens.irreversible().show();
        break;
    case ExitProgram:
        m_screens.titlefrm().showAsExitScreen();
        break;
    case MultipleChoiceWizard:
        m_screens.wizard().show();
        break;
    case WorksheetCatalogue:
        m_screens.worksheets().show();
        m_screens.unload(*this);
        break;
    case Acknowledgments:
        m_screens.teacher().openAcknowledgments();
        break;
    case TeachersGuide:
        m_screens.guide().open();
        break;
    default:
        // The greyed and hidden entries can't be clicked.
        break;
    }
    playClick(m_screens);
}

void wireMainMenu(Screens &screens)
{
    screens.setMainMenu([&screens] { screens.intro0().show(); });
}

Intro0 &Screens::intro0()
{
    return get<Intro0>("intro0");
}
