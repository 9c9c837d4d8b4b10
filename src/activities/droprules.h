// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

#include <vector>

// The rules of the activity boards, on plain positions so they can be tried without a screen:
// which box catches a dropped label, where one drop leaves it, and how the labels are counted.
// They neither move controls nor play sounds.

// A label's top-left corner, in twips.
struct Corner {
    float left = 0;
    float top = 0;
    bool operator==(const Corner &) const = default;
};

// A box catches a label when the label's corner lies strictly inside the zone that reaches from
// half a box-width left of the box to its right edge, and from half a box-height above it to its
// bottom edge. Each bound is rounded to float first, the precision the positions are kept in.
bool catches(const TwipsRect &box, Corner label);

struct DropOutcome {
    Corner corner;
    int snaps = 0; // one thud for each box that took the label
};

// One drop: the boxes are tried in the order target 0, home 0, target 1, home 1, ..., each against
// the label's corner as it stands by then, and every box that catches it pulls it onto its own
// corner. A label no box catches stays where it was dropped.
DropOutcome dropPass(const std::vector<TwipsRect> &targets, const std::vector<TwipsRect> &homes,
                     Corner dropped);

// Pairs (label, target box) whose corners are exactly equal. It equals the number of labels once
// every label sits in some target box, whether or not boxes are shared.
int labelsInTargets(const std::vector<Corner> &labels, const std::vector<TwipsRect> &targets);

// Labels that sit exactly in the target box of their own index: the score.
int labelsInOwnTarget(const std::vector<Corner> &labels, const std::vector<TwipsRect> &targets);
