// SPDX-License-Identifier: GPL-3.0-or-later
// Kelvarin's own start-up, exactly as the program does it, timed to the title screen's first
// paint. With "menu" it goes on through "OK" and reports the peak memory at the main menu; with
// "actual-size" the screens keep their one-to-one size instead of filling the display.
#include "app/program.h"
#include "app/titlefrm.h"
#include "menus/intro0.h"
#include "files/contentpath.h"
#include "startup_probe.h"

#include <QApplication>
#include <cstring>

int main(int argc, char **argv)
{
    bool toMenu = false;
    Stage::Size size = Stage::Size::FillTheDisplay;
    for (int i = 1; i < argc; ++i) {
        toMenu = toMenu || std::strcmp(argv[i], "menu") == 0;
        if (std::strcmp(argv[i], "actual-size") == 0)
            size = Stage::Size::ActualSize;
    }
    QApplication app(argc, argv);
    Program program{ContentFolder(QStringLiteral(KELVARIN_CONTENT_DIR))};
    Screens &screens = program.screens;
    wireMainMenu(screens);
    Stage &stage = program.stage;
    stage.showOnScreen(size);
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
