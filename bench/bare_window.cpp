// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: a bare Qt window built the same way as Kelvarin. It prints the
// milliseconds from process start to its first paint, and its peak memory, then quits. With "text"
// the window shows one line in one face, the least any screen with words pays for the font
// system.
#include "startup_probe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(364, 438);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        (new QLabel("Primary Science: Materials", &window))->move(20, 20);
    window.installEventFilter(new FirstPaintProbe(&window, "bare window"));
    window.show();
    return app.exec();
}
