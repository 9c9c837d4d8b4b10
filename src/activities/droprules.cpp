// SPDX-License-Identifier: GPL-3.0-or-later
#include "activities/droprules.h"

#include <algorithm>

namespace
{

bool strictlyBetween(double low, float value, double high)
{
    return static_cast<float>(low) < value && value < static_cast<float>(high);
}

bool sitsOn(Corner label, const TwipsRect &box)
{
    return label.left == box.left && label.top == box.top;
}

// Tries one box against the label and snaps the label onto it when caught.
void tryBox(const TwipsRect &box, DropOutcome &outcome)
{
    if (!catches(box, outcome.corner))
        return;
    outcome.corner = {box.left, box.top};
    ++outcome.snaps;
}

} // namespace

bool catches(const TwipsRect &box, Corner label)
{
    const double left = box.left;
    const double top = box.top;
    return strictlyBetween(left - box.width / 2.0, label.left, left + box.width) &&
           strictlyBetween(top - box.height / 2.0, label.top, top + box.height);
}

DropOutcome dropPass(const std::vector<TwipsRect> &targets, const std::vector<TwipsRect> &homes,
                     Corner dropped)
{
    DropOutcome outcome{dropped, 0};
    const std::size_t count = std::min(targets.size(), homes.size());
    for (std::size_t j = 0; j < count; ++j) {
        tryBox(targets[j], outcome);
        tryBox(homes[j], outcome);
    }
    return outcome;
}

int labelsInTargets(const std::vector<Corner> &labels, const std::vector<TwipsRect> &targets)
{
    int pairs = 0;
    for (const Corner &label : labels)
        pairs += static_cast<int>(
            std::count_if(targets.begin(), targets.end(),
                          [&](const TwipsRect &box) { return sitsOn(label, box); }));
    return pairs;
}

int labelsInOwnTarget(const std::vector<Corner> &labels, const std::vector<TwipsRect> &targets)
{
    int score = 0;
    const std::size_t count = std::min(labels.size(), targets.size());
    for (std::size_t i = 0; i < count; ++i)
        score += sitsOn(labels[i], targets[i]) ? 1 : 0;
    return score;
}
