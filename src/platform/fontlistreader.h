#pragma once

#include <thread>

// Reads the list of installed fonts on a thread of its own, from the moment the program starts
// building its screens. The first text painted would otherwise wait for that list (the font
// system's configuration and every installed face, a third of the work before the title screen
// shows); now it is read while the screens are built and the display maps the window. Qt's font
// database may be used from any thread; the first paint simply takes the list when it is ready.
class FontListReader
{
public:
    FontListReader();

private:
    std::jthread m_reader; // joined when the reader goes
};
