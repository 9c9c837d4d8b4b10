// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>

class ActivityBoard;
class Screens;

// What makes one topic menu differ from the other.
struct TopicData {
    QString title;
    QColor backColor;
    QString backgroundPicture; // the screen's own picture, or empty
    bool candle;               // the animated burning candle
    QString questionSet;
    QString quizPicture;
    ActivityBoard &(Screens::*labelling)();
    ActivityBoard &(Screens::*ordering)();
    QString keyFacts;     // page set name of the key facts
    QString teacherNotes; // page set name of the teacher's notes
};

extern const TopicData propertiesTopic;
extern const TopicData irreversibleTopic;
