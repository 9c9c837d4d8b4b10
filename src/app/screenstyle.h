// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/label.h"

#include <functional>
#include <span>

class Form;

// The styling every screen applies first when it loads: blue background, the caption
// "Kelvarin", 12000 x 9000 twips centred on the display.
void ApplyScreenStyle(Form &screen);

// The main menu's heading and picture, which a worksheet's quiz shows too.
inline const QString MainMenuHeading = QStringLiteral("Kelvarin");
inline const QString MainMenuPicture = QStringLiteral("Images\\lampsm.jpg");

// A button as the screens draw them: yellow bold Tahoma on a black box, centred. The quiz,
// results, activity and worksheet screens' buttons have a single-line border; the menus' and
// viewers' entries have none.
enum class ButtonEdge { Bordered, Plain };
LabelDesign buttonLabel(const QString &caption, TwipsRect place,
                        ButtonEdge edge = ButtonEdge::Bordered);

// One of a screen's buttons as designed.
struct ButtonSpec {
    int index;
    TwipsRect place;
    const char *caption;
    bool visible = true;
    bool enabled = true;
};

using IndexHandler = std::function<void(int)>;

// Puts a made label into the screen's control array of buttons: a click, Space or Enter, or a
// pointer move over it calls the screen's handler with its index.
void addButton(ControlArray<Label> &array, int index, Label *button, const IndexHandler &click,
               const IndexHandler &hover);

// Makes the buttons as designed and adds them to the screen's control array.
void makeButtons(QWidget *screen, ControlArray<Label> &array, std::span<const ButtonSpec> specs,
                 const IndexHandler &click, const IndexHandler &hover,
                 ButtonEdge edge = ButtonEdge::Bordered);

// The highlight under the pointer: a button shows its black box while the pointer is over it and
// loses it when the pointer reaches the bare screen.
void highlightButton(ControlArray<Label> &buttons, int index);
void clearHighlights(ControlArray<Label> &buttons);
