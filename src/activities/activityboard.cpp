// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activityboard.h"

#include "activities/activitieslog.h"
#include "activities/activitydata.h"
#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "files/errors.h"
#include "platform/handleredge.h"
#include "platform/image.h"
#include "platform/label.h"
#include "quiz/quizsession.h"
#include "quiz/welldone.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <algorithm>

namespace
{

using Colour::black;
using Colour::yellow;
const QString thud = QStringLiteral("wav\\thud3.wav");

// "Check Score" appears once every label sits in a box.
const ButtonSpec buttons[] = {
    {ActivityBoard::ExitButton, {10560, 7920, 1245, 495}, "Exit"},
    {ActivityBoard::StartAgainButton, {3360, 7920, 2565, 495}, "Start Again"},
    {ActivityBoard::CheckScoreButton, {6000, 7920, 2565, 495}, "Check Score", false},
};

// Movable labels and, at design, the target boxes that hold their texts look alike.
LabelDesign answerLook(const ActivityData &data, const QString &caption, Corner corner)
{
    return {caption,
            {corner.left, corner.top, data.labelWidth, data.labelHeight},
            data.labelFont,
            yellow,
            black,
            BackStyle::Opaque,
            data.labelAlignment,
            true};
}

} // namespace

ActivityBoard::ActivityBoard(Screens &screens, const ActivityData &boardData)
    : Form(screens.stage(), lcActivities()), m_screens(screens), m_data(boardData)
{
    // Made from the back to the front: the movable labels come last so that they lie over the
    // pictures and boxes and keep the mouse even when they sit in a box.
    makePictures();
    Label6 = makeLabel(this, boardData.title);
    makeFixedTexts();
    makeBoxes();
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
    makeMovableLabels();
    keepOneLineCaptionsOnOneLine();
}

void ActivityBoard::keepOneLineCaptionsOnOneLine()
{
    // A caption a hair wider than its one-line box would otherwise wrap and lose its second line
    // below the box; unwrapped it loses at most a sliver at the edge.
    for (Label *label : findChildren<Label *>(Qt::FindDirectChildrenOnly)) {
        const qreal lineSpacing = QFontMetricsF(label->font()).lineSpacing();
        if (label->designRect().height() < 2 * lineSpacing)
            label->setWordWrap(false);
    }
}

void ActivityBoard::makePictures()
{
    for (const PictureDesign &design : m_data.pictures) {
        auto *image = new Image(this);
        image->setStretch(true);
        image->setPlace(design.place);
        image->setAccessibleName(design.description);
        Image1.add(design.index, image);
    }
}

void ActivityBoard::makeFixedTexts()
{
    for (const FixedText &text : m_data.texts)
        m_fixedTexts[text.name].add(text.index, makeLabel(this, text.design));
}

// Boxes, labels and buttons all take the keyboard from Tab; none of them takes it from a click,
// so a mouse user sees no focus mark.
void ActivityBoard::makeBoxes()
{
    for (int i = 0; i < count(); ++i) {
        const Answer &answer = m_data.answers[i];
        Label *target = makeLabel(this, answerLook(m_data, answer.text, answer.target));
        target->setFocusPolicy(Qt::TabFocus);
        target->setAccessibleName(answer.box);
        target->onClick = [this, i] { Label1_Click(i); };
        Label1.add(i, target);
        const float homeWidth = m_data.homeBoxWidth.value_or(m_data.labelWidth);
        Label *home = makeLabel(this, {"",
                                       {0, 0, homeWidth, m_data.labelHeight},
                                       m_data.labelFont,
                                       yellow,
                                       black,
                                       BackStyle::Transparent,
                                       Alignment::Center,
                                       true});
        home->setFocusPolicy(Qt::TabFocus);
        home->setAccessibleName("Home of " + answer.text);
        home->onClick = [this, i] { Label4_Click(i); };
        Label4.add(i, home);
    }
}

void ActivityBoard::makeMovableLabels()
{
    for (int i = 0; i < count(); ++i) {
        // The design captions are placeholders; the texts arrive from the target boxes at load.
        Label *label = makeLabel(this, answerLook(m_data, "", m_data.answers[i].start));
        // The label being dragged is drawn over everything, the other labels included.
        label->onMouseDown = [label](const MouseArgs &args) {
            if (args.button == 1)
                label->raise();
        };
        label->onMouseMove = [this, i](const MouseArgs &args) { Label2_MouseMove(i, args); };
        label->onMouseUp = [this, i](const MouseArgs &args) { Label2_MouseUp(i, args); };
        // A drag is no click: only a press and release on the spot picks the label up.
        label->setClickOnlyWhenStill(true);
        label->setFocusPolicy(Qt::TabFocus);
        label->onClick = [this, i] { Label2_Click(i); };
        Label2.add(i, label);
    }
}

int ActivityBoard::count() const
{
    return m_data.count();
}

Label &ActivityBoard::fixedText(const QString &name, int index) const
{
    return m_fixedTexts.at(name)[index];
}

void ActivityBoard::Form_Load()
{
    ApplyScreenStyle(*this);
    m_screens.state<QuizSession>().ScoreOutOf = count();
    loadPictures();
    setUpBoard();
}

void ActivityBoard::open(const QString &title)
{
    Label6->setCaption(title);
    show();
}

void ActivityBoard::loadPictures()
{
    // The board works without its pictures; a missing one leaves its frame empty.
    for (const PictureDesign &design : m_data.pictures)
        carryOn(*this, [&] { Image1[design.index].LoadPicture(design.file); });
}

void ActivityBoard::setUpBoard()
{
    m_screens.state<QuizSession>().ScoreOutOf = count();
    for (int i = 0; i < count(); ++i) {
        Label4[i].setHeight(Label2[i].Height());
        if (!m_data.homeBoxWidth)
            Label4[i].setWidth(Label2[i].Width());
    }
    for (int i = 0; i < count(); ++i) {
        Label2[i].setCaption(Label1[i].Caption());
        Label1[i].setCaption("");
        Label1[i].setBackStyle(BackStyle::Transparent);
        Label4[i].setLeft(Label2[i].Left());
        Label4[i].setTop(Label2[i].Top());
    }
    for (int i = 0; i < count(); ++i) {
        Label1[i].setVisible(true);
        Label2[i].setVisible(true);
        Label4[i].setVisible(true);
    }
}

void ActivityBoard::Label2_MouseMove(int index, const MouseArgs &args)
{
    // The left button alone drags; the label's centre follows the pointer.
    if (args.button != 1)
        return;
    // Dragged away, a held label is put down wherever the drag leaves it.
    if (index == m_held)
        letGo();
    Label &label = Label2[index];
    label.setLeft(static_cast<float>(double(label.Left()) + args.x - label.Width() / 2.0));
    label.setTop(static_cast<float>(double(label.Top()) + args.y - label.Height() / 2.0));
}

void ActivityBoard::Label2_MouseUp(int index, const MouseArgs &)
{
    const Label &label = Label2[index];
    placeLabel(index, {label.Left(), label.Top()});
}

void ActivityBoard::placeLabel(int index, Corner dropped)
{
    Label &label = Label2[index];
    const DropOutcome outcome = dropPass(placesOf(Label1), placesOf(Label4), dropped);
    label.setLeft(outcome.corner.left);
    label.setTop(outcome.corner.top);
    for (int snap = 0; snap < outcome.snaps; ++snap)
        playIfSoundOn(m_screens, thud);
    showCheckScoreWhenComplete();
}

// Picks the label up, or lets it go when it is the one held already.
void ActivityBoard::Label2_Click(int index)
{
    if (index == m_held) {
        letGo();
        return;
    }
    letGo();
    hold(index);
}

void ActivityBoard::Label1_Click(int index)
{
    putHeldLabelOn(Label1[index]);
}

void ActivityBoard::Label4_Click(int index)
{
    putHeldLabelOn(Label4[index]);
}

void ActivityBoard::hold(int index)
{
    m_held = index;
    Label2[index].setHeld(true);
    // Drawn over the other labels, as a label being dragged is.
    Label2[index].raise();
}

void ActivityBoard::letGo()
{
    if (m_held >= 0)
        Label2[m_held].setHeld(false);
    m_held = -1;
}

void ActivityBoard::putHeldLabelOn(const Label &box)
{
    const int index = m_held;
    if (index < 0)
        return;
    letGo();
    placeLabel(index, {box.Left(), box.Top()});
    // The label now covers the box; the keyboard goes on from the label.
    if (box.hasFocus())
        Label2[index].setFocus(Qt::OtherFocusReason);
}

void ActivityBoard::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_held >= 0)
        runHandler(*this, [this] { letGo(); });
    else
        Form::keyPressEvent(event);
}

bool ActivityBoard::hasLabelOnIt(const Label &box) const
{
    const std::vector<Corner> corners = labelCorners();
    return std::find(corners.begin(), corners.end(), Corner{box.Left(), box.Top()}) !=
           corners.end();
}

// A box with a label sitting on it is out of sight, and out of reach of the mouse too.
bool ActivityBoard::isTabStop(const QWidget &control) const
{
    if (!Form::isTabStop(control))
        return false;
    for (const ControlArray<Label> *boxes : {&Label1, &Label4}) {
        for (const auto &[index, box] : *boxes) {
            if (box == &control)
                return !hasLabelOnIt(*box);
        }
    }
    return true;
}

void ActivityBoard::showCheckScoreWhenComplete()
{
    // Only ever shows the button: moving a label out again leaves it up until "Start Again".
    if (labelsInTargets(labelCorners(), placesOf(Label1)) == count())
        Label3[CheckScoreButton].setVisible(true);
}

void ActivityBoard::Label3_Click(int index)
{
    letGo();
    m_screens.state<QuizSession>().Score = 0;
    switch (index) {
    case ExitButton:
        m_screens.unload(*this);
        break;
    case StartAgainButton:
        startAgain();
        break;
    case CheckScoreButton:
        checkScore();
        break;
    default:
        break;
    }
    // Still heard after "Exit": the screen goes only once this handler has returned.
    playClick(m_screens);
}

void ActivityBoard::startAgain()
{
    for (int i = 0; i < count(); ++i) {
        Label2[i].setLeft(Label4[i].Left());
        Label2[i].setTop(Label4[i].Top());
    }
    Label3[CheckScoreButton].setVisible(false);
}

void ActivityBoard::checkScore()
{
    m_screens.state<QuizSession>().Score = labelsInOwnTarget(labelCorners(), placesOf(Label1));
    // The board stays loaded beneath the results, labels where they are.
    m_screens.welldone().showActivityResult();
}

void ActivityBoard::Label3_MouseMove(int index)
{
    highlightButton(Label3, index);
}

void ActivityBoard::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label3);
}

std::vector<TwipsRect> ActivityBoard::placesOf(const ControlArray<Label> &boxes) const
{
    std::vector<TwipsRect> places;
    for (const auto &[index, box] : boxes)
        places.push_back(box->place());
    return places;
}

std::vector<Corner> ActivityBoard::labelCorners() const
{
    std::vector<Corner> corners;
    for (const auto &[index, label] : Label2)
        corners.push_back({label->Left(), label->Top()});
    return corners;
}

ActivityBoard &Screens::propertieslab()
{
    return get<ActivityBoard>("propertieslab", propertieslabData);
}

ActivityBoard &Screens::irreversiblelab()
{
    return get<ActivityBoard>("irreversiblelab", irreversiblelabData);
}

ActivityBoard &Screens::propertiesord()
{
    return get<ActivityBoard>("propertiesord", propertiesordData);
}

ActivityBoard &Screens::irreversibleord()
{
    return get<ActivityBoard>("irreversibleord", irreversibleordData);
}
