// The board's rules on plain positions: catch zones, the order of one drop, completeness, score.
#include "activities/activitydata.h"
#include "activities/droprules.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

std::vector<TwipsRect> targetsOf(const ActivityData &data)
{
    std::vector<TwipsRect> boxes;
    for (const Answer &answer : data.answers)
        boxes.push_back({answer.target.left, answer.target.top, data.labelWidth, data.labelHeight});
    return boxes;
}

// Home boxes as they stand once the board is set up: on the labels' start positions, the
// labels' height, and their own width only where the board keeps one.
std::vector<TwipsRect> homesOf(const ActivityData &data)
{
    std::vector<TwipsRect> boxes;
    for (const Answer &answer : data.answers)
        boxes.push_back({answer.start.left, answer.start.top,
                         data.homeBoxWidth.value_or(data.labelWidth), data.labelHeight});
    return boxes;
}

std::vector<Corner> labelsIn(const std::vector<TwipsRect> &boxes, const std::vector<int> &order)
{
    std::vector<Corner> corners;
    for (int box : order)
        corners.push_back({boxes[box].left, boxes[box].top});
    return corners;
}

float above(float value)
{
    return std::nextafter(value, 1e9f);
}
float below(float value)
{
    return std::nextafter(value, -1e9f);
}

// A zone written out by hand as open ranges, from the worked examples of the boards.
struct Zone {
    const char *what;
    TwipsRect box;
    float leftFrom, leftTo, topFrom, topTo;
};

const Zone zones[] = {
    {"propertieslab target (2280, 3600)", {2280, 3600, 2805, 375}, 877.5f, 5085, 3412.5f, 3975},
    {"propertieslab target (7080, 6840)", {7080, 6840, 2805, 375}, 5677.5f, 9885, 6652.5f, 7215},
    {"irreversiblelab target (2760, 3600)", {2760, 3600, 1845, 375}, 1837.5f, 4605, 3412.5f, 3975},
    {"home box (3120, 7440)", {3120, 7440, 1845, 375}, 2197.5f, 4965, 7252.5f, 7815},
    {"home box (240, 7440)", {240, 7440, 1845, 375}, -682.5f, 2085, 7252.5f, 7815},
    {"propertiesord box (5400, 1200)", {5400, 1200, 1875, 675}, 4462.5f, 7275, 862.5f, 1875},
    {"propertiesord box (7920, 5400)", {7920, 5400, 1875, 675}, 6982.5f, 9795, 5062.5f, 6075},
    {"irreversibleord box (6600, 1335)", {6600, 1335, 5115, 495}, 4042.5f, 11715, 1087.5f, 1830},
    {"irreversibleord home (720, 7320)", {720, 7320, 5115, 495}, -1837.5f, 5835, 7072.5f, 7815},
};

} // namespace

TEST(CatchZone, HoldsOnlyCornersStrictlyInside)
{
    for (const Zone &z : zones) {
        const float midLeft = (z.leftFrom + z.leftTo) / 2;
        const float midTop = (z.topFrom + z.topTo) / 2;
        struct Probe {
            Corner corner;
            bool caught;
        };
        const Probe probes[] = {
            {{midLeft, midTop}, true},           {{z.box.left, z.box.top}, true},
            {{above(z.leftFrom), midTop}, true}, {{below(z.leftTo), midTop}, true},
            {{midLeft, above(z.topFrom)}, true}, {{midLeft, below(z.topTo)}, true},
            {{z.leftFrom, midTop}, false},       {{z.leftTo, midTop}, false},
            {{midLeft, z.topFrom}, false},       {{midLeft, z.topTo}, false},
            {{z.leftFrom, z.topFrom}, false},    {{below(z.leftFrom), midTop}, false},
            {{midLeft, above(z.topTo)}, false},
        };
        for (const Probe &p : probes)
            EXPECT_EQ(catches(z.box, p.corner), p.caught)
                << z.what << " at (" << p.corner.left << ", " << p.corner.top << ")";
    }
}

TEST(CatchZone, BoundsAreRoundedToFloatBeforeComparing)
{
    // At 2^24 a float has no room for halves or odd steps: the zone's left bound (2^24 - 0.5) and
    // right bound (2^24 + 1) both round onto the box's own corner, so nothing lies strictly inside.
    const TwipsRect box{16777216.0f, 0, 1, 1};
    EXPECT_FALSE(catches(box, {16777216.0f, 0}));
    // Below 2^24 the same box shape still catches its own corner.
    EXPECT_TRUE(catches({4096, 0, 1, 1}, {4096, 0}));
}

TEST(DropPass, WorkedExamplesOfTheFourBoards)
{
    struct Case {
        const char *what;
        const ActivityData &data;
        Corner dropped;
        Corner expected;
        int snaps;
    };
    const Case cases[] = {
        {"Magnetic near the aluminium box", propertieslabData, {3000, 3500}, {2280, 3600}, 1},
        {"propertiesord overlap of four boxes goes to Label1(1)",
         propertiesordData,
         {7000, 1750},
         {7920, 2040},
         1},
        {"irreversibleord rows overlap: Label1(1) first",
         irreversibleordData,
         {6000, 1826},
         {6600, 1335},
         1},
        {"propertieslab: just right of home 3120 is no box's",
         propertieslabData,
         {3120 + 1900, 7440},
         {3120 + 1900, 7440},
         0},
        {"propertieslab: just right of home 240",
         propertieslabData,
         {240 + 1900, 7440},
         {240 + 1900, 7440},
         0},
        {"propertieslab: just right of home 6000",
         propertieslabData,
         {6000 + 1900, 7440},
         {6000 + 1900, 7440},
         0},
        {"propertieslab: just right of home 8880",
         propertieslabData,
         {8880 + 1900, 7440},
         {8880 + 1900, 7440},
         0},
        {"propertieslab: inside the narrow home box's reach",
         propertieslabData,
         {3120 + 1800, 7440},
         {3120, 7440},
         1},
        {"near another label's home box parks it there",
         irreversiblelabData,
         {1900, 7500},
         {1800, 7440},
         1},
        {"far from every box stays put", propertiesordData, {11000, 300}, {11000, 300}, 0},
        {"a click on a label in its target box snaps it in place",
         propertiesordData,
         {5400, 1200},
         {5400, 1200},
         1},
        {"a click on a label in its home box snaps it in place",
         irreversibleordData,
         {6090, 6120},
         {6090, 6120},
         1},
    };
    for (const Case &c : cases) {
        const DropOutcome outcome = dropPass(targetsOf(c.data), homesOf(c.data), c.dropped);
        EXPECT_EQ(outcome.corner, c.expected) << c.what;
        EXPECT_EQ(outcome.snaps, c.snaps) << c.what;
    }
}

TEST(DropPass, OverlapsOfPropertiesOrdGoToTheLowerTargetIndex)
{
    // Where a row's meaning and example zones overlap (Left 6982.5 to 7275), the box with the
    // lower index wins: the meaning for "Hard" and "Transparent", the example otherwise.
    struct Row {
        const char *property;
        float top;
        float expectedLeft;
    };
    const Row rows[] = {{"Hard", 1200, 5400},    {"Strong", 2040, 7920},
                        {"Brittle", 2880, 7920}, {"Transparent", 3720, 5400},
                        {"Opaque", 4560, 7920},  {"Flexible", 5400, 7920}};
    for (const Row &row : rows) {
        const DropOutcome outcome = dropPass(targetsOf(propertiesordData),
                                             homesOf(propertiesordData), {7100, row.top + 100});
        EXPECT_EQ(outcome.corner, (Corner{row.expectedLeft, row.top})) << row.property;
    }
}

TEST(DropPass, IrreversibleOrdParksEveryDropInThePoolInSomeHomeBox)
{
    const auto homes = homesOf(irreversibleordData);
    for (float left = -1800; left < 11205; left += 250) {
        for (float top = 5900; top < 7815; top += 95) {
            const Corner end = dropPass(targetsOf(irreversibleordData), homes, {left, top}).corner;
            const bool inAHome = std::any_of(homes.begin(), homes.end(), [&](const TwipsRect &box) {
                return end.left == box.left && end.top == box.top;
            });
            EXPECT_TRUE(inAHome) << left << ", " << top;
        }
    }
    for (const Corner outside :
         {Corner{-1837.5f, 7000}, Corner{11205, 7000}, Corner{3000, 5872.5f}, Corner{3000, 7815}}) {
        const DropOutcome outcome = dropPass(targetsOf(irreversibleordData), homes, outside);
        EXPECT_EQ(outcome.corner, outside) << outside.left << ", " << outside.top;
    }
}

TEST(DropPass, TestsEachBoxAgainstTheLabelWhereItStandsByThen)
{
    struct Case {
        const char *what;
        std::vector<TwipsRect> targets;
        std::vector<TwipsRect> homes;
        Corner dropped;
        Corner expected;
        int snaps;
    };
    const TwipsRect farAway{90000, 90000, 10, 10};
    const Case cases[] = {
        {"target before the home box of the same index",
         {{1000, 1000, 1000, 400}},
         {{1800, 1000, 1000, 400}},
         {1500, 1100},
         {1000, 1000},
         1},
        {"a snapped label inside a later zone moves on",
         {{1000, 1000, 1000, 400}},
         {{1200, 1100, 1000, 400}},
         {1300, 1150},
         {1200, 1100},
         2},
        {"lower index first",
         {{0, 0, 100, 100}, {100, 0, 100, 100}},
         {farAway, farAway},
         {70, 10},
         {0, 0},
         1},
        {"the snapped corner, not the drop point, meets the next box",
         {{0, 0, 100, 100}, {-40, -40, 100, 100}},
         {farAway, farAway},
         {80, 80},
         {-40, -40},
         2},
        {"a drop point in a later zone is left once the label has moved",
         {{0, 0, 100, 100}, {120, 0, 100, 100}},
         {farAway, farAway},
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

TEST(Completeness, CountsLabelsInAnyTargetBox)
{
    const auto targets = targetsOf(propertieslabData);
    struct Case {
        const char *what;
        std::vector<Corner> labels;
        int expected;
    };
    const Case cases[] = {
        {"all in their own boxes", labelsIn(targets, {0, 1, 2, 3}), 4},
        {"two swapped", labelsIn(targets, {1, 0, 2, 3}), 4},
        {"all four stacked in one box", labelsIn(targets, {2, 2, 2, 2}), 4},
        {"two sharing, one box empty", labelsIn(targets, {0, 0, 2, 3}), 4},
        {"one still at home", {{2280, 3600}, {7080, 3600}, {2280, 6840}, {6000, 7440}}, 3},
        {"half a twip off a box is not in it",
         {{7080.5f, 6840}, {2280, 3600}, {7080, 3600}, {2280, 6840}},
         3},
        {"none placed", {{3120, 7440}, {8880, 7440}, {240, 7440}, {6000, 7440}}, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(labelsInTargets(c.labels, targets), c.expected) << c.what;
}

TEST(Score, CountsOnlyLabelsInTheirOwnBox)
{
    struct Case {
        const char *what;
        const ActivityData &data;
        std::vector<int> boxOfLabel;
        int expected;
    };
    const Case cases[] = {
        {"labelling, all right", propertieslabData, {0, 1, 2, 3}, 4},
        {"labelling, two swapped", propertieslabData, {1, 0, 2, 3}, 2},
        {"labelling, all stacked in box 2", irreversiblelabData, {2, 2, 2, 2}, 1},
        {"labelling, all stacked in box 0", irreversiblelabData, {0, 0, 0, 0}, 1},
        {"labelling, rotated", irreversiblelabData, {1, 2, 3, 0}, 0},
        {"ordering 12, two examples swapped",
         propertiesordData,
         {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
         10},
        // "Hard": meaning is Label1(10), example Label1(11); swapped they both score nothing.
        {"ordering 12, meaning and example of one row swapped",
         propertiesordData,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10},
         10},
        {"ordering 6, all right", irreversibleordData, {0, 1, 2, 3, 4, 5}, 6},
        {"ordering 6, three-way swap", irreversibleordData, {1, 2, 0, 3, 4, 5}, 3},
    };
    for (const Case &c : cases) {
        const auto targets = targetsOf(c.data);
        EXPECT_EQ(labelsInOwnTarget(labelsIn(targets, c.boxOfLabel), targets), c.expected)
            << c.what;
    }
}
