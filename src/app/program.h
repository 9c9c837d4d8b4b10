#pragma once

#include "app/screens.h"
#include "platform/canberrasnddevil.h"
#include "platform/clockrandom.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtprinter.h"
#include "platform/qttimerclock.h"
#include "platform/stage.h"

#include <QCoreApplication>

// The program as it runs for real: the stage, the real services and the screens, in the order they
// need each other. Create it after the application object.
struct Program {
    QtTimerClock clock;
    Stage stage{clock};
    CanberraSndDevil sound;
    QtPrinter printer;
    QtMessageBoxes messageBoxes{&stage};
    ClockSeededRandom random;
    Platform platform{sound, printer, messageBoxes, random, [] { QCoreApplication::exit(0); }};
    Screens screens{stage, platform};
};
