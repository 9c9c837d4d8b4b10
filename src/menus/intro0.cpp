#include "menus/intro0.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "app/titlefrm.h"
#include "menus/topicmenu.h"
#include "platform/commandbutton.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/timer.h"
#include "viewers/guide.h"
#include "viewers/teacher.h"
#include "worksheets/worksheetindex.h"

#include <QLoggingCategory>

namespace
{

Q_LOGGING_CATEGORY(lcMenus, "kelvarin.menus")

const QColor yellow(255, 255, 0);
const QColor navy(0, 0, 128);
const QColor black(0, 0, 0);
const QColor purple(49, 27, 110);

enum class EntryState { Live, Off, Hidden };

struct Entry {
    int index;
    const char *caption;
    TwipsRect place;
    float fontSize;
    QColor back;
    EntryState state;
};

// The menu entries as designed; there is no index 14.
const Entry entries[] = {
    {20, "Teachers' Guide", {120, 1080, 3195, 495}, 14.25f, navy, EntryState::Live},
    {13, "Introduction", {1800, 2280, 3195, 375}, 12, black, EntryState::Off},
    {15, "Materials from Plants", {120, 3000, 3195, 375}, 12, black, EntryState::Off},
    {0, "Materials from Animals", {120, 3720, 3195, 375}, 12, black, EntryState::Off},
    {1, "Materials from the Earth", {120, 4440, 3195, 375}, 12, black, EntryState::Off},
    {3, "Properties of Materials", {120, 5160, 3195, 375}, 12, black, EntryState::Live},
    {4, "Wood", {120, 5880, 3195, 375}, 12, black, EntryState::Off},
    {5, "Metal", {120, 6600, 3195, 375}, 12, black, EntryState::Off},
    {6, "Fabrics", {3480, 3000, 3195, 375}, 12, black, EntryState::Off},
    {7, "Plastic", {3480, 3720, 3195, 375}, 12, black, EntryState::Off},
    {8, "Glass", {3480, 4440, 3195, 375}, 12, black, EntryState::Off},
    {9, "Clay", {3480, 5160, 3195, 375}, 12, black, EntryState::Off},
    {10, "Rubber", {3480, 5880, 3195, 375}, 12, black, EntryState::Off},
    {12, "Changes in Materials", {3480, 6600, 3195, 375}, 12, black, EntryState::Live},
    {2, "Appearance of Materials", {3480, 7680, 3195, 375}, 12, black, EntryState::Hidden},
    {11, "Reversible Changes", {4680, 7680, 3195, 375}, 12, black, EntryState::Hidden},
    {17, "Multiple Choice Wizard", {7080, 5640, 4635, 495}, 18, navy, EntryState::Live},
    {18, "Worksheet Catalogue", {7080, 6480, 4635, 495}, 18, navy, EntryState::Live},
    {19, "Acknowledgments", {120, 7920, 3195, 495}, 14.25f, navy, EntryState::Live},
    {16, "Exit", {10560, 7920, 1245, 495}, 18, black, EntryState::Live},
};

OptionButton *makeSoundOption(QWidget *container, const QString &caption, TwipsRect place)
{
    auto *option = new OptionButton(container);
    option->setCaption(caption);
    option->setPlace(place);
    option->setFontSpec({"Tahoma", 9.75f, true});
    option->setColours(yellow, QColor(192, 192, 192));
    return option;
}

} // namespace

Intro0::Intro0(Screens &screens) : Form(screens.stage()), m_screens(screens)
{
    Label1 = makeLabel(this, {"Kelvarin",
                              {0, 120, 12000, 900},
                              {"Tahoma", 32.25f, true},
                              yellow,
                              purple,
                              BackStyle::Transparent,
                              Alignment::Center});
    Image1 = new Image(this);
    Image1->setStretch(true);
    Image1->setPlace({6960, 1680, 4860, 3660});
    Option1 = makeSoundOption(this, "Sound On", {10440, 120, 1455, 255});
    Option2 = makeSoundOption(this, "Sound Off", {10440, 480, 1455, 255});
    Option1->setValue(true);
    Label3 = makeLabel(this, {"Move the pointer over a topic and click to begin.",
                              {0, 8280, 12000, 375},
                              {"Tahoma", 9.75f, false},
                              yellow,
                              purple,
                              BackStyle::Transparent,
                              Alignment::Center});
    Timer1 = &addTimer(1);
    makeEntries();

    Option1->onClick = [this] { Option1_Click(); };
    Option2->onClick = [this] { Option2_Click(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };
}

void Intro0::makeEntries()
{
    for (const Entry &entry : entries) {
        Label *label = makeLabel(this, {entry.caption,
                                        entry.place,
                                        {"Tahoma", entry.fontSize, true},
                                        yellow,
                                        entry.back,
                                        BackStyle::Opaque,
                                        Alignment::Center});
        label->setEnabled(entry.state == EntryState::Live);
        label->setVisible(entry.state != EntryState::Hidden);
        const int index = entry.index;
        label->onClick = [this, index] { Label2_Click(index); };
        label->onMouseMove = [this, index](const MouseArgs &) { Label2_MouseMove(index); };
        Label2.add(index, label);
    }
}

void Intro0::Form_Load()
{
    ApplyScreenStyle(*this);
    carryOn(*this, [this] { Image1->LoadPicture("Images\\lampsm.jpg"); });
    Option1->setBackColor(purple);
    Option2->setBackColor(purple);
    setBackColor(purple);
    m_screens.module1().SoundOn = 1;
    Timer1->setEnabled(true);
}

void Intro0::Timer1_Timer()
{
    try {
        readIndex(m_screens.module1());
    } catch (const std::exception &error) {
        // A missing or damaged index leaves the worksheet list as it was; the menu works on.
        qCWarning(lcMenus) << "worksheet index not read:" << error.what();
    }
    Timer1->setEnabled(false);
}

void Intro0::Option1_Click()
{
    m_screens.module1().SoundOn = 1;
}
void Intro0::Option2_Click()
{
    m_screens.module1().SoundOn = 0;
}

void Intro0::Label2_MouseMove(int index)
{
    Label2[index].setBackStyle(BackStyle::Opaque);
}

void Intro0::Form_MouseMove(const MouseArgs &)
{
    for (const auto &[index, label] : Label2)
        label->setBackStyle(BackStyle::Transparent);
}

void Intro0::Label2_Click(int index)
{
    switch (index) {
    case 3:
        m_screens.properties().show();
        break;
    case 12:
        m_screens.irreversible().show();
        break;
    case 16: {
        Titlefrm &exitScreen = m_screens.titlefrm();
        exitScreen.Command1->setCaption("Cancel");
        exitScreen.show();
        break;
    }
    case 19:
        openAcknowledgments();
        break;
    case 20:
        openGuide();
        break;
    default:
        // The worksheet tools open here as their screens arrive.
        break;
    }
    playClick(m_screens);
}

// The page viewer as a single page: no caption, no paging, the logo animated beside it.
void Intro0::openAcknowledgments()
{
    Teacher &viewer = m_screens.teacher();
    viewer.Label1->hide();
    viewer.Label3[2].hide();
    viewer.Label3[3].hide();
    carryOn(viewer, [&] { viewer.Image1->LoadPicture("wmf\\acknowledgments.wmf"); });
    carryOn(viewer, [&] { viewer.Picture2->LoadPicture("logo\\orrowby2.bmp"); });
    carryOn(viewer, [&] { viewer.Image2->LoadPicture("wmf2\\acknowledgments.wmf"); });
    viewer.setBackColor(QColor(49, 130, 212));
    viewer.Timer1->setEnabled(true);
    viewer.show();
}

void Intro0::openGuide()
{
    Guide &guide = m_screens.guide();
    carryOn(guide, [&] { guide.Image1->LoadPicture("wmf\\guide1.wmf"); });
    carryOn(guide, [&] { guide.Image2->LoadPicture("wmf2\\guide1.wmf"); });
    m_screens.module1().ViewerPage = 1;
    guide.show();
}

Intro0 &Screens::intro0()
{
    return get<Intro0>("intro0");
}
