// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screens.h"

#include "app/applog.h"
#include "app/sounds.h"
#include "platform/messageboxes.h"
#include "platform/stage.h"

#include <QShortcut>
#include <stdexcept>

Screens::Screens(Stage &stage, Platform &platform) : m_stage(stage), m_platform(platform)
{
    m_stage.handlers().setMessageBoxes(&platform.messageBoxes);
    m_switchSound = std::make_unique<QShortcut>(QKeySequence(Qt::CTRL | Qt::Key_M), &m_stage);
    QObject::connect(m_switchSound.get(), &QShortcut::activated, &m_stage,
                     [this] { m_stage.handlers().run([this] { switchSound(*this); }, lcApp()); });
}

Screens::~Screens() = default;

void Screens::showMainMenu()
{
    if (!m_showMainMenu)
        throw std::logic_error("the registry was not told how to show the main menu");
    m_showMainMenu();
}

const ContentFolder &Screens::classroom() const
{
    return m_stage.classroom();
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
