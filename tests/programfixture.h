#pragma once

#include "app/animationframes.h"
#include "app/screens.h"
#include "app/settings.h"
#include "doubles/doubles.h"
#include "doubles/fakeprinter.h"
#include "doubles/manualclock.h"
#include "platform/displayscale.h"
#include "platform/stage.h"
#include "quiz/quizsession.h"
#include "viewers/viewerstate.h"
#include "worksheets/worksheetlist.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Runs in a fresh classroom folder: a temporary working directory holding a copy of the generated
// content.
class ClassroomFolder
{
public:
    ClassroomFolder();
    ~ClassroomFolder();
    QString path() const { return m_dir.path(); }
    // Removes a content file, to see how the program copes without it.
    void remove(const QString &relativePath) const;

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Shows the screens at another display scale while it lives; build them after it.
struct DisplayScaleForTest {
    explicit DisplayScaleForTest(double factor) { DisplayScale::setFactor(factor); }
    ~DisplayScaleForTest() { DisplayScale::setFactor(1.0); }
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
