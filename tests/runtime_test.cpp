// SPDX-License-Identifier: GPL-3.0-or-later
// The screen runtime: controls, forms, the registry and timers.
#include "app/grey.h"
#include "app/screenstyle.h"
#include "doubles/manualclock.h"
#include "menus/intro0.h"
#include "platform/displayscale.h"
#include "platform/form.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/picturebox.h"
#include "platform/stage.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "programfixture.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace
{

// A bare screen with one label, for the mouse-routing tests.
class ProbeForm : public Form
{
public:
    explicit ProbeForm(Stage &stage) : Form(stage)
    {
        setWidth(6000);
        setHeight(3000);
        label = makeLabel(this, {"Probe",
                                 {1500, 1500, 1500, 300},
                                 {},
                                 Qt::black,
                                 Qt::white,
                                 BackStyle::Opaque,
                                 Alignment::Left,
                                 false});
        label->onMouseMove = [this](const MouseArgs &args) { labelMoves.push_back(args); };
        label->onClick = [this] { ++labelClicks; };
    }
    void Form_MouseMove(const MouseArgs &args) override { formMoves.push_back(args); }

    Label *label;
    std::vector<MouseArgs> labelMoves;
    std::vector<MouseArgs> formMoves;
    int labelClicks = 0;
};

class StageTest : public ::testing::Test
{
protected:
    StageTest() : stage(clock, ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR)))
    {
        stage.resize(800, 600);
        stage.show();
    }
    ManualClock clock;
    Stage stage;
};

} // namespace

TEST_F(StageTest, ControlsKeepTheirTwipsExactlyAndPaintAtFifteenTwipsAPixel)
{
    ProbeForm form(stage);
    form.label->setLeft(7000.7f);
    form.label->setTop(1826.3f);
    EXPECT_EQ(form.label->Left(), 7000.7f);
    EXPECT_EQ(form.label->Top(), 1826.3f);
    EXPECT_EQ(form.label->geometry(), QRect(467, 122, 100, 20));
}

TEST_F(StageTest, MouseOverAControlStaysWithItAndBareScreenReachesTheForm)
{
    ProbeForm form(stage);
    form.show();
    QTest::mouseMove(form.label, QPoint(10, 4));
    ASSERT_EQ(form.labelMoves.size(), 1u);
    EXPECT_TRUE(form.formMoves.empty());
    EXPECT_EQ(form.labelMoves[0].x, 150.0f);
    EXPECT_EQ(form.labelMoves[0].y, 60.0f);

    QTest::mouseMove(&form, QPoint(20, 20));
    EXPECT_EQ(form.formMoves.size(), 1u);
    EXPECT_EQ(form.labelMoves.size(), 1u);
}

TEST_F(StageTest, AGreyedLabelPassesTheMouseToTheScreenAndCannotBeClicked)
{
    ProbeForm form(stage);
    form.show();
    form.label->setEnabled(false);
    QTest::mouseMove(form.label, QPoint(10, 4));
    QTest::mouseClick(form.label, Qt::LeftButton, {}, QPoint(10, 4));
    EXPECT_TRUE(form.labelMoves.empty());
    EXPECT_EQ(form.labelClicks, 0);
    EXPECT_FALSE(form.formMoves.empty());
}

TEST_F(StageTest, AClickNeedsPressAndReleaseOnTheSameLabel)
{
    ProbeForm form(stage);
    form.show();
    QTest::mouseClick(form.label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.labelClicks, 1);
    QTest::mousePress(form.label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(form.label, Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(form.labelClicks, 1);
    QTest::mouseClick(form.label, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(form.labelClicks, 1);
}

TEST_F(StageTest, TextBoxLimitsTypingButKeepsTextSetByTheProgram)
{
    ProbeForm form(stage);
    form.show();
    auto *box = new TextBox(&form);
    box->setPlace({0, 0, 3000, 375});
    box->show();
    EXPECT_EQ(box->editor()->geometry(), QRect(0, 0, 200, 25)) << "the editor fills the box";
    box->setMaxLength(5);
    box->setText("A long title set by the program");
    EXPECT_EQ(box->Text(), "A long title set by the program");

    box->setText("abc");
    box->editor()->setCursorPosition(3);
    QTest::keyClicks(box->editor(), "defgh");
    EXPECT_EQ(box->Text(), "abcde");
    QTest::keyClick(box->editor(), Qt::Key_Backspace);
    QTest::keyClicks(box->editor(), "XY");
    EXPECT_EQ(box->Text(), "abcdX");

    std::vector<int> typed;
    box->onKeyPress = [&](int &key) {
        typed.push_back(key);
        if (key == 'q')
            key = 0;
    };
    box->setText("");
    QTest::keyClicks(box->editor(), "aq");
    QTest::keyClick(box->editor(), Qt::Key_Return);
    EXPECT_EQ(box->Text(), "a");
    EXPECT_EQ(typed, (std::vector<int>{'a', 'q', '\r'}));
}

TEST(DisplayScaleTest, AWholeScreenFillsAsMuchOfTheDisplayAsFits)
{
    struct Case {
        QSizeF area; // logical pixels: a display of device pixel ratio 2 gives half its pixels
        double scale;
    };
    for (const Case &c : {Case{{1920, 1080}, 1.8}, Case{{1024, 768}, 1.28}, Case{{800, 600}, 1},
                          Case{{640, 480}, 0.8}, Case{{1280, 720}, 1.2}, Case{{1366, 768}, 1.28},
                          Case{{1080, 1920}, 1.35}, Case{{2400, 600}, 1}}) {
        EXPECT_DOUBLE_EQ(DisplayScale::toFit(c.area), c.scale) << c.area.width();
    }
}

namespace
{

// The smallest rectangle holding every dark pixel.
QRect inkBounds(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST_F(StageTest, AtADisplayScaleScreensAreLargerButControlsStillWorkInTwips)
{
    const QRect inkAtOneToOne = inkBounds(ProbeForm(stage).label->grab().toImage());
    stage.setDisplayScale(1.8);
    stage.resize(1920, 1080);
    ProbeForm form(stage);
    ApplyScreenStyle(form);
    form.show();
    EXPECT_NEAR(form.Left(), 2000, 0.1) << "centred on a display 16000 twips wide at this scale";
    EXPECT_EQ(form.geometry().size(), QSize(1440, 1080)) << "the screen fills the height";
    EXPECT_EQ(form.y(), 0);
    EXPECT_NEAR(form.x(), 240, 1) << "centred, to a pixel";
    EXPECT_EQ(form.label->geometry(), QRect(180, 180, 180, 36));

    QTest::mouseMove(form.label, QPoint(18, 9));
    ASSERT_EQ(form.labelMoves.size(), 1u);
    EXPECT_FLOAT_EQ(form.labelMoves[0].x, 150);
    EXPECT_FLOAT_EQ(form.labelMoves[0].y, 75);
    QTest::mouseClick(form.label, Qt::LeftButton, {}, QPoint(170, 30));
    EXPECT_EQ(form.labelClicks, 1) << "the whole of the larger label takes the click";

    // Painted as at one-to-one, only larger: the white back to the last pixel, the same text.
    const QImage label = form.label->grab().toImage();
    EXPECT_EQ(label.pixelColor(179, 35), QColor(Qt::white));
    const QRect ink = inkBounds(label);
    EXPECT_NEAR(ink.left(), 1.8 * inkAtOneToOne.left(), 3);
    EXPECT_NEAR(ink.width(), 1.8 * inkAtOneToOne.width(), 3);
    EXPECT_NEAR(ink.height(), 1.8 * inkAtOneToOne.height(), 3);
}

TEST_F(StageTest, OptionButtonsShareTheirContainerAndReportEveryTurnToTrue)
{
    ProbeForm form(stage);
    auto *on = new OptionButton(&form);
    auto *off = new OptionButton(&form);
    int onClicks = 0, offClicks = 0;
    on->onClick = [&] { ++onClicks; };
    off->onClick = [&] { ++offClicks; };
    on->setValue(true);
    off->setValue(true);
    EXPECT_FALSE(on->Value());
    EXPECT_TRUE(off->Value());
    off->setValue(true);
    EXPECT_EQ(onClicks, 1);
    EXPECT_EQ(offClicks, 1);
}

TEST_F(StageTest, TimersTickOnlyWhileEnabledAndWithAnInterval)
{
    ProbeForm form(stage);
    int ticks = 0;
    Timer &timer = form.addTimer(75);
    timer.onTimer = [&] { ++ticks; };
    clock.advance(1000);
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    clock.advance(150);
    EXPECT_EQ(ticks, 2);
    form.stopTimers();
    clock.advance(1000);
    EXPECT_EQ(ticks, 2);
    timer.setInterval(0);
    timer.setEnabled(true);
    clock.advance(1000);
    EXPECT_EQ(ticks, 2);
}

TEST_F(StageTest, StyledScreensAreCentredOnAnyDisplayEvenASmallerOne)
{
    struct Case {
        QSize display;
        float left, top;
    };
    for (const Case &c :
         {Case{{800, 600}, 0, 0}, Case{{1024, 768}, 1680, 1260}, Case{{640, 480}, -1200, -900}}) {
        stage.resize(c.display);
        ProbeForm form(stage);
        ApplyScreenStyle(form);
        EXPECT_EQ(form.Width(), 12000);
        EXPECT_EQ(form.Height(), 9000);
        EXPECT_EQ(form.Left(), c.left) << c.display.width();
        EXPECT_EQ(form.Top(), c.top) << c.display.width();
        EXPECT_EQ(form.BackColor(), QColor(0, 78, 152));
        EXPECT_EQ(form.Caption(), "Kelvarin");
    }
}

TEST_F(StageTest, StylingColoursAPicture1AndLeavesScreensWithoutOneAlone)
{
    ProbeForm with(stage);
    auto *picture = new PictureBox(&with);
    picture->setObjectName("Picture1");
    auto *other = new PictureBox(&with);
    other->setObjectName("Picture2");
    ApplyScreenStyle(with);
    EXPECT_EQ(picture->BackColor(), QColor(49, 135, 214));
    EXPECT_EQ(other->BackColor(), QColor(192, 192, 192));

    ProbeForm without(stage);
    ApplyScreenStyle(without);
    EXPECT_EQ(without.Width(), 12000);
}

using RegistryTest = ProgramFixture;

TEST_F(RegistryTest, FirstReferenceCreatesTheScreenAndRunsItsLoadBeforeReturning)
{
    EXPECT_FALSE(screens->isLoaded("intro0"));
    Intro0 &menu = screens->intro0();
    EXPECT_TRUE(screens->isLoaded("intro0"));
    // Its load has run: styled, recoloured, sound on, index reader armed.
    EXPECT_EQ(menu.BackColor(), QColor(49, 27, 110));
    EXPECT_EQ(settings().SoundOn, 1);
    EXPECT_TRUE(clock.isRunning(*menu.Timer1));
    EXPECT_FALSE(menu.isVisible());
    EXPECT_EQ(&screens->intro0(), &menu);
}

TEST_F(RegistryTest, UnloadTakesEffectAtOnceButDestroysAfterTheHandler)
{
    Intro0 &menu = screens->intro0();
    menu.Label2[3].setBackStyle(BackStyle::Transparent);
    QPointer<Intro0> old(&menu);
    screens->unload(menu);
    EXPECT_FALSE(screens->isLoaded("intro0"));
    EXPECT_FALSE(clock.isRunning(*menu.Timer1));
    ASSERT_FALSE(old.isNull()) << "destroyed while its handler could still be running";
    finishHandlers();
    EXPECT_TRUE(old.isNull());

    // The next reference builds it afresh from its design values.
    Intro0 &fresh = screens->intro0();
    EXPECT_EQ(fresh.Label2[3].backStyle(), BackStyle::Opaque);
}

TEST_F(RegistryTest, TheBackdropFillsTheStageAndFollowsItsSize)
{
    stage->show();
    Grey &grey = screens->grey();
    EXPECT_EQ(grey.geometry(), stage->rect());
    stage->resize(1280, 1024);
    EXPECT_EQ(grey.geometry(), QRect(0, 0, 1280, 1024));
    EXPECT_EQ(grey.Width(), 1280 * 15.0f);
    EXPECT_EQ(grey.BackColor(), QColor(48, 133, 214));
}
