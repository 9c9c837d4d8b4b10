// SPDX-License-Identifier: GPL-3.0-or-later
// The board's rules on plain positions: catch zones, the order of one drop, counting and score.
#include "activities/activitydata.h"
#include "activities/droprules.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

std::vector<TwipsRect> targetsOf(const ActivityData &data)
{
    std::vector<TwipsRect> boxes;
    for (const Answer &a : data.answers)
        boxes.push_back({a.target.left, a.target.top, data.labelWidth, data.labelHeight});
    return boxes;
}

// Home boxes once set up: on the labels' start, their height, their own width only if kept.
std::vector<TwipsRect> homesOf(const ActivityData &data)
{
    std::vector<TwipsRect> boxes;
    for (const Answer &a : data.answers)
        boxes.push_back({a.start.left, a.start.top, data.homeBoxWidth.value_or(data.labelWidth),
                         data.labelHeight});
    return boxes;
}

float above(float value)
{
    return std::nextafter(value, 1e9f);
}
float below(float value)
{
    return std::nextafter(value, -1e9f);
}

} // namespace

TEST(CatchZone, HoldsOnlyCornersStrictlyInside)
{
    // Open ranges written out by hand from the boards' worked examples.
    struct Zone {
        TwipsRect box;
        float leftFrom, leftTo, topFrom, topTo;
    };
    const Zone zones[] = {
        {{2280, 3600, 2805, 375}, 877.5f, 5085, 3412.5f, 3975},   // propertieslab target
        {{7080, 6840, 2805, 375}, 5677.5f, 9885, 6652.5f, 7215},  // propertieslab target
        {{2760, 3600, 1845, 375}, 1837.5f, 4605, 3412.5f, 3975},  // irreversiblelab target
        {{3120, 7440, 1845, 375}, 2197.5f, 4965, 7252.5f, 7815},  // narrow home box
        {{5400, 1200, 1875, 675}, 4462.5f, 7275, 862.5f, 1875},   // propertiesord
        {{6600, 1335, 5115, 495}, 4042.5f, 11715, 1087.5f, 1830}, // irreversibleord
    };
    for (const Zone &z : zones) {
        const float midLeft = (z.leftFrom + z.leftTo) / 2, midTop = (z.topFrom + z.topTo) / 2;
        const std::pair<Corner, bool> probes[] = {
            {{z.box.left, z.box.top}, true},   {{above(z.leftFrom), midTop}, true},
            {{below(z.leftTo), midTop}, true}, {{midLeft, above(z.topFrom)}, true},
            {{midLeft, below(z.topTo)}, true}, {{z.leftFrom, midTop}, false},
            {{z.leftTo, midTop}, false},       {{midLeft, z.topFrom}, false},
            {{midLeft, z.topTo}, false},       {{below(z.leftFrom), midTop}, false},
        };
        for (const auto &[corner, caught] : probes)
            EXPECT_EQ(catches(z.box, corner), caught)
                << "box at " << z.box.left << ", " << z.box.top << ": " << corner.left << ", "
                << corner.top;
    }
    // At 2^24 a float has no halves: both bounds round onto the corner, leaving nothing inside.
    EXPECT_FALSE(catches({16777216.0f, 0, 1, 1}, {16777216.0f, 0}));
    EXPECT_TRUE(catches({4096, 0, 1, 1}, {4096, 0}));
}

TEST(DropPass, OnTheFourBoards)
{
    struct Case {
        const char *what;
        const ActivityData &data;
        Corner dropped, expected;
        int snaps;
    };
    const Case cases[] = {
        {"Magnetic under the aluminium", propertieslabData, {3000, 3500}, {2280, 3600}, 1},
        {"in four zones: Label1(1) first", propertiesordData, {7000, 1750}, {7920, 2040}, 1},
        {"two rows' zones: Label1(1) first", irreversibleordData, {6000, 1826}, {6600, 1335}, 1},
        {"right of narrow home 3120", propertieslabData, {5020, 7440}, {5020, 7440}, 0},
        {"right of narrow home 240", propertieslabData, {2140, 7440}, {2140, 7440}, 0},
        {"right of narrow home 8880", propertieslabData, {10780, 7440}, {10780, 7440}, 0},
        {"inside the narrow home's reach", propertieslabData, {4920, 7440}, {3120, 7440}, 1},
        {"parked in another label's home", irreversiblelabData, {1900, 7500}, {1800, 7440}, 1},
        {"far from every box", propertiesordData, {11000, 300}, {11000, 300}, 0},
        {"click in a target box", propertiesordData, {5400, 1200}, {5400, 1200}, 1},
        {"click in a home box", irreversibleordData, {6090, 6120}, {6090, 6120}, 1},
        // Where a row's two zones overlap the lower Label1 index wins.
        {"Hard: meaning", propertiesordData, {7100, 1300}, {5400, 1200}, 1},
        {"Strong: example", propertiesordData, {7100, 2140}, {7920, 2040}, 1},
        {"Brittle: example", propertiesordData, {7100, 2980}, {7920, 2880}, 1},
        {"Transparent: meaning", propertiesordData, {7100, 3820}, {5400, 3720}, 1},
        {"Opaque: example", propertiesordData, {7100, 4660}, {7920, 4560}, 1},
        {"Flexible: example", propertiesordData, {7100, 5500}, {7920, 5400}, 1},
    };
    for (const Case &c : cases) {
        const DropOutcome outcome = dropPass(targetsOf(c.data), homesOf(c.data), c.dropped);
        EXPECT_EQ(outcome.corner, c.expected) << c.what;
        EXPECT_EQ(outcome.snaps, c.snaps) << c.what;
    }
}

TEST(DropPass, IrreversibleOrdParksEveryDropInThePoolInSomeHomeBox)
{
    const auto targets = targetsOf(irreversibleordData);
    const auto homes = homesOf(irreversibleordData);
    for (float left = -1800; left < 11205; left += 250) {
        for (float top = 5900; top < 7815; top += 95) {
            const Corner end = dropPass(targets, homes, {left, top}).corner;
            EXPECT_TRUE(std::any_of(
                homes.begin(), homes.end(),
                [&](const TwipsRect &box) { return end.left == box.left && end.top == box.top; }))
                << left << ", " << top;
        }
    }
    for (const Corner outside :
         {Corner{-1837.5f, 7000}, Corner{11205, 7000}, Corner{3000, 5872.5f}, Corner{3000, 7815}})
        EXPECT_EQ(dropPass(targets, homes, outside).corner, outside);
}

TEST(DropPass, TestsEachBoxAgainstTheLabelWhereItStandsByThen)
{
    struct Case {
        const char *what;
        std::vector<TwipsRect> targets, homes;
        Corner dropped, expected;
        int snaps;
    };
    const TwipsRect away{90000, 90000, 10, 10};
    const Case cases[] = {
        {"target before its home box",
         {{1000, 1000, 1000, 400}},
         {{1800, 1000, 1000, 400}},
         {1500, 1100},
         {1000, 1000},
         1},
        {"snapped into a later zone, moves on",
         {{1000, 1000, 1000, 400}},
         {{1200, 1100, 1000, 400}},
         {1300, 1150},
         {1200, 1100},
         2},
        {"lower index first",
         {{0, 0, 100, 100}, {100, 0, 100, 100}},
         {away, away},
         {70, 10},
         {0, 0},
         1},
        {"the snapped corner meets the next box",
         {{0, 0, 100, 100}, {-40, -40, 100, 100}},
         {away, away},
         {80, 80},
         {-40, -40},
         2},
        {"the drop point is left behind",
         {{0, 0, 100, 100}, {120, 0, 100, 100}},
         {away, away},
         {90, 10},
         {0, 0},
         1},
    };
    for (const Case &c : cases) {
        const DropOutcome outcome = dropPass(c.targets, c.homes, c.dropped);
        EXPECT_EQ(outcome.corner, c.expected) << c.what;
        EXPECT_EQ(outcome.snaps, c.snaps) << c.what;
    }
}

TEST(Counting, LabelsInAnyTargetAndInTheirOwn)
{
    struct Case {
        const char *what;
        const ActivityData &data;
        std::vector<int> boxOfLabel; // -1: still at home
        int inTargets, inOwn;
    };
    const Case cases[] = {
        {"all right", propertieslabData, {0, 1, 2, 3}, 4, 4},
        {"two swapped", propertieslabData, {1, 0, 2, 3}, 4, 2},
        {"all four stacked in one box", irreversiblelabData, {2, 2, 2, 2}, 4, 1},
        {"two sharing, one box empty", irreversiblelabData, {0, 0, 2, 3}, 4, 3},
        {"rotated", irreversiblelabData, {1, 2, 3, 0}, 4, 0},
        {"one still at home", propertieslabData, {1, 2, 3, -1}, 3, 0},
        {"none placed", propertieslabData, {-1, -1, -1, -1}, 0, 0},
        {"twelve, two examples swapped",
         propertiesordData,
         {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         12,
         10},
        {"twelve, meaning and example of Hard swapped",
         propertiesordData,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10},
         12,
         10},
        {"six, three-way swap", irreversibleordData, {1, 2, 0, 3, 4, 5}, 6, 3},
    };
    for (const Case &c : cases) {
        const auto targets = targetsOf(c.data);
        std::vector<Corner> labels;
        for (std::size_t i = 0; i < c.boxOfLabel.size(); ++i) {
            const int box = c.boxOfLabel[i];
            labels.push_back(box < 0 ? c.data.answers[i].start
                                     : Corner{targets[box].left, targets[box].top});
        }
        EXPECT_EQ(labelsInTargets(labels, targets), c.inTargets) << c.what;
        EXPECT_EQ(labelsInOwnTarget(labels, targets), c.inOwn) << c.what;
    }
    // Exact equality: half a twip off a box is not in it.
    const auto targets = targetsOf(propertieslabData);
    EXPECT_EQ(labelsInTargets({{7080.5f, 6840}, {2280, 3600}}, targets), 1);
}
