// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/screens.h"
#include "sound/canberrasnddevil.h"
#include "platform/clockrandom.h"
#include "platform/qtmessageboxes.h"
#include "printing/qtprinter.h"
#include "platform/qttimerclock.h"
#include "platform/stage.h"

#include <QCoreApplication>

// The program as it runs for real in a classroom folder: the stage, the real services and the
// screens, in the order they need each other. Create it after the application object.
struct Program {
    explicit Program(const ContentFolder &folder) : classroom(folder) {}

    ContentFolder classroom;
    QtTimerClock clock;
    Stage stage{clock, classroom};
    CanberraSndDevil sound{classroom};
    QtPrinter printer;
    QtMessageBoxes messageBoxes{&stage};
    ClockSeededRandom random;
    Platform platform{sound, printer, messageBoxes, random, [] { QCoreApplication::exit(0); }};
    Screens screens{stage, platform};
};
