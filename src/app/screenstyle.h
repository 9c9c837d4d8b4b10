#pragma once

#include "platform/label.h"

class Form;

// The styling every screen applies first when it loads: blue background, the caption
// "Kelvarin", 12000 x 9000 twips centred on the display.
void ApplyScreenStyle(Form &screen);

// A button as the quiz, results and activity screens draw them: yellow bold Tahoma on a black
// box with a single-line border, centred.
LabelDesign buttonLabel(const QString &caption, TwipsRect place);
