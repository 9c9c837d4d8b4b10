// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class MessageBoxes;
class Printer;
class Random;
class SndDevil;

// The services the screens use, handed over at start-up: Qt's in the program, doubles in tests.
struct Platform {
    SndDevil &sound;
    Printer &printer;
    MessageBoxes &messageBoxes;
    Random &random;
    std::function<void()> endProgram;
};
