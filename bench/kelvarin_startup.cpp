// Kelvarin's own start-up, exactly as the program does it, timed to the title screen's first
// paint. With "menu" it goes on through "OK" and reports the peak memory at the main menu.
#include "app/program.h"
#include "app/titlefrm.h"
#include "menus/intro0.h"
#include "startup_probe.h"

#include <QApplication>
#include <cstring>

int main(int argc, char **argv)
{
    const bool toMenu = argc > 1 && std::strcmp(argv[1], "menu") == 0;
    QApplication app(argc, argv);
    Program program;
    Screens &screens = program.screens;
    Stage &stage = program.stage;
    stage.showOnScreen();
    Titlefrm &title = screens.titlefrm();
    if (toMenu) {
        QTimer::singleShot(0, [&] {
            title.Command1_Click();
            screens.intro0().installEventFilter(new FirstPaintProbe(&stage, "main menu"));
        });
    } else {
        title.installEventFilter(new FirstPaintProbe(&title, "title screen"));
    }
    title.show();
    return app.exec();
}
