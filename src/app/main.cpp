#include "app/kelvarinapp.h"
#include "app/screens.h"
#include "app/titlefrm.h"
#include "platform/clockrandom.h"
#include "platform/qtmessageboxes.h"
#include "platform/qtprinter.h"
#include "platform/qtsnddevil.h"
#include "platform/qttimerclock.h"
#include "platform/stage.h"

int main(int argc, char **argv)
{
    KelvarinApp app(argc, argv);
    QtTimerClock clock;
    Stage stage(clock);
    QtSndDevil sound;
    QtPrinter printer;
    QtMessageBoxes messageBoxes(&stage);
    ClockSeededRandom random;
    Platform platform{sound, printer, messageBoxes, random, [] { QCoreApplication::exit(0); }};
    Screens screens(stage, platform);

    stage.showOnScreen();
    screens.titlefrm().show();
    return app.exec();
}
