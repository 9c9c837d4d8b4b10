#include "app/kelvarinapp.h"
#include "app/program.h"
#include "app/titlefrm.h"

int main(int argc, char **argv)
{
    KelvarinApp app(argc, argv);
    Program program;
    program.stage.showOnScreen();
    program.screens.titlefrm().show();
    return app.exec();
}
