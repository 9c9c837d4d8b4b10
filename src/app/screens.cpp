#include "app/screens.h"

#include "app/grey.h"
#include "app/titlefrm.h"
#include "menus/intro0.h"
#include "platform/form.h"

template <class T> T &Screens::get(const QString &name)
{
    auto it = m_loaded.find(name);
    if (it != m_loaded.end())
        return static_cast<T &>(*it->second);
    auto *screen = new T(*this);
    screen->setObjectName(name);
    // Stored before its load runs, so the load handler's own references reach this same screen.
    m_loaded[name] = screen;
    screen->Form_Load();
    return *screen;
}

Screens::Screens(Stage &stage, Platform &platform) : m_stage(stage), m_platform(platform) {}

Titlefrm &Screens::titlefrm()
{
    return get<Titlefrm>("Titlefrm");
}
Grey &Screens::grey()
{
    return get<Grey>("Grey");
}
Intro0 &Screens::intro0()
{
    return get<Intro0>("intro0");
}

void Screens::unload(Form &screen)
{
    auto it = m_loaded.find(screen.objectName());
    if (it == m_loaded.end() || it->second != &screen)
        return;
    m_loaded.erase(it);
    screen.stopTimers();
    screen.hide();
    screen.deleteLater();
}
