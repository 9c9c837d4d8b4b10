// SPDX-License-Identifier: GPL-3.0-or-later
#include "menus/topics.h"

#include "app/screens.h"
#include "platform/palette.h"
#include "quiz/questionset.h"

const TopicData propertiesTopic{
    .title = "Properties of Materials",
    .backColor = Colour::propertiesBlue,
    .backgroundPicture = "Images\\ironbridge1.jpg",
    .candle = false,
    .questionSet = topicQuestionSetFile("Properties of Materials"),
    .quizPicture = "images\\ironbridgesm.jpg",
    .labelling = &Screens::propertieslab,
    .ordering = &Screens::propertiesord,
    .keyFacts = "key properties",
    .teacherNotes = "properties",
};

const TopicData irreversibleTopic{
    .title = "Changes in Materials",
    .backColor = Colour::nearBlack,
    .backgroundPicture = "",
    .candle = true,
    .questionSet = topicQuestionSetFile("Changes in Materials"),
    .quizPicture = "images\\candlesm.jpg",
    .labelling = &Screens::irreversiblelab,
    .ordering = &Screens::irreversibleord,
    .keyFacts = "key irreversible",
    .teacherNotes = "irreversible",
};
