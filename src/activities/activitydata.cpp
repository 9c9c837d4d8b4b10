// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/activitydata.h"

namespace
{

using Colour::black;
using Colour::darkBlue;
using Colour::green;
using Colour::lightCyan;
using Colour::yellow;

LabelDesign titleAt(TwipsRect place, Alignment alignment)
{
    return {"", place, {"Times New Roman", 24}, yellow, black, BackStyle::Transparent, alignment};
}

LabelDesign dragInstruction(TwipsRect place, float size, Alignment alignment)
{
    return {"Drag the labels into the correct boxes.",
            place,
            {"Tahoma", size, true},
            lightCyan,
            black,
            BackStyle::Transparent,
            alignment};
}

// A picture of a labelling board: its file and what it shows, for a screen reader.
struct Shown {
    QString file;
    QString description;
};

// The four pictures sit in a two-by-two grid, each box directly beneath its picture; the last
// one is drawn a little smaller.
std::vector<PictureDesign> labellingPictures(const Shown &first, const Shown &second,
                                             const Shown &third, const Shown &fourth)
{
    return {{0, first.file, {1800, 840, 3660, 2760}, first.description},
            {1, second.file, {6600, 840, 3660, 2760}, second.description},
            {2, third.file, {1800, 4080, 3660, 2760}, third.description},
            {3, fourth.file, {6600, 4080, 3600, 2700}, fourth.description}};
}

QString boxUnder(const QString &description)
{
    return "Box under the picture of " + description;
}

// What tells the two labelling boards apart; they share their instruction, their labels' height
// and font and the width of their home boxes.
struct LabellingBoard {
    LabelDesign title;
    std::vector<PictureDesign> pictures;
    float labelWidth;
    std::vector<Answer> answers;
};

ActivityData labellingBoard(const LabellingBoard &board)
{
    return {.title = board.title,
            .texts = {{"Label7", 0, dragInstruction({7080, 120, 4785, 345}, 12, Alignment::Right)}},
            .pictures = board.pictures,
            .labelWidth = board.labelWidth,
            .labelHeight = 375,
            .labelFont = {"Tahoma", 12, true},
            .labelAlignment = Alignment::Center,
            .homeBoxWidth = 1845,
            .answers = board.answers};
}

// What to do on an ordering board, in green at the top.
FixedText orderingTask(const QString &caption, TwipsRect place, float size, Alignment alignment)
{
    return {"Label8",
            0,
            {caption,
             place,
             {"Times New Roman", size},
             green,
             black,
             BackStyle::Transparent,
             alignment}};
}

LabelDesign columnHeading(const QString &caption, TwipsRect place)
{
    return {caption,          place, {"Tahoma", 12, true}, yellow, black, BackStyle::Transparent,
            Alignment::Center};
}

FixedText propertyName(int index, const QString &caption, float top)
{
    return {"Label7",
            index,
            {caption,
             {2520, top, 2235, 435},
             {"Tahoma", 11.25f, true},
             yellow,
             darkBlue,
             BackStyle::Opaque,
             Alignment::Center,
             true}};
}

// Each sentence beginning ends at 6495, just left of its box.
FixedText sentenceBeginning(int index, const QString &caption, float left, float top, float width)
{
    return {"Label5",
            index,
            {caption,
             {left, top, width, 495},
             {"Tahoma", 15.75f, true},
             yellow,
             black,
             BackStyle::Transparent,
             Alignment::Right}};
}

} // namespace

const ActivityData propertieslabData = labellingBoard({
    .title = titleAt({120, 120, 5145, 705}, Alignment::Center),
    .pictures = labellingPictures(
        {"Images\\aluminiumsm.jpg", "aluminium foil joining a battery to a lit bulb"},
        {"Images\\magnetsm.jpg", "a horseshoe magnet holding paper clips"},
        {"Images\\woolhatsm.jpg", "a woolly hat and drops of water from a dropper"},
        {"Images\\glovessm.jpg", "rubber gloves under a running tap"}),
    .labelWidth = 2805,
    .answers = {{"Waterproof", {3120, 7440}, {7080, 6840}, boxUnder("rubber gloves")},
                {"Electrical Conductor", {8880, 7440}, {2280, 3600}, boxUnder("aluminium foil")},
                {"Magnetic", {240, 7440}, {7080, 3600}, boxUnder("a horseshoe magnet")},
                {"Absorbent", {6000, 7440}, {2280, 6840}, boxUnder("a woolly hat")}},
});

const ActivityData irreversiblelabData = labellingBoard({
    .title = titleAt({120, 120, 4065, 705}, Alignment::Center),
    .pictures =
        labellingPictures({"Images\\candlesm2.jpg", "a candle with a flame"},
                          {"Images\\dissolvingsm.jpg", "sugar stirred into a glass of water"},
                          {"Images\\boilingsm.jpg", "a pan of bubbling water on a stove"},
                          {"Images\\freezingsm.jpg", "a tray of ice cubes beside a thermometer"}),
    .labelWidth = 1845,
    .answers = {{"Freezing", {3960, 7440}, {7560, 6840}, boxUnder("a tray of ice cubes")},
                {"Burning", {8280, 7440}, {2760, 3600}, boxUnder("a candle")},
                {"Dissolving", {1800, 7440}, {7560, 3600}, boxUnder("sugar and water")},
                {"Boiling", {6120, 7440}, {2760, 6840}, boxUnder("a pan on a stove")}},
});

// A table of six properties: the name of each is fixed, its meaning goes in the box at Left 5400
// and an example material in the box at Left 7920 of the same row.
const ActivityData propertiesordData{
    .title = titleAt({120, 120, 4785, 705}, Alignment::Left),
    .texts = {orderingTask("Complete the table of properties of materials.", {5640, 240, 5835, 585},
                           15.75f, Alignment::Left),
              {"Label8", 4, columnHeading("Property", {2640, 840, 1995, 345})},
              {"Label8", 1, columnHeading("Meaning", {5160, 840, 2355, 345})},
              {"Label8", 2, columnHeading("Example", {7680, 840, 2355, 345})},
              propertyName(5, "Hard", 1320),
              propertyName(0, "Strong", 2160),
              propertyName(1, "Brittle", 3000),
              propertyName(2, "Transparent", 3840),
              propertyName(3, "Opaque", 4680),
              propertyName(4, "Flexible", 5520)},
    .pictures = {},
    .labelWidth = 1875,
    .labelHeight = 675,
    .labelFont = {"Tahoma", 11.25f, true},
    .labelAlignment = Alignment::Center,
    .homeBoxWidth = std::nullopt,
    .answers = {{"Rubber", {2160, 7080}, {7920, 5400}, "Example of Flexible"},
                {"Steel", {2160, 6360}, {7920, 2040}, "Example of Strong"},
                {"Wood", {9840, 7080}, {7920, 4560}, "Example of Opaque"},
                {"Bends easily.", {6000, 7080}, {5400, 5400}, "Meaning of Flexible"},
                {"Lets light through.", {6000, 6360}, {5400, 3720}, "Meaning of Transparent"},
                {"Doesn't bend or break easily.", {4080, 6360}, {5400, 2040}, "Meaning of Strong"},
                {"Doesn't let light through.", {4080, 7080}, {5400, 4560}, "Meaning of Opaque"},
                {"Glass", {9840, 6360}, {7920, 3720}, "Example of Transparent"},
                {"Slate", {240, 7080}, {7920, 2880}, "Example of Brittle"},
                {"Hard, but breaks easily.", {7920, 7080}, {5400, 2880}, "Meaning of Brittle"},
                {"Difficult to scratch.", {240, 6360}, {5400, 1200}, "Meaning of Hard"},
                {"Diamond", {7920, 6360}, {7920, 1200}, "Example of Hard"}},
};

// Six sentences about burning: each beginning is fixed, its ending goes in the box to its right.
const ActivityData irreversibleordData{
    .title = titleAt({120, 240, 5025, 825}, Alignment::Center),
    .texts = {orderingTask("Complete the sentences below about burning.", {6240, 120, 5265, 1065},
                           20.25f, Alignment::Center),
              {"Label9", 0, dragInstruction({120, 7920, 2625, 585}, 11.25f, Alignment::Center)},
              sentenceBeginning(0, "Burning is a", 720, 1380, 5775),
              sentenceBeginning(1, "Burning occurs when", 840, 2100, 5655),
              sentenceBeginning(2, "When a material is burnt it", 1680, 2820, 4815),
              // Designed at Left 120, Width 6375; our stand-in for Tahoma runs a few pixels
              // wider, so this longest beginning takes the room up to the screen's edge. Being
              // right-aligned, borderless and transparent, only its text shows, ending at 6495.
              sentenceBeginning(3, "Carbon, burning, in wood combines with", 0, 3540, 6495),
              sentenceBeginning(4, "Burning materials", 840, 4260, 5655),
              sentenceBeginning(5, "Burning produces an", 720, 4980, 5775)},
    .pictures = {},
    .labelWidth = 5115,
    .labelHeight = 495,
    .labelFont = {"Tahoma", 15.75f, true},
    .labelAlignment = Alignment::Left,
    .homeBoxWidth = std::nullopt,
    .answers =
        {{"turns into new substances.",
          {720, 7320},
          {6600, 2790},
          "End of: When a material is burnt it"},
         {"chemical reaction.", {6090, 7320}, {6600, 1335}, "End of: Burning is a"},
         {"creates heat.", {720, 6120}, {6600, 4230}, "End of: Burning materials"},
         {"oxygen reacts with a fuel.", {720, 6720}, {6600, 2070}, "End of: Burning occurs when"},
         {"oxygen to make carbon dioxide.",
          {6090, 6720},
          {6600, 3510},
          "End of: Carbon, burning, in wood combines with"},
         {"irreversible change.", {6090, 6120}, {6600, 4950}, "End of: Burning produces an"}},
};
