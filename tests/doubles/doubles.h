// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/messageboxes.h"
#include "platform/random.h"
#include "sound/sound.h"

#include <QStringList>
#include <deque>

// Records every clip asked for, and how often the clips were silenced.
class RecordingSound : public SndDevil
{
public:
    void Play(const QString &path) override { played.append(path); }
    void Stop() override { ++stops; }
    QStringList played;
    int stops = 0;
};

// Answers message boxes from a script (OK when the script runs out) and records what was asked.
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    MsgResult show(const QString &text, MsgButtons, const QString &) override
    {
        asked.append(text);
        if (answers.empty())
            return MsgResult::Ok;
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Answers with the next of fileChoices, or as a cancel when there are none.
    QString chooseFileToSave(const QString &, const QString &suggested, const QString &) override
    {
        suggestedFiles.append(suggested);
        if (fileChoices.empty())
            return {};
        const QString chosen = fileChoices.front();
        fileChoices.pop_front();
        return chosen;
    }
    QStringList asked;
    std::deque<MsgResult> answers;
    QStringList suggestedFiles;
    std::deque<QString> fileChoices;
};

// Hands out the numbers a test lines up, then 0.
class ScriptedRandom : public Random
{
public:
    double next() override
    {
        if (numbers.empty())
            return 0.0;
        const double number = numbers.front();
        numbers.pop_front();
        return number;
    }
    std::deque<double> numbers;
};
