// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "activities/droprules.h"
#include "platform/label.h"

#include <QString>
#include <optional>
#include <vector>

// One answer of a board: label i belongs in target box i. At design the target box carries the
// text; the board moves it onto the label of the same index when it loads.
struct Answer {
    QString text;
    Corner start;  // where Label2(i) starts, and so where its home box Label4(i) is put
    Corner target; // Label1(i), the label's one right place
    // What a screen reader calls that box: by what lies beside it, never by the answer.
    QString box;
};

// A picture of a labelling board, Image1(index), stretched to its control.
struct PictureDesign {
    int index;
    QString file;
    TwipsRect place;
    QString description; // what it shows, for a screen reader
};

// A text of the board's fixed frame (instruction, heading, property name, sentence beginning):
// a label with no handlers. A single control is kept at index 0 of its name.
struct FixedText {
    QString name;
    int index;
    LabelDesign design;
};

// Everything that tells one activity board from another.
struct ActivityData {
    LabelDesign title; // Label6; the board is opened under its topic's title
    std::vector<FixedText> texts;
    std::vector<PictureDesign> pictures; // Image1, loaded at each opening
    float labelWidth = 0;                // movable labels and target boxes share one size
    float labelHeight = 0;
    FontSpec labelFont;
    Alignment labelAlignment = Alignment::Center;
    // Home boxes of the labelling boards keep a width of their own, narrower than the label on
    // the properties board; without one they take their label's width.
    std::optional<float> homeBoxWidth;
    std::vector<Answer> answers;

    int count() const { return static_cast<int>(answers.size()); }
};

extern const ActivityData propertieslabData;
extern const ActivityData irreversiblelabData;
extern const ActivityData propertiesordData;
extern const ActivityData irreversibleordData;
