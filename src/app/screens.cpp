#include "app/screens.h"

#include "platform/messageboxes.h"
#include "platform/stage.h"

Screens::Screens(Stage &stage, Platform &platform) : m_stage(stage), m_platform(platform)
{
    m_stage.handlers().setMessageBoxes(&platform.messageBoxes);
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
