// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/animationframes.h"
#include "app/screens.h"
#include "app/settings.h"
#include "doubles/doubles.h"
#include "doubles/fakeprinter.h"
#include "doubles/manualclock.h"
#include "files/contentpath.h"
#include "platform/stage.h"
#include "quiz/quizsession.h"
#include "viewers/viewerstate.h"
#include "worksheets/worksheetlist.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A fresh classroom folder: a temporary folder holding a copy of the generated content, handed
// to what the test opens as folder().
class ClassroomFolder
{
public:
    ClassroomFolder();
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relativePath) const { return m_dir.filePath(relativePath); }
    const ContentFolder &folder() const { return m_folder; }
    // Removes a content file, to see how the program copes without it.
    void remove(const QString &relativePath) const;
    // Writes a file in the folder, in place of any there.
    void writeFile(const QString &relativePath, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
    ContentFolder m_folder{m_dir.path()};
};

// The whole program on doubles: a stage of a chosen size, recorded sound, printing and message
// boxes, a hand-driven clock and the screen registry.
class ProgramFixture : public ::testing::Test
{
protected:
    ProgramFixture();
    ~ProgramFixture() override;

    // Lets screens that were unloaded actually go away, as they do once a handler returns.
    static void finishHandlers();
    // Start-up as the program does it.
    void startProgram();

    ClassroomFolder classroom;
    ManualClock clock;
    RecordingSound sound;
    FakePrinter printer;
    ScriptedMessageBoxes messageBoxes;
    ScriptedRandom random;
    int endProgramCalls = 0;
    Platform platform{sound, printer, messageBoxes, random, [this] { ++endProgramCalls; }};
    std::unique_ptr<Stage> stage;
    std::unique_ptr<Screens> screens;
    QuizSession &session() { return screens->state<QuizSession>(); }
    Settings &settings() { return screens->state<Settings>(); }
    WorksheetList &worksheetList() { return screens->state<WorksheetList>(); }
    ViewerState &viewerState() { return screens->state<ViewerState>(); }
    AnimationFrames &frames() { return screens->state<AnimationFrames>(); }
};
