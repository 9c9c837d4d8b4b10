// The yardstick for start-up: a bare Qt window built the same way as Kelvarin. It prints the
// milliseconds from process start to its first paint, and its peak memory, then quits.
#include "startup_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(364, 438);
    window.installEventFilter(new FirstPaintProbe(&window, "bare window"));
    window.show();
    return app.exec();
}
