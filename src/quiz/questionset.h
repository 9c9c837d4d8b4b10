// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/errors.h"

#include <QString>
#include <array>

class ContentFolder;
struct QuizSession;
class SeqReader;

// A question-set file: a title, then ten questions of five text lines each (the question and
// answers A to D), the correct answer as one digit 1 to 4, and a separator line holding a blank;
// line 2 is a separator too. 72 lines, each one field. A comma would end a field early, so commas
// are stored as "&" and every "&" reads back as a comma; a typed ampersand therefore comes back as
// a comma, which the installed sets and every saved worksheet rely on.

// A set read whole whose correct answer to some question isn't a number 1 to 4: it can't run, but
// the wizard can open it for the teacher to tick an answer.
class BadCorrectAnswer : public FileError
{
public:
    using FileError::FileError;
};

// Reads the 72 fields in order into the quiz session (CurrentSetTitle, entries 1 to
// 10 of QuestionText, AnswerA to AnswerD and CorrectAnswer, the digit kept as read); lines after
// the tenth question are ignored. A set of the wrong shape is damaged and throws FileError: a
// missing field, a line split by a comma. A correct answer that isn't a number 1 to 4 throws
// BadCorrectAnswer once the whole set is read. Nothing is cleared first: the fields read before a
// failure stay overwritten.
void LoadQuestionSet(QuizSession &m, SeqReader &file);

// Opens the set that the content path names in the folder, loads it and closes it again.
// Throws FileError when the file is missing or damaged.
void loadQuestionSetFile(const ContentFolder &folder, QuizSession &m, const QString &path);

// The question set of a topic's quiz, named after the topic: "multiple\Properties of
// Materials.txt".
QString topicQuestionSetFile(const QString &topicTitle);

// Reads the set the path names as the quiz would, keeping nothing of it.
// Throws FileError when the file is missing or damaged.
void checkQuestionSetFile(const ContentFolder &folder, const QString &path);

// What the wizard writes: a title and ten questions, each with answers A to D and the number of
// the correct one.
struct QuestionSetText {
    struct Question {
        QString text;
        std::array<QString, 4> answers; // A to D
        int correct = 0;                // 1 = A ... 4 = D
    };
    QString title;
    std::array<Question, 10> questions;
};

// Writes the set in the layout above, all or nothing: the old file stays as it was on failure.
// Every field reads back exactly as given (commas and ampersands aside), also one that starts with
// blanks, which is written in double quotes. A field that starts with a double quote can't be
// stored as typed, since the reader ends a quoted field at its first quote; its straight double
// quotes are written as curly ones instead, so nothing after them is lost.
// Throws FileError before writing anything when a correct answer is outside 1 to 4 or a text holds
// a line break or a character that Windows-1252 lacks; throws FileError too when the file can't be
// written.
void writeQuestionSet(const ContentFolder &folder, const QString &path, const QuestionSetText &set);
