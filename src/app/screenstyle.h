#pragma once

#include "platform/controlarray.h"
#include "platform/label.h"

#include <functional>
#include <span>

class Form;

// The styling every screen applies first when it loads: blue background, the caption
// "Kelvarin", 12000 x 9000 twips centred on the display.
void ApplyScreenStyle(Form &screen);

// A button as the quiz, results and activity screens draw them: yellow bold Tahoma on a black
// box with a single-line border, centred.
LabelDesign buttonLabel(const QString &caption, TwipsRect place);

// One of a screen's bordered buttons as designed.
struct ButtonSpec {
    int index;
    TwipsRect place;
    const char *caption;
    bool visible;
};

// Makes the buttons into the screen's control array; a click or a pointer move over one calls the
// screen's handler with the button's index.
void makeButtons(QWidget *screen, ControlArray<Label> &array, std::span<const ButtonSpec> specs,
                 const std::function<void(int)> &click, const std::function<void(int)> &hover);
