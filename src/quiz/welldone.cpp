// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/welldone.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/settings.h"
#include "app/sounds.h"
#include "platform/handleredge.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "platform/picturebox.h"
#include "platform/random.h"
#include "platform/textbox.h"
#include "platform/timer.h"
#include "printing/printrun.h"
#include "quiz/certificateprint.h"
#include "quiz/pupilturn.h"
#include "quiz/quizlog.h"
#include "quiz/quizrules.h"
#include "quiz/quizsession.h"
#include "quiz/wrong.h"

#include <QDateTime>
#include <QFontMetricsF>
#include <QLineEdit>

namespace
{

using Colour::purple;
using Colour::yellow;

const FontSpec messageFont{"Times New Roman", 24, false};

LabelDesign message(const QString &caption, TwipsRect place, float size = 24)
{
    return {caption,          place,  {"Times New Roman", size, false},
            yellow,           purple, BackStyle::Transparent,
            Alignment::Center};
}

// "Print Certificate" or "Check Wrong Answers" is worded at load; the quiz shows it.
const ButtonSpec buttons[] = {
    {Welldone::PrintOrReview, {240, 1800, 3765, 495}, "", false},
    {Welldone::Exit, {10560, 7920, 1245, 495}, "Exit", true},
};

// How wide the heading is on the screen, in twips.
float screenHeadingWidth(const QString &heading)
{
    // Measured in the font the heading is shown in on the quiz screen and the message font
    // here, so a heading that looks long on screen is the one printed smaller.
    return toTwips(QFontMetricsF(toQFont(messageFont)).horizontalAdvance(heading));
}

} // namespace

Welldone::Welldone(Screens &screens) : Form(screens.stage(), lcQuiz()), m_screens(screens)
{
    Label4 = makeLabel(
        this, textLabel("Well Done!", {0, 120, 12000, 900}, {"Tahoma", 36, true}, yellow, purple));
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->setPlace({5880, 1440, 4800, 3600});
    Label1 = makeLabel(this, message("", {0, 5400, 12000, 855}));
    Label5 = makeLabel(this, message("", {1680, 6000, 8640, 1335}));
    Label5->hide();
    Label6 = makeLabel(this, message("Read the Key Facts and try again.", {0, 6240, 12000, 855}));
    Text1 = new TextBox(this);
    Text1->setPlace({3120, 6600, 5760, 615});
    Text1->setFontSpec(messageFont);
    Text1->setMaxLength(25);
    Text1->hide();
    Label2 =
        makeLabel(this, message("Enter your name in the box above before printing your certificate",
                                {3120, 7440, 5775, 855}, 18));
    Label2->hide();

    Timer1 = &addTimer(1);
    Timer2 = &addTimer(10);
    Timer3 = &addTimer(1);
    Timer1->onTimer = [this] { Timer1_Timer(); };
    Timer2->onTimer = [this] { Timer2_Timer(); };
    Timer3->onTimer = [this] { Timer3_Timer(); };
}

void Welldone::Form_Load()
{
    ApplyScreenStyle(*this);
    setBackColor(purple);
    wordTheScore();
    Timer1->setEnabled(true);
}

void Welldone::showQuizResult()
{
    keepInTheRecord();
    Label6->hide();
    Label5->show();
    Label3[PrintOrReview].show();
    show();
}

void Welldone::showActivityResult()
{
    keepInTheRecord();
    show();
}

// The pupil who said who they are finds their name in the certificate's box.
void Welldone::keepInTheRecord()
{
    const QString pupil = recordTurn(m_screens, QDateTime::currentDateTime());
    if (!pupil.isEmpty())
        Text1->setText(pupil);
}

bool Welldone::isPerfect() const
{
    const QuizSession &m = m_screens.state<QuizSession>();
    return m.Score == m.ScoreOutOf;
}

void Welldone::wordTheScore()
{
    const QuizSession &m = m_screens.state<QuizSession>();
    Label1->setCaption(scoreMessage(m.Score, m.ScoreOutOf));
    if (isPerfect()) {
        Label6->hide();
        Label3[PrintOrReview].setCaption("Print Certificate");
        Label3[PrintOrReview].show();
        Text1->show();
        Label2->show();
        return;
    }
    // Only the quiz has wrong answers to list, so it alone shows the hint and the button.
    Label5->setCaption("Click the button above to check which questions you answered incorrectly.");
    Label3[PrintOrReview].setCaption("Check Wrong Answers");
}

void Welldone::Timer1_Timer()
{
    // The score matters more than the picture: the screen carries on without it.
    carryOn(*this, [this] { Picture1->LoadPicture("images\\lampsm.jpg"); });
    Timer1->setEnabled(false);
    Timer2->setEnabled(true);
}

void Welldone::Timer2_Timer()
{
    if (Text1->Visible())
        Text1->SetFocus();
    Timer2->setEnabled(false);
    highlightButton(Label3, PrintOrReview);
    highlightButton(Label3, Exit);
    Timer3->setEnabled(true);
}

void Welldone::Timer3_Timer()
{
    if (m_screens.state<Settings>().SoundOn == 1) {
        Random &random = m_screens.platform().random;
        const QString clip =
            praiseClip(m_screens.state<QuizSession>().Score, [&random] { return random.next(); });
        if (!clip.isEmpty())
            playIfSoundOn(m_screens, clip);
    }
    Timer3->setEnabled(false);
}

void Welldone::Label3_Click(int index)
{
    if (index == PrintOrReview && isPerfect()) {
        try {
            Printpage();
        } catch (const std::exception &error) {
            // The print run reports the printer's own failures; anything else stops it here. Its
            // reason is the program's own business, not the teacher's, so it goes to the log.
            qCWarning(lcQuiz) << "Printing was cancelled:" << error.what();
            m_screens.platform().messageBoxes.show("Printing has been cancelled.");
        }
        return;
    }
    if (index == PrintOrReview) {
        m_screens.wrong().show();
    } else {
        // After an activity there is no review to close, and none is made just to close it.
        if (m_screens.isLoaded("Wrong"))
            m_screens.unload(m_screens.wrong());
        m_screens.unload(*this);
    }
    playClick(m_screens);
}

void Welldone::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void Welldone::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

void Welldone::Printpage()
{
    const QuizSession &m = m_screens.state<QuizSession>();
    const Certificate certificate{m.CertificateHeading, Text1->Text(), m.Score, m.ScoreOutOf,
                                  screenHeadingWidth(m.CertificateHeading)};
    Platform &platform = m_screens.platform();
    printCertificate(platform.printer, platform.messageBoxes, certificate);
}

Welldone &Screens::welldone()
{
    return get<Welldone>("Welldone");
}
