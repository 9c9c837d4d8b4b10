#include "app/program.h"
#include "app/titlefrm.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Program program;
    program.stage.showOnScreen();
    program.stage.handlers().run([&] { program.screens.titlefrm().show(); });
    return app.exec();
}
