// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/droprules.h"
#include "platform/controlarray.h"
#include "platform/form.h"

#include <map>
#include <vector>

class Image;
class Label;
class Screens;
struct ActivityData;

// One activity board, labelling or ordering, built from its data: movable labels that the pupil
// drags into target boxes, the home boxes where they started, and "Exit", "Start Again" and
// "Check Score". The positions of the movable labels are the board's whole state.
// Without dragging, a label is picked up with a click, Space or Enter, and put down the same way
// on a box; a drag, a click and a key all place it through placeLabel.
class ActivityBoard : public Form
{
    Q_OBJECT
public:
    ActivityBoard(Screens &screens, const ActivityData &boardData);

    enum Label3Button { ExitButton = 0, StartAgainButton = 1, CheckScoreButton = 2 };

    void Form_Load() override;
    // Shows the board under the title of the topic it belongs to.
    void open(const QString &title);
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_MouseMove(int index, const MouseArgs &args);
    void Label2_MouseUp(int index, const MouseArgs &args);
    void Label2_Click(int index);
    void Label1_Click(int index);
    void Label4_Click(int index);
    void Label3_Click(int index);
    void Label3_MouseMove(int index);

    // Puts a label with its top-left corner at the given place, as a drop does: the first box
    // whose zone holds the corner pulls it in with a thud, and "Check Score" shows once every
    // label sits in a target box.
    void placeLabel(int index, Corner dropped);
    // The label picked up to be put down with a click or a key, or -1.
    int heldLabel() const { return m_held; }

    // How many labels the board has.
    int count() const;
    // A text of the fixed frame by its control name ("Label7", "Label8", ...); a single control
    // is index 0.
    Label &fixedText(const QString &name, int index = 0) const;
    bool isTabStop(const QWidget &control) const override;

    Label *Label6;              // the board's title
    ControlArray<Image> Image1; // the pictures
    ControlArray<Label> Label1; // target boxes
    ControlArray<Label> Label2; // movable labels
    ControlArray<Label> Label3; // buttons, by Label3Button
    ControlArray<Label> Label4; // home boxes

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void makePictures();
    void makeFixedTexts();
    void makeBoxes();
    void makeMovableLabels();
    void keepOneLineCaptionsOnOneLine();
    void loadPictures();
    void setUpBoard();
    void startAgain();
    void checkScore();
    void showCheckScoreWhenComplete();
    void hold(int index);
    void letGo();
    void putHeldLabelOn(const Label &box);
    bool hasLabelOnIt(const Label &box) const;
    std::vector<TwipsRect> placesOf(const ControlArray<Label> &boxes) const;
    std::vector<Corner> labelCorners() const;

    Screens &m_screens;
    const ActivityData &m_data;
    std::map<QString, ControlArray<Label>> m_fixedTexts;
    int m_held = -1;
};
