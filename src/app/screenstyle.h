#pragma once

class Form;

// The styling every screen applies first when it loads: blue background, the caption
// "Kelvarin", 12000 x 9000 twips centred on the display.
void ApplyScreenStyle(Form &screen);
