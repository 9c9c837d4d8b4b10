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
class ActivityBoard : public Form
{
    Q_OBJECT
public:
    ActivityBoard(Screens &screens, const ActivityData &boardData);

    enum Label3Button { ExitButton = 0, StartAgainButton = 1, CheckScoreButton = 2 };

    void Form_Load() override;
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_MouseMove(int index, const MouseArgs &args);
    void Label2_MouseUp(int index, const MouseArgs &args);
    void Label3_Click(int index);
    void Label3_MouseMove(int index);

    // How many labels the board has.
    int count() const;
    // A text of the fixed frame by its control name ("Label7", "Label8", ...); a single control
    // is index 0.
    Label &fixedText(const QString &name, int index = 0) const;

    Label *Label6;              // the board's title
    ControlArray<Image> Image1; // the pictures
    ControlArray<Label> Label1; // target boxes
    ControlArray<Label> Label2; // movable labels
    ControlArray<Label> Label3; // buttons, by Label3Button
    ControlArray<Label> Label4; // home boxes

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
    std::vector<TwipsRect> placesOf(const ControlArray<Label> &boxes) const;
    std::vector<Corner> labelCorners() const;

    Screens &m_screens;
    const ActivityData &m_data;
    std::map<QString, ControlArray<Label>> m_fixedTexts;
};
