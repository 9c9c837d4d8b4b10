// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The program's named colours, the one place a colour value is written.
namespace Colour
{

inline constexpr QColor black{0, 0, 0};
inline constexpr QColor white{255, 255, 255};
inline constexpr QColor yellow{255, 255, 0}; // captions and buttons on every screen
inline constexpr QColor red{255, 0, 0};
inline constexpr QColor blue{0, 0, 255};
inline constexpr QColor navy{0, 0, 128};
inline constexpr QColor darkBlue{0, 0, 192};
inline constexpr QColor green{0, 255, 0};
inline constexpr QColor darkGreen{0, 128, 0};
inline constexpr QColor lightCyan{128, 255, 255};
inline constexpr QColor lilac{128, 128, 255};
inline constexpr QColor purple{49, 27, 110};         // the main menu and the results
inline constexpr QColor screenBlue{0, 78, 152};      // every styled screen's background
inline constexpr QColor pictureBlue{49, 135, 214};   // a styled screen's Picture1
inline constexpr QColor viewerBlue{49, 130, 212};    // the acknowledgments page
inline constexpr QColor backdropBlue{48, 133, 214};  // the backdrop behind every screen
inline constexpr QColor propertiesBlue{39, 63, 137}; // the "Properties of Materials" menu
inline constexpr QColor nearBlack{2, 0, 0};          // the "Changes in Materials" menu
inline constexpr QColor buttonFace{192, 192, 192};   // every control's and screen's own back
inline constexpr QColor greyText{128, 128, 128};     // greyed captions and bevel shadows
inline constexpr QColor bevelLight{223, 223, 223};
// The class record's score bands, pale enough for black text on them.
inline constexpr QColor bandLow{255, 199, 206};    // under half the marks
inline constexpr QColor bandMiddle{255, 235, 156}; // half to under 8/10
inline constexpr QColor bandHigh{198, 239, 206};   // 8/10 and over
inline constexpr QColor wrongBar{192, 32, 32};     // questions answered wrongly

} // namespace Colour
