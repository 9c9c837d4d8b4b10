#pragma once

#include "app/module1.h"
#include "platform/platform.h"

#include <QString>
#include <map>

class Form;
class Grey;
class Intro0;
class Stage;
class Titlefrm;

// Owns the program's screens. The first reference to a screen creates it with its design values,
// runs its Form_Load to completion and only then hands it out; unload hides it, stops its timers,
// empties its slot at once (the next reference builds it afresh) and destroys it once the running
// handler has returned.
class Screens
{
public:
    Screens(Stage &stage, Platform &platform);

    Titlefrm &titlefrm();
    Grey &grey();
    Intro0 &intro0();

    void unload(Form &screen);
    bool isLoaded(const QString &name) const { return m_loaded.count(name) != 0; }

    Module1 &module1() { return m_module1; }
    Platform &platform() { return m_platform; }
    Stage &stage() { return m_stage; }

private:
    template <class T> T &get(const QString &name);

    Stage &m_stage;
    Platform &m_platform;
    Module1 m_module1;
    std::map<QString, Form *> m_loaded;
};
